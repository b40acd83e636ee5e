// The stages as the player meets them: what a surrender shows at each, whether 降参 asks
// the riddle first, what the problem button does.
#include "rules/Stages.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {
using A = ProblemButtonAction;

struct Screen {
    std::int16_t stage;
    const char* clearRate;  // the caption
    const char* upperLine;
    const char* upperLineOnAnother;
    const char* lowerLine;  // "": the line is left as it was
    bool riddle;
    A problemButton;
};
void PrintTo(const Screen& s, std::ostream* os) { *os << "stage " << s.stage; }

// The fourteen surrender screens, as they are on screen.
const Screen kScreens[] = {
    {10, "ｸﾘｱ度 0%", "とりあえずクリックできるところは", nullptr, "クリックしてみるべし", false, A::OpenPanels},
    {11, "ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", nullptr, "", false, A::OpenPanels},
    {12, "ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", nullptr, "", false, A::OpenPanels},
    {13, "ｸﾘｱ度 15%", "問題１ボタンが押せるように", nullptr, "なるためには、運も・・・", false, A::OpenPanels},
    {15, "ｸﾘｱ度 20%", "こればっかりは自力で", nullptr, "やってくださいな(汗)", false, A::OpenPanels},
    {20, "ｸﾘｱ度 20%", "問題２ボタンを押せ", nullptr, "", false, A::OpenQuiz},
    {21, "ｸﾘｱ度 ??%", "簡単な問題もあるよ", nullptr, "", false, A::OpenQuiz},
    {30, "ｸﾘｱ度 ??%", "問題３ボタンを押せ", nullptr, "", false, A::OpenStopwatch},
    {31, "ｸﾘｱ度 ??%", "コツはなし。気合のみ", "一生懸命狙っても無駄かも？", "", false, A::OpenStopwatch},
    {40, "ｸﾘｱ度 ??%", "ヒントは見つけましたか？", nullptr, "", true, A::NotYet},
    {41, "ｸﾘｱ度 ??%", "逆から読むと・・・", "NORMAL＋αが必要だ", "", true, A::NotYet},
    {42, "ｸﾘｱ度 ??%", "押すキーが違うぞ", nullptr, "", true, A::NotYet},
    {43, "ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", nullptr, "", true, A::Nothing},
    {44, "ｸﾘｱ度 ??%", "終了押すだけなんですが", nullptr, "", true, A::StartEnding},
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
