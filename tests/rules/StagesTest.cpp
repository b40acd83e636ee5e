// The stages as the player meets them: what a surrender shows at each, whether 降参 asks
// the riddle first, what the problem button does.
#include "rules/Stages.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {
using A = ProblemButtonAction;

// In the stage table's order of columns.
struct Screen {
    std::int16_t stage;
    A problemButton;
    bool riddle;
    const char* clearRate;  // the caption
    const char* upperLine;
    const char* lowerLine;  // "": the line is left as it was
    const char* upperLineOnAnother;
};
void PrintTo(const Screen& s, std::ostream* os) { *os << "stage " << s.stage; }

// The fourteen surrender screens, as they are on screen.
const Screen kScreens[] = {
    {10, A::OpenPanels, false, "ｸﾘｱ度 0%", "とりあえずクリックできるところは", "クリックしてみるべし", nullptr},
    {11, A::OpenPanels, false, "ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", "", nullptr},
    {12, A::OpenPanels, false, "ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", "", nullptr},
    {13, A::OpenPanels, false, "ｸﾘｱ度 15%", "問題１ボタンが押せるように", "なるためには、運も・・・", nullptr},
    {15, A::OpenPanels, false, "ｸﾘｱ度 20%", "こればっかりは自力で", "やってくださいな(汗)", nullptr},
    {20, A::OpenQuiz, false, "ｸﾘｱ度 20%", "問題２ボタンを押せ", "", nullptr},
    {21, A::OpenQuiz, false, "ｸﾘｱ度 ??%", "簡単な問題もあるよ", "", nullptr},
    {30, A::OpenStopwatch, false, "ｸﾘｱ度 ??%", "問題３ボタンを押せ", "", nullptr},
    {31, A::OpenStopwatch, false, "ｸﾘｱ度 ??%", "コツはなし。気合のみ", "", "一生懸命狙っても無駄かも？"},
    {40, A::NotYet, true, "ｸﾘｱ度 ??%", "ヒントは見つけましたか？", "", nullptr},
    {41, A::NotYet, true, "ｸﾘｱ度 ??%", "逆から読むと・・・", "", "NORMAL＋αが必要だ"},
    {42, A::NotYet, true, "ｸﾘｱ度 ??%", "押すキーが違うぞ", "", nullptr},
    {43, A::Nothing, true, "ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", "", nullptr},
    {44, A::StartEnding, true, "ｸﾘｱ度 ??%", "終了押すだけなんですが", "", nullptr},
};
class Screens : public ::testing::TestWithParam<Screen> {};
}  // namespace

TEST_P(Screens, ShowTheStagesHintAndOfferItsRiddleAndProblem)
{
    const Screen& s = GetParam();
    for (Course course : {Course::Normal, Course::Another}) {
        const std::optional<Hint> hint = HintFor(s.stage, course);
        ASSERT_TRUE(hint);
        EXPECT_EQ(hint->clearRate, s.clearRate);
        EXPECT_EQ(hint->upperLine, course == Course::Another && s.upperLineOnAnother ? s.upperLineOnAnother : s.upperLine);
        EXPECT_EQ(hint->lowerLine, s.lowerLine);
    }
    EXPECT_EQ(StageRowOf(s.stage)->asksRiddle, s.riddle);
    EXPECT_EQ(ProblemButtonAt(s.stage), s.problemButton);
}

INSTANTIATE_TEST_SUITE_P(Stages, Screens, ::testing::ValuesIn(kScreens),
                         [](const ::testing::TestParamInfo<Screen>& info) { return "Stage" + std::to_string(info.param.stage); });

TEST(Stages, ANumberTheGameNeverSetsHasNoHintAndNoProblemAndEachCourseHasItsRiddle)
{
    EXPECT_EQ(StageTable().size(), std::size(kScreens));
    for (std::int16_t stage : {0, 14, 16, 29, 45}) {
        EXPECT_FALSE(HintFor(stage, Course::Normal)) << stage;
        EXPECT_EQ(ProblemButtonAt(stage), A::Nothing) << stage;
    }
    EXPECT_EQ(RiddleFor(Course::Normal), "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？");
    EXPECT_EQ(RiddleFor(Course::Another), "＜S+C+A+Left＞ さて、何の暗号だろう？");
}

// The last trick: a press on the switch or on the main window itself, with its mouse button
// (L, R) and modifier keys (S Shift, C Ctrl, A Alt, M Meta); then the stage and the problem
// button ("-": as it was, "on", "off").
TEST(Stages, TheLastTrickWantsItsPressesOnEachCourse)
{
    struct Press {
        const char* course;
        std::int16_t stage;
        const char* on;
        const char* press;
        const char* then;
    };
    const Press rows[] = {{"N", 30, "switch", "L SA", "30 -"},  {"N", 40, "switch", "L SA", "44 on"},  {"N", 41, "switch", "L SAM", "44 on"},
                          {"N", 40, "switch", "L SCA", "40 off"}, {"N", 41, "switch", "L", "42 off"},    {"N", 40, "switch", "R SA", "40 off"},
                          {"N", 44, "switch", "L", "44 off"},     {"N", 40, "window", "L SCA", "40 -"},  {"A", 40, "window", "L SCA", "43 -"},
                          {"A", 41, "window", "L", "42 -"},       {"A", 40, "window", "L SC", "40 -"},   {"A", 30, "window", "L SCA", "30 -"},
                          {"A", 43, "switch", "R", "44 on"},      {"A", 44, "switch", "L", "42 off"},    {"A", 40, "switch", "L SA", "42 off"},
                          {"A", 43, "window", "L SCAM", "43 -"}};
    for (const Press& p : rows) {
        const Course course = *p.course == 'A' ? Course::Another : Course::Normal;
        const Qt::MouseButton button = p.press[0] == 'L' ? Qt::LeftButton : Qt::RightButton;
        Qt::KeyboardModifiers keys;
        for (const char* k = p.press + 1; *k; ++k)
            keys |= *k == 'S' ? Qt::ShiftModifier : *k == 'C' ? Qt::ControlModifier : *k == 'A' ? Qt::AltModifier : *k == 'M' ? Qt::MetaModifier : Qt::NoModifier;
        QString then;
        if (std::string(p.on) == "switch") {
            const SwitchPress press = PressSwitch(p.stage, course, button, keys);
            then = QString("%1 %2").arg(press.stage).arg(!press.problemEnabled ? "-" : *press.problemEnabled ? "on" : "off");
        } else {
            then = QString("%1 -").arg(PressWindow(p.stage, course, button, keys));
        }
        EXPECT_EQ(then, p.then) << p.course << " " << p.stage << " " << p.on << " " << p.press;
    }
}
