#include "rules/Clock.h"
#include "rules/Ending.h"

#include <gtest/gtest.h>

TEST(Ending, TheLevelPutsAnAdjectiveFromTheQuitsBeforeANounFromTheSurrenders)
{
    const std::tuple<int, int, const char*> rows[] = {{0, 0, "神"},          {0, 1, "神"},         {0, 2, "ゲーマー"},         {0, 3, "ゲーマー"},
                                                      {0, 4, "一般人"},      {0, 9, "一般人"},     {0, 10, "サル"},            {0, 15, "サル"},
                                                      {0, 16, "ミジンコ"},   {0, -1, "ミジンコ"},  {1, 0, "弱気な神"},         {2, 10, "臆病者なサル"},
                                                      {3, 16, "根性なしのミジンコ"}, {-1, 4, "根性なしの一般人"}};
    for (const auto& [quits, surrenders, word] : rows)
        EXPECT_EQ(LevelWord(quits, surrenders), QString::fromUtf8(word)) << quits << " quits, " << surrenders << " surrenders";
}

TEST(Ending, AnHourIsTheLastClearTimeShownInSeconds)
{
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3599.99f)), "3599.99 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.0f)), "3600 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.01f)), "１時間以上かかってます");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(86000.0f, 100.0f)), "500 秒");  // across midnight
    EXPECT_EQ(NewBestTimeLine(9999, 3600.5f), "9999 秒 → １時間以上かかってます");
}

TEST(Ending, OnlyAFasterTimeBeatsTheBestTime)
{
    EXPECT_TRUE(BeatsBestTime(123.45f, 9999));
    EXPECT_FALSE(BeatsBestTime(50, 50));  // an equal time is no record
    EXPECT_FALSE(BeatsBestTime(50.01f, 50));
}
