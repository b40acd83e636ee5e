// The last trick: which presses on the switch and the window move the stage on; the hints.
#include "rules/Hints.h"
#include "rules/Stages.h"

#include <gtest/gtest.h>

constexpr Modifiers kShiftAlt = ShiftKey | AltKey;
constexpr Modifiers kAllThree = ShiftKey | CtrlKey | AltKey;

TEST(SwitchPress, OnlyTheRightPressSolvesIt)
{
    struct Press {
        const char* course;
        int stage;
        MouseButton button;
        Modifiers keys;
        int newStage;
        int problemEnabled;  // 1 enabled, 0 disabled, -1 left as it was
    };
    for (const Press& p : {Press{"NORMAL", 40, MouseButton::Left, kShiftAlt, 44, 1}, Press{"NORMAL", 41, MouseButton::Left, kShiftAlt, 44, 1},
                           Press{"NORMAL", 40, MouseButton::Left, kAllThree, 40, 0}, Press{"NORMAL", 41, MouseButton::Left, kAllThree, 42, 0},
                           Press{"NORMAL", 41, MouseButton::Right, kShiftAlt, 42, 0}, Press{"NORMAL", 44, MouseButton::Left, NoModifier, 44, 0},
                           Press{"ANOTHER", 43, MouseButton::Right, NoModifier, 44, 1}, Press{"ANOTHER", 41, MouseButton::Left, kShiftAlt, 42, 0},
                           Press{"ANOTHER", 44, MouseButton::Left, kShiftAlt, 42, 0}, Press{"other", 41, MouseButton::Left, kShiftAlt, 41, -1},
                           Press{"NORMAL", 39, MouseButton::Left, kShiftAlt, 39, -1}}) {
        const SwitchPress result = PressSwitch(static_cast<std::int16_t>(p.stage), p.course, p.button, p.keys);
        EXPECT_EQ(result.stage, p.newStage) << p.course << " " << p.stage << " " << p.keys;
        EXPECT_EQ(result.problemEnabled ? int{*result.problemEnabled} : -1, p.problemEnabled) << p.course << " " << p.stage;
    }
}

TEST(WindowPress, AllThreeKeysOnAnotherFromStageFortyOn)
{
    for (int stage = 39; stage <= 44; ++stage) {
        const auto s = static_cast<std::int16_t>(stage);
        EXPECT_EQ(PressWindow(s, "ANOTHER", MouseButton::Left, kAllThree), stage < 40 ? 39 : 43) << stage;
        EXPECT_EQ(PressWindow(s, "ANOTHER", MouseButton::Left, kShiftAlt), stage == 41 ? 42 : stage) << stage;
        EXPECT_EQ(PressWindow(s, "NORMAL", MouseButton::Left, kAllThree), stage) << stage;
    }
}

TEST(Hints, OnlyStagesTheGameSetsHaveAHintAndTheCourseIsComparedExactly)
{
    for (int stage : {0, 9, 14, 16, 19, 22, 29, 32, 39, 45, 100})
        EXPECT_FALSE(HintFor(static_cast<std::int16_t>(stage), "NORMAL")) << stage;
    EXPECT_EQ(HintFor(31, "another")->upperLine + HintFor(41, "another")->upperLine, "コツはなし。気合のみ逆から読むと・・・");
    EXPECT_EQ(RiddleFor("another"), "");
}
