#pragma once
// Problem 3: stop the stopwatch between the lower bound and three seconds.
#include <QString>

enum class StopVerdict { TooEarly, Passed, TooLate };

// The lower bound is 2.90 s on ANOTHER, 2.80 s on any other course; both bounds count as
// passed. The time is a rounded one (see ElapsedSeconds).
StopVerdict JudgeStop(float seconds, const QString& course);
