#pragma once
// The stages of a run, in one table: each number the game sets, what the player is doing
// there, the hint a surrender gives there and what the problem button does; then how the
// last trick moves the stage on.
#include "rules/Course.h"

#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>
#include <vector>

// The numbers the game sets: the record of the game's stages, in the order a run passes
// them. The numbers in the gaps are unused; a number without a row below is one the game
// never sets.
namespace Stage {
constexpr std::int16_t kOpening = 10;
constexpr std::int16_t kExitsPressed = 11;
constexpr std::int16_t kProblemButtonShown = 12;
constexpr std::int16_t kLocked = 13;
constexpr std::int16_t kPanelsOpen = 15;
constexpr std::int16_t kPanelsSolved = 20;
constexpr std::int16_t kQuizOpen = 21;
constexpr std::int16_t kQuizSolved = 30;
constexpr std::int16_t kStopwatchOpen = 31;
constexpr std::int16_t kLastTrick = 40;
constexpr std::int16_t kRiddleShown = 41;
constexpr std::int16_t kWrongTry = 42;
constexpr std::int16_t kWindowClicked = 43;
constexpr std::int16_t kSolved = 44;
}  // namespace Stage

// What the problem button does.
enum class ProblemButtonAction {
    OpenPanels,     // the card before the nine panels
    OpenQuiz,       // the card before the quiz
    OpenStopwatch,  // the stopwatch window
    NotYet,         // "そう簡単には終了できないのでした"
    StartEnding,
    Nothing,
};

// The puzzle window that is open at a stage; a surrender takes it away first.
enum class OpenPuzzle { None, Quiz, Stopwatch };

struct StageRow {
    std::int16_t number;
    const char* doing;  // what the player is doing there
    ProblemButtonAction problemButton;
    OpenPuzzle openPuzzle;
    bool asksRiddle;  // the surrender button asks the course's riddle first
    // The surrender's hint: the clear rate goes to the title bar; an empty lower line
    // leaves the line as it is; ANOTHER has a line of its own where one is given.
    const char* clearRate;
    const char* upperLine;
    const char* lowerLine;
    const char* upperLineOnAnother;
};

// Every stage the game sets, in order.
const std::vector<StageRow>& StageTable();
// The row of a stage; none for a number the game never sets.
const StageRow* StageRowOf(std::int16_t stage);

struct Hint {
    QString clearRate;
    QString upperLine;
    QString lowerLine;
    OpenPuzzle puzzle = OpenPuzzle::None;
};
std::optional<Hint> HintFor(std::int16_t stage, Course course);
ProblemButtonAction ProblemButtonAt(std::int16_t stage);

// The riddle the surrender button asks at the last stages.
QString RiddleFor(Course course);

// A mouse press on the switch at the last stage. NORMAL wants a left click with Shift and
// Alt; ANOTHER wants the window clicked first (see PressWindow), then any press on the
// switch. Before the last trick nothing happens. Of the modifier keys only Shift, Ctrl and
// Alt count.
struct SwitchPress {
    std::int16_t stage;
    std::optional<bool> problemEnabled;  // the problem button, when it changes
};
SwitchPress PressSwitch(std::int16_t stage, Course course, Qt::MouseButton button, Qt::KeyboardModifiers keys);

// A mouse press on the main window itself: on ANOTHER from the last trick on, a left click
// with Shift, Ctrl and Alt is the way to the switch.
std::int16_t PressWindow(std::int16_t stage, Course course, Qt::MouseButton button, Qt::KeyboardModifiers keys);
