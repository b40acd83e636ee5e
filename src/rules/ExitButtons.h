#pragma once
// The main window's two exit buttons, おわり and 終了: every press scores, and the
// scores decide what the main window offers; then both buttons jump.
#include "runtime/Random.h"

#include <array>
#include <cstdint>

// What the scores do to the problem button and the blank menu.
enum class ProblemButtonOffer {
    Revealed,   // shown but not pressable yet, and the blank menu offers Lock
    Withdrawn,  // hidden, and the blank menu with it
    KeptAfterLock,  // Lock was chosen: the button stays, only the blank menu goes
};

struct ExitPress {
    bool surrenderOffered;  // the sum of the scores is a multiple of 3
    ProblemButtonOffer problemButton;
};

// Scores a press of button 0 (+2) or 1 (+3) and moves the stage on, or back to 11.
ExitPress PressExit(int button, std::array<std::int32_t, 2>& scores, std::int16_t& stage, bool lockOn);

// Where the buttons jump to, in twips, and whether they meet (touching counts).
struct ExitPlace {
    int left;
    int top;
};
struct ExitJump {
    std::array<ExitPlace, 2> places;
    bool meet;
};
// The random numbers are reseeded before each button; every place within the bounds is
// as likely as any other.
ExitJump JumpExits(RandomSource& random);
