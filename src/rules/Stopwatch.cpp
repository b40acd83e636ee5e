#include "rules/Stopwatch.h"

StopVerdict JudgeStop(float seconds, const QString& course)
{
    // compared in single precision, so that a time that reads 2.80 meets the bound 2.80
    const float lower = course == "ANOTHER" ? 2.90f : 2.80f;
    const float upper = 3.00f;
    if (seconds < lower)
        return StopVerdict::TooEarly;
    if (seconds > upper)
        return StopVerdict::TooLate;
    return StopVerdict::Passed;
}
