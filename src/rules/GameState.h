#pragma once
// Everything the windows share during a run. All zero, false or empty at process start;
// nothing of it outlives the process but what is written to the record file.
#include "rules/Course.h"

#include <QString>

#include <array>
#include <cstdint>

// Runs of arrow-key releases on the title window.
struct TitleKeyRuns {
    std::int16_t down = 0;
    std::int16_t up = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
};

struct GameState {
    Course course = Course::Normal;
    bool timeAttack = false;
    std::int16_t stage = 0;  // see rules/Stages.h
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
    bool recordWriteFailureTold = false;  // a record file that cannot be written is told once a run
    QString quizPath;
};

extern GameState G;
