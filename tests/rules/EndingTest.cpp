#include "rules/Clock.h"
#include "rules/Ending.h"

#include <gtest/gtest.h>

namespace {
struct Level {
    int quits, surrenders;
    const char* word;
};
void PrintTo(const Level& l, std::ostream* os) { *os << l.quits << " quits, " << l.surrenders << " surrenders"; }
class LevelWords : public ::testing::TestWithParam<Level> {};
}  // namespace

TEST_P(LevelWords, PutAnAdjectiveFromTheQuitsBeforeANounFromTheSurrenders)
{
    EXPECT_EQ(LevelWord(GetParam().quits, GetParam().surrenders), QString::fromUtf8(GetParam().word));
}

INSTANTIATE_TEST_SUITE_P(Ending, LevelWords,
                         ::testing::Values(Level{0, 0, "神"}, Level{0, 1, "神"}, Level{0, 2, "ゲーマー"}, Level{0, 3, "ゲーマー"},
                                           Level{0, 4, "一般人"}, Level{0, 9, "一般人"}, Level{0, 10, "サル"}, Level{0, 15, "サル"},
                                           Level{0, 16, "ミジンコ"}, Level{0, -1, "ミジンコ"}, Level{1, 0, "弱気な神"},
                                           Level{2, 10, "臆病者なサル"}, Level{3, 16, "根性なしのミジンコ"}, Level{-1, 4, "根性なしの一般人"}));

TEST(EndingWords, AnHourIsTheLastClearTimeShownInSeconds)
{
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3599.99f)), "3599.99 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.0f)), "3600 秒");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(0.0f, 3600.01f)), "１時間以上かかってます");
    EXPECT_EQ(ClearTimeText(ElapsedSeconds(86000.0f, 100.0f)), "500 秒");  // across midnight
    EXPECT_EQ(NewBestTimeLine(9999, 3600.5f), "9999 秒 → １時間以上かかってます");
}
