#pragma once
// Everything the windows share during a run. All zero, false or empty at process start;
// nothing of it outlives the process but what is written to the record file.
#include <QString>

#include <array>
#include <cstdint>

// How far the player has got. The main window's buttons and the hints choose by it.
struct Stage {
    static constexpr std::int16_t kOpening = 10;         // the opening question is on screen
    static constexpr std::int16_t kExitsPressed = 11;    // the exit buttons were pressed
    static constexpr std::int16_t kProblemShown = 12;    // the problem button appeared; Lock is offered
    static constexpr std::int16_t kLocked = 13;          // Lock was chosen
    static constexpr std::int16_t kPanels = 15;          // problem 1, the nine panels, was opened
    static constexpr std::int16_t kProblem2 = 20;        // problem 1 solved
    static constexpr std::int16_t kQuiz = 21;            // problem 2, the quiz, was opened
    static constexpr std::int16_t kProblem3 = 30;        // problem 2 solved
    static constexpr std::int16_t kStopwatch = 31;       // problem 3, the stopwatch, was opened
    static constexpr std::int16_t kLastStage = 40;       // problem 3 solved: the last trick begins
    static constexpr std::int16_t kRiddleShown = 41;     // the surrender button showed the riddle
    static constexpr std::int16_t kWrongTry = 42;        // a wrong try at the last trick
    static constexpr std::int16_t kWindowClicked = 43;   // ANOTHER: the window clicked with the right keys
    static constexpr std::int16_t kSolved = 44;          // the last trick is solved: the ending is open
};

// Runs of arrow-key releases on the title window.
struct TitleKeyRuns {
    std::int16_t down = 0;
    std::int16_t up = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
};

struct GameState {
    QString versionText;
    QString course;  // exactly "NORMAL" or "ANOTHER"
    bool timeAttack = false;
    std::int16_t stage = 0;
    std::array<std::int32_t, 2> exitScores = {0, 0};  // おわり and 終了
    bool lockOn = false;
    // From the record file.
    std::int32_t surrenderCount = 0;
    std::int32_t quitCount = 0;
    float bestTimeNormal = 0;
    float bestTimeAnother = 0;
    float bestTime = 0;  // of the chosen course
    // Clock readings, seconds since midnight.
    float startTime = 0;
    float endTime = 0;
    // While one of these is set, the main window may be closed.
    bool gameCleared = false;
    bool surrendered = false;
    bool aborting = false;
    TitleKeyRuns titleKeys;
    QString recordPath;
    QString quizPath;
    // The quiz.
    QString quizLine;
    QString quizQuestion;
    QString quizAnswer;
    // The stopwatch.
    float stopwatchStart = 0;
    float stopwatchStop = 0;
};

extern GameState G;
