#include "rules/Panels.h"

#include <gtest/gtest.h>

TEST(Panels, TheCardTellsTheTimeLimitTheClockKeeps)
{
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Normal), 20);
    EXPECT_EQ(PanelsStartText(Course::Normal), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）");
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Another), 10);
    EXPECT_EQ(PanelsStartText(Course::Another), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）");
}
