#pragma once
// Times the player sees: clock readings are seconds since midnight.
#include <QString>

// Seconds from one clock reading to a later one, rounded to hundredths (as "#####.00"
// writes them). The clock starts again from 0 at midnight; a span across it still counts.
float ElapsedSeconds(float from, float to);

// "12.5 秒", "3 秒", "0.53 秒".
QString SecondsText(float seconds);
