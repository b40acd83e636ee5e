#include "rules/ExitButtons.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

TEST(ExitPresses, TheSumAndTheDifferenceOfTheScores)
{
    struct Presses {
        const char* buttons;  // 0: おわり (+2), 1: 終了 (+3), L: Lock chosen
        int stage;            // after the presses, from the opening
        bool surrenderOffered;
        ProblemOffer problem;  // by the last press
    };
    for (const Presses& p : {Presses{"1", 11, true, ProblemOffer::Withdrawn},          // 0 and 3
                             Presses{"0", 11, false, ProblemOffer::Withdrawn},         // 2 and 0
                             Presses{"00011", 12, true, ProblemOffer::Revealed},       // 6 and 6
                             Presses{"00000", 11, false, ProblemOffer::Withdrawn},     // 10 apart
                             Presses{"00000001", 12, false, ProblemOffer::Revealed},   // 11 apart
                             Presses{"000000001", 12, false, ProblemOffer::Revealed},  // 13 apart
                             Presses{"0000000", 11, false, ProblemOffer::Withdrawn},   // 14 apart
                             Presses{"000110", 11, false, ProblemOffer::Withdrawn},    // back from 12
                             Presses{"00011L0000", 13, false, ProblemOffer::Locked}}) {
        std::array<std::int32_t, 2> scores{0, 0};
        std::int16_t stage = 10;
        bool lockOn = false;
        ExitPress last{};
        for (const char* b = p.buttons; *b; ++b) {
            if (*b == 'L') {
                lockOn = true;
                stage = 13;
            } else {
                last = PressExit(*b - '0', scores, stage, lockOn);
            }
        }
        EXPECT_TRUE(stage == p.stage && last.surrenderOffered == p.surrenderOffered && last.problem == p.problem) << p.buttons;
    }
}

TEST(ExitJumps, DigitsDrawnWithinTheBoundsAndTouchingButtonsMeet)
{
    FakeServices fake;
    ServicesGuard guard(fake);
    fake.scriptDigits("9999" "0120" "0240" "0495" "1215");  // 9999 is out of bounds: drawn again
    ExitJump jump = JumpExits();
    EXPECT_EQ(fake.reseeds, 2);  // once per button
    EXPECT_EQ(jump.places[0].top * 10000 + jump.places[0].left, 120 * 10000 + 240);
    EXPECT_EQ(jump.places[1].top * 10000 + jump.places[1].left, 495 * 10000 + 1215);
    EXPECT_TRUE(jump.meet);  // 375 and 975 apart: touching
    for (const char* apart : {"0120" "0240" "0496" "1215", "0120" "0240" "0495" "1216"}) {
        fake.scriptDigits(apart);
        EXPECT_FALSE(JumpExits().meet) << apart;
    }
    int lowest = 9999, highest = 0;
    for (int i = 0; i < 2000; ++i) {
        jump = JumpExits();
        for (const ExitPlace& p : jump.places) {
            ASSERT_TRUE(p.top >= 120 && p.top <= 2280 && p.left >= 240 && p.left <= 3840) << p.left << "," << p.top;
            lowest = std::min(lowest, p.top);
            highest = std::max(highest, p.left);
        }
    }
    EXPECT_TRUE(lowest < 300 && highest > 3500);  // the whole range is reached
}
