#pragma once
// Everything the windows share during a run. All zero, false or empty at process start.
#include <QString>
#include <cstdint>

struct GameState {
    QString VersionText;
    QString Course;  // exactly "NORMAL" or "ANOTHER"
    bool TimeAttack = false;
    std::int16_t Stage = 0;
    std::int32_t ExitTally[2] = {0, 0};
    bool LockOn = false;
    std::int32_t SurrenderCount = 0;
    std::int32_t QuitCount = 0;
    float BestTime = 0;
    float BestTimeNormal = 0;
    float BestTimeAnother = 0;
    float StartTime = 0;  // clock readings, seconds since midnight
    float EndTime = 0;
    // While one of these is set, the main window may be closed.
    bool GameCleared = false;
    bool Surrendered = false;
    bool Aborting = false;
    // Runs of arrow-key releases on the title window.
    std::int16_t DownCount = 0;
    std::int16_t UpCount = 0;
    std::int16_t LeftCount = 0;
    std::int16_t RightCount = 0;
    QString IniPath;
    QString DatPath;
    // The quiz.
    QString QuizQuestion;
    QString QuizAnswer;
    QString QuizLine;
    // The stopwatch.
    float StopwatchStart = 0;
    float StopwatchStop = 0;
};

extern GameState G;
