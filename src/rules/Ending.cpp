#include "rules/Ending.h"

#include "rules/Clock.h"

QString LevelWord(std::int32_t quitCount, std::int32_t surrenderCount)
{
    QString adjective;
    switch (quitCount) {
    case 0: break;
    case 1: adjective = "弱気な"; break;
    case 2: adjective = "臆病者な"; break;
    default: adjective = "根性なしの"; break;
    }
    QString noun;
    if (surrenderCount >= 0 && surrenderCount <= 1)
        noun = "神";
    else if (surrenderCount >= 2 && surrenderCount <= 3)
        noun = "ゲーマー";
    else if (surrenderCount >= 4 && surrenderCount <= 9)
        noun = "一般人";
    else if (surrenderCount >= 10 && surrenderCount <= 15)
        noun = "サル";
    else
        noun = "ミジンコ";
    return adjective + noun;
}

QString ClearTimeText(float seconds)
{
    if (seconds > 3600.0f)
        return "１時間以上かかってます";
    return SecondsText(seconds);
}

QString NewBestTimeLine(float oldBest, float clearTime) { return SecondsText(oldBest) + " → " + ClearTimeText(clearTime); }

bool BeatsBestTime(float clearTime, float bestTime) { return clearTime < bestTime; }
