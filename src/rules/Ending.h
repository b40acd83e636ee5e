#pragma once
// The words of the ending's results.
#include <QString>

#include <cstdint>

// An adjective from the quits and a noun from the surrenders: 神, 弱気な神, 臆病者なサル.
QString LevelWord(std::int32_t quitCount, std::int32_t surrenderCount);

// The clear time in seconds, or "１時間以上かかってます" above an hour.
QString ClearTimeText(float seconds);

// Only a faster clear time beats the best time: an equal one is no record.
bool BeatsBestTime(float clearTime, float bestTime);

// The line of a new best time: "9999 秒 → 123.45 秒".
QString NewBestTimeLine(float oldBest, float clearTime);
