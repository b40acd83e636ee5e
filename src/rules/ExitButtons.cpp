#include "rules/ExitButtons.h"

#include "rules/Stages.h"
#include "runtime/Counters.h"
#include "runtime/Numbers.h"

#include <cstdlib>

namespace {
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 375;
// Where a jump may put a button's top left corner, in twips: inside the main window.
constexpr int kTopmost = 120, kLowest = 2280;
constexpr int kLeftmost = 240, kRightmost = 3840;
// The scores' difference that reveals the problem button besides none at all.
constexpr std::int64_t kRevealingGapFrom = 11, kRevealingGapTo = 13;

// Four random digits make a number from 0 to 9999; it is drawn again until it lies within
// the bounds.
int DrawWithin(RandomSource& random, int low, int high)
{
    int v = -1;
    while (v < low || v > high) {
        v = 0;
        for (int digit = 0; digit < 4; ++digit)
            v = v * 10 + WholePart(random.fraction() * 10.0);
    }
    return v;
}
}  // namespace

ExitPress PressExit(int button, std::array<std::int32_t, 2>& scores, std::int16_t& stage, bool lockOn)
{
    if (button == 0)
        AddTo(scores[0], 2);
    else
        AddTo(scores[1], 3);
    ExitPress press{CheckedSum(scores[0], scores[1]) % 3 == 0, ProblemButtonOffer::KeptAfterLock};
    if (press.surrenderOffered && stage < Stage::kExitsPressed)
        stage = Stage::kExitsPressed;
    if (lockOn)
        return press;  // after Lock nothing lowers the stage
    const std::int64_t difference = std::llabs(std::int64_t{scores[0]} - scores[1]);
    if (difference == 0 || (difference >= kRevealingGapFrom && difference <= kRevealingGapTo)) {
        if (stage < Stage::kProblemButtonShown)
            stage = Stage::kProblemButtonShown;
        press.problemButton = ProblemButtonOffer::Revealed;
    } else {
        stage = Stage::kExitsPressed;
        press.problemButton = ProblemButtonOffer::Withdrawn;
    }
    return press;
}

ExitJump JumpExits(RandomSource& random)
{
    ExitJump jump{};
    for (ExitPlace& place : jump.places) {
        random.reseed();
        place.top = DrawWithin(random, kTopmost, kLowest);
        place.left = DrawWithin(random, kLeftmost, kRightmost);
    }
    const ExitPlace& a = jump.places[0];
    const ExitPlace& b = jump.places[1];
    jump.meet = std::abs(a.top - b.top) <= kButtonHeight && std::abs(a.left - b.left) <= kButtonWidth;
    return jump;
}
