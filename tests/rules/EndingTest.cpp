#include "rules/Clock.h"
#include "rules/Ending.h"

#include <gtest/gtest.h>

TEST(EndingWords, TheLevelWordAndTheClearTime)
{
    struct Row {
        int quits, surrenders;
        const char* word;
    };
    for (const Row& r : {Row{0, 0, "神"}, Row{0, 1, "神"}, Row{0, 2, "ゲーマー"}, Row{0, 3, "ゲーマー"}, Row{0, 4, "一般人"},
                         Row{0, 9, "一般人"}, Row{0, 10, "サル"}, Row{0, 15, "サル"}, Row{0, 16, "ミジンコ"},
                         Row{0, -1, "ミジンコ"}, Row{1, 0, "弱気な神"}, Row{2, 10, "臆病者なサル"},
                         Row{3, 16, "根性なしのミジンコ"}, Row{-1, 4, "根性なしの一般人"}})
        EXPECT_EQ(LevelWord(r.quits, r.surrenders), QString::fromUtf8(r.word)) << r.quits << "/" << r.surrenders;
    // an hour is the last clear time shown in seconds
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3599.99f)), "3599.99 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.0f)), "3600 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.01f)), "１時間以上かかってます");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(86000.0f, 100.0f)), "500 秒");  // across midnight
    EXPECT_EQ(NewBestTimeLine(9999, 3600.5f), "9999 秒 → １時間以上かかってます");
}
