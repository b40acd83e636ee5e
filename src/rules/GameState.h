#pragma once
// What the windows share during a run: the course and time attack the title window
// chooses, the records the main window shows and writes, and where the two files are. All
// zero, false or empty at process start; nothing of it outlives the process but what is
// written to the record file.
#include "rules/Course.h"

#include <QString>

#include <cstdint>

struct GameState {
    Course course = Course::Normal;
    bool timeAttack = false;
    // From the record file.
    std::int32_t surrenderCount = 0;
    std::int32_t quitCount = 0;
    float bestTimeNormal = 0;
    float bestTimeAnother = 0;
    QString recordPath;
    bool recordWriteFailureTold = false;  // a record file that cannot be written is told once a run
    QString quizPath;
};

extern GameState G;
