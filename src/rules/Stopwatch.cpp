#include "rules/Stopwatch.h"

#include "runtime/Numbers.h"

// in single precision, so that a time that reads 2.80 meets the bound 2.80
StopBounds StopBoundsOf(Course course) { return {course == Course::Another ? 2.90f : 2.80f, 3.00f}; }

QString StopBoundsText(Course course)
{
    const StopBounds b = StopBoundsOf(course);
    return "STARTボタンを押してから " + FormatNumber(b.lower, "0.00") + "秒～" + FormatNumber(b.upper, "0.00") + "秒";
}

StopVerdict JudgeStop(float seconds, Course course)
{
    const StopBounds b = StopBoundsOf(course);
    if (seconds < b.lower)
        return StopVerdict::TooEarly;
    if (seconds > b.upper)
        return StopVerdict::TooLate;
    return StopVerdict::Passed;
}

QString StopwatchTimeUpText() { return QString::number(kStopwatchTimeLimitSeconds) + "秒もたってしまいました"; }
