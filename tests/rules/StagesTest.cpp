// The stage table and the last trick: which presses on the switch and the window move the
// stage on.
#include "rules/Stages.h"

#include <gtest/gtest.h>

#include <algorithm>

constexpr Modifiers kShiftAlt = ShiftKey | AltKey;
constexpr Modifiers kAllThree = ShiftKey | CtrlKey | AltKey;

TEST(StageTable, NumbersRiseRowByRowAndEachRowHasAHint)
{
    const auto& table = StageTable();
    const auto notRising = [](const StageRow& a, const StageRow& b) { return a.number >= b.number; };
    EXPECT_EQ(std::adjacent_find(table.begin(), table.end(), notRising), table.end());
    for (const StageRow& row : table)
        EXPECT_TRUE(HintFor(row.number, Course::Normal)) << row.number;
}

TEST(StageTable, AStageTheGameNeverSetsHasNoHintAndLeavesTheProblemButtonIdle)
{
    for (std::int16_t stage : {0, 14, 16, 29, 45}) {
        EXPECT_FALSE(HintFor(stage, Course::Normal)) << stage;
        EXPECT_EQ(ProblemButtonAt(stage), ProblemButtonAction::Nothing) << stage;
    }
}

TEST(StageTable, AnotherHasHintsOfItsOwnAtTheStopwatchAndAfterTheRiddle)
{
    EXPECT_EQ(HintFor(Stage::kStopwatchOpen, Course::Normal)->upperLine, "コツはなし。気合のみ");
    EXPECT_EQ(HintFor(Stage::kStopwatchOpen, Course::Another)->upperLine, "一生懸命狙っても無駄かも？");
    EXPECT_EQ(HintFor(Stage::kRiddleShown, Course::Normal)->upperLine, "逆から読むと・・・");
    EXPECT_EQ(HintFor(Stage::kRiddleShown, Course::Another)->upperLine, "NORMAL＋αが必要だ");
    EXPECT_EQ(HintFor(Stage::kLocked, Course::Another)->upperLine, HintFor(Stage::kLocked, Course::Normal)->upperLine);
}

TEST(StageTable, EachCourseHasItsRiddle)
{
    EXPECT_EQ(RiddleFor(Course::Normal), "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？");
    EXPECT_EQ(RiddleFor(Course::Another), "＜S+C+A+Left＞ さて、何の暗号だろう？");
}

namespace {
struct Press {
    const char* name;
    Course course;
    std::int16_t stage;
    MouseButton button;
    Modifiers keys;
    std::int16_t newStage;
    int problemEnabled;  // 1 enabled, 0 disabled, -1 left as it was
};
void PrintTo(const Press& p, std::ostream* os) { *os << p.name; }
class SwitchPresses : public ::testing::TestWithParam<Press> {};
}  // namespace

TEST_P(SwitchPresses, OnlyTheRightPressSolvesTheLastTrick)
{
    const Press& p = GetParam();
    const SwitchPress result = PressSwitch(p.stage, p.course, p.button, p.keys);
    EXPECT_EQ(result.stage, p.newStage);
    EXPECT_EQ(result.problemEnabled ? int{*result.problemEnabled} : -1, p.problemEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    LastTrick, SwitchPresses,
    ::testing::Values(Press{"NormalShiftAltClick", Course::Normal, 40, MouseButton::Left, kShiftAlt, 44, 1},
                      Press{"NormalShiftAltClickAfterTheRiddle", Course::Normal, 41, MouseButton::Left, kShiftAlt, 44, 1},
                      Press{"NormalWrongKeys", Course::Normal, 40, MouseButton::Left, kAllThree, 40, 0},
                      Press{"NormalWrongKeysAfterTheRiddle", Course::Normal, 41, MouseButton::Left, kAllThree, 42, 0},
                      Press{"NormalWrongButtonAfterTheRiddle", Course::Normal, 41, MouseButton::Right, kShiftAlt, 42, 0},
                      Press{"NormalAgainOnceSolved", Course::Normal, 44, MouseButton::Left, NoModifier, 44, 0},
                      Press{"AnotherAnyPressAfterTheWindow", Course::Another, 43, MouseButton::Right, NoModifier, 44, 1},
                      Press{"AnotherNormalsKeysAreWrong", Course::Another, 41, MouseButton::Left, kShiftAlt, 42, 0},
                      Press{"AnotherAgainOnceSolved", Course::Another, 44, MouseButton::Left, kShiftAlt, 42, 0},
                      Press{"NothingBeforeTheLastTrick", Course::Normal, 39, MouseButton::Left, kShiftAlt, 39, -1}),
    [](const ::testing::TestParamInfo<Press>& info) { return info.param.name; });

TEST(WindowPress, AllThreeKeysOnAnotherFromTheLastTrickOn)
{
    EXPECT_EQ(PressWindow(39, Course::Another, MouseButton::Left, kAllThree), 39);
    for (std::int16_t stage = 40; stage <= 44; ++stage) {
        EXPECT_EQ(PressWindow(stage, Course::Another, MouseButton::Left, kAllThree), 43) << stage;
        EXPECT_EQ(PressWindow(stage, Course::Another, MouseButton::Left, kShiftAlt), stage == 41 ? 42 : stage) << stage;
        EXPECT_EQ(PressWindow(stage, Course::Normal, MouseButton::Left, kAllThree), stage) << stage;
    }
}
