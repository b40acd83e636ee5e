#include "rules/Clock.h"

#include "runtime/Numbers.h"

namespace {
constexpr float kSecondsPerDay = 86400.0f;
}

float ElapsedSeconds(float from, float to)
{
    float d = to - from;
    if (d < 0)
        d += kSecondsPerDay;
    return *ParseSingle(FormatNumber(d, "#####.00"));
}

QString SecondsText(float seconds) { return NumberText(seconds) + " 秒"; }
