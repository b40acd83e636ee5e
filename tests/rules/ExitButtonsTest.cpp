#include "rules/ExitButtons.h"
#include "rules/Stages.h"

#include "FakeServices.h"

#include <gtest/gtest.h>


namespace {
struct Presses {
    const char* name;
    const char* buttons;  // 0: おわり (+2), 1: 終了 (+3), L: Lock chosen
    std::int16_t stage;   // after the presses, from the opening
    bool surrenderOffered;
    ProblemButtonOffer problemButton;  // by the last press
};
void PrintTo(const Presses& p, std::ostream* os) { *os << p.buttons; }

class ExitPresses : public ::testing::TestWithParam<Presses> {};
}  // namespace

TEST_P(ExitPresses, ScoreTheSumForTheSurrenderAndTheDifferenceForTheProblemButton)
{
    const Presses& p = GetParam();
    std::array<std::int32_t, 2> scores{0, 0};
    std::int16_t stage = Stage::kOpening;
    bool lockOn = false;
    ExitPress last{};
    for (const char* b = p.buttons; *b; ++b) {
        if (*b == 'L') {
            lockOn = true;
            stage = Stage::kLocked;
        } else {
            last = PressExit(*b - '0', scores, stage, lockOn);
        }
    }
    EXPECT_EQ(stage, p.stage);
    EXPECT_EQ(last.surrenderOffered, p.surrenderOffered);
    EXPECT_EQ(last.problemButton, p.problemButton);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ExitPresses,
    ::testing::Values(Presses{"ASumOfThreeOffersTheSurrender", "1", Stage::kExitsPressed, true, ProblemButtonOffer::Withdrawn},
                      Presses{"ASumOfTwoDoesNot", "0", Stage::kExitsPressed, false, ProblemButtonOffer::Withdrawn},
                      Presses{"EqualScoresRevealTheProblemButton", "00011", Stage::kProblemButtonShown, true, ProblemButtonOffer::Revealed},
                      Presses{"TenApartDoesNot", "00000", Stage::kExitsPressed, false, ProblemButtonOffer::Withdrawn},
                      Presses{"ElevenApartDoes", "00000001", Stage::kProblemButtonShown, false, ProblemButtonOffer::Revealed},
                      Presses{"ThirteenApartDoes", "000000001", Stage::kProblemButtonShown, false, ProblemButtonOffer::Revealed},
                      Presses{"FourteenApartDoesNot", "0000000", Stage::kExitsPressed, false, ProblemButtonOffer::Withdrawn},
                      Presses{"APressThatPartsTheScoresWithdrawsItAgain", "000110", Stage::kExitsPressed, false, ProblemButtonOffer::Withdrawn},
                      Presses{"AfterLockNothingLowersTheStage", "00011L0000", Stage::kLocked, false, ProblemButtonOffer::KeptAfterLock}),
    [](const ::testing::TestParamInfo<Presses>& info) { return info.param.name; });

TEST(ExitJumps, DrawFourDigitsAgainUntilThePlaceIsWithinTheBoundsReseedingPerButton)
{
    FakeServices random;
    // a top from 120 to 2280, a left from 240 to 3840: one past a bound is drawn again
    random.scriptDigits("2281" "2280" "3841" "3840" "0119" "0120" "0239" "0240");
    const ExitJump jump = JumpExits(random);
    EXPECT_EQ(jump.places[0].top, 2280);
    EXPECT_EQ(jump.places[0].left, 3840);
    EXPECT_EQ(jump.places[1].top, 120);
    EXPECT_EQ(jump.places[1].left, 240);
    EXPECT_EQ(random.reseeds, 2);
}

TEST(ExitJumps, ButtonsMeetWhenTheyTouchAndNotATwipFurther)
{
    FakeServices random;
    random.scriptDigits("0120" "0240" "0495" "1215");  // 375 and 975 apart: touching
    EXPECT_TRUE(JumpExits(random).meet);
    random.scriptDigits("0120" "0240" "0496" "1215");
    EXPECT_FALSE(JumpExits(random).meet);
    random.scriptDigits("0120" "0240" "0495" "1216");
    EXPECT_FALSE(JumpExits(random).meet);
}
