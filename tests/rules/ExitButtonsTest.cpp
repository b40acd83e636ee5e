#include "rules/ExitButtons.h"
#include "rules/Stages.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

TEST(ExitButtons, TheSumOfTheScoresOffersTheSurrenderAndTheirDifferenceTheProblemButton)
{
    // presses of おわり (0, +2) and 終了 (1, +3) and L for Lock, from the opening; then the stage,
    // whether the surrender is offered, and the problem button by the last press: Revealed,
    // Withdrawn or Kept after Lock
    const char* rows[][2] = {{"1", "11 1 W"},        {"0", "11 0 W"},          {"00011", "12 1 R"},     {"00000", "11 0 W"},
                             {"00000001", "12 0 R"}, {"000000001", "12 0 R"}, {"0000000", "11 0 W"},   {"000110", "11 0 W"},
                             {"00011L0000", "13 0 K"}};
    for (const auto& [presses, outcome] : rows) {
        std::array<std::int32_t, 2> scores{0, 0};
        std::int16_t stage = Stage::kOpening;
        bool lockOn = false;
        ExitPress last{};
        for (const char* b = presses; *b; ++b) {
            if (*b == 'L')
                lockOn = true, stage = Stage::kLocked;
            else
                last = PressExit(*b - '0', scores, stage, lockOn);
        }
        const char offer = last.problemButton == ProblemButtonOffer::Revealed ? 'R' : last.problemButton == ProblemButtonOffer::Withdrawn ? 'W' : 'K';
        EXPECT_EQ(QString("%1 %2 %3").arg(stage).arg(last.surrenderOffered).arg(offer), outcome) << presses;
    }
}

TEST(ExitButtons, AJumpDrawsFourDigitsAgainUntilThePlaceIsWithinTheBoundsReseedingPerButton)
{
    FakeServices random;
    // a top from 120 to 2280, a left from 240 to 3840: one past a bound is drawn again
    random.scriptDigits("2281" "2280" "3841" "3840" "0119" "0120" "0239" "0240");
    const ExitJump jump = JumpExits(random);
    EXPECT_EQ(QString("%1 %2 %3 %4").arg(jump.places[0].top).arg(jump.places[0].left).arg(jump.places[1].top).arg(jump.places[1].left),
              "2280 3840 120 240");
    EXPECT_EQ(random.reseeds, 2);
}

TEST(ExitButtons, ButtonsMeetWhenTheyTouchAndNotATwipFurther)
{
    FakeServices random;
    for (const auto& [digits, meet] : {std::pair<const char*, bool>{"0120" "0240" "0495" "1215", true},  // 375 and 975 apart
                                       {"0120" "0240" "0496" "1215", false}, {"0120" "0240" "0495" "1216", false}}) {
        random.scriptDigits(digits);
        EXPECT_EQ(JumpExits(random).meet, meet) << digits;
    }
}
