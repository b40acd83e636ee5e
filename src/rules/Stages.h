#pragma once
// How the main window's problem button and the last trick move the stage on.
#include "runtime/Input.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the problem button does at a stage.
enum class ProblemStep {
    PanelsCard,  // below 20: the card before the nine panels
    QuizCard,    // 20 to 29: the card before the quiz
    Stopwatch,   // 30 to 39
    NotYet,      // 40 to 42: "そう簡単には終了できないのでした"
    Ending,      // 44
    Nothing,     // 43, 45 and above
};
ProblemStep ProblemStepFor(std::int16_t stage);

// A mouse press on the switch at the last stage. NORMAL wants a left click with Shift and
// Alt; ANOTHER wants the window clicked first (see PressWindow), then any press on the
// switch. Below stage 40 and on any other course nothing happens.
struct SwitchPress {
    std::int16_t stage;
    std::optional<bool> problemEnabled;  // the problem button, when it changes
};
SwitchPress PressSwitch(std::int16_t stage, const QString& course, MouseButton button, Modifiers keys);

// A mouse press on the main window itself: on ANOTHER at stage 40 and above, a left click
// with Shift, Ctrl and Alt is the way to the switch.
std::int16_t PressWindow(std::int16_t stage, const QString& course, MouseButton button, Modifiers keys);
