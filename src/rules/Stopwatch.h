#pragma once
// Problem 3: stop the stopwatch between the lower bound and three seconds, within ten.
#include "rules/Course.h"

#include <QString>

enum class StopVerdict { TooEarly, Passed, TooLate };

// The lower bound is 2.90 s on ANOTHER, 2.80 s on NORMAL; both bounds count as passed.
struct StopBounds {
    float lower;
    float upper;
};
StopBounds StopBoundsOf(Course course);
// As the window tells them: "STARTボタンを押してから 2.80秒～3.00秒".
QString StopBoundsText(Course course);
// The time is a rounded one (see ElapsedSeconds).
StopVerdict JudgeStop(float seconds, Course course);

// How long the stopwatch runs before it gives up: "10秒もたってしまいました".
constexpr int kStopwatchTimeLimitSeconds = 10;
QString StopwatchTimeUpText();
