// The last trick: which presses on the switch and the window move the stage on.
#include "rules/Stages.h"

#include <gtest/gtest.h>

struct Press {
    const char* course;
    int stage;
    MouseButton button;
    Modifiers keys;
    int newStage;
    int problemEnabled;  // 1 enabled, 0 disabled, -1 left as it was
};

void PrintTo(const Press& p, std::ostream* os) { *os << p.course << " stage " << p.stage << " keys " << p.keys; }

class SwitchPresses : public ::testing::TestWithParam<Press> {};

TEST_P(SwitchPresses, OnlyTheRightPressSolvesIt)
{
    const Press& p = GetParam();
    const SwitchPress result = PressSwitch(static_cast<std::int16_t>(p.stage), p.course, p.button, p.keys);
    EXPECT_EQ(result.stage, p.newStage);
    EXPECT_EQ(result.problemEnabled ? int{*result.problemEnabled} : -1, p.problemEnabled);
}

constexpr Modifiers kShiftAlt = ShiftKey | AltKey;
constexpr Modifiers kAllThree = ShiftKey | CtrlKey | AltKey;
INSTANTIATE_TEST_SUITE_P(LastStage, SwitchPresses,
                         ::testing::Values(Press{"NORMAL", 40, MouseButton::Left, kShiftAlt, 44, 1},
                                           Press{"NORMAL", 41, MouseButton::Left, kShiftAlt, 44, 1},
                                           Press{"NORMAL", 40, MouseButton::Left, kAllThree, 40, 0},
                                           Press{"NORMAL", 41, MouseButton::Left, kAllThree, 42, 0},
                                           Press{"NORMAL", 41, MouseButton::Right, kShiftAlt, 42, 0},
                                           Press{"NORMAL", 44, MouseButton::Left, NoModifier, 44, 0},
                                           Press{"ANOTHER", 43, MouseButton::Right, NoModifier, 44, 1},
                                           Press{"ANOTHER", 41, MouseButton::Left, kShiftAlt, 42, 0},
                                           Press{"ANOTHER", 44, MouseButton::Left, kShiftAlt, 42, 0},
                                           Press{"other", 41, MouseButton::Left, kShiftAlt, 41, -1},
                                           Press{"NORMAL", 39, MouseButton::Left, kShiftAlt, 39, -1}));

TEST(WindowPress, AllThreeKeysOnAnotherFromStageFortyOn)
{
    for (int stage = 39; stage <= 44; ++stage) {
        const auto s = static_cast<std::int16_t>(stage);
        EXPECT_EQ(PressWindow(s, "ANOTHER", MouseButton::Left, kAllThree), stage < 40 ? 39 : 43) << stage;
        EXPECT_EQ(PressWindow(s, "ANOTHER", MouseButton::Left, kShiftAlt), stage == 41 ? 42 : stage) << stage;
        EXPECT_EQ(PressWindow(s, "NORMAL", MouseButton::Left, kAllThree), stage) << stage;
    }
}
