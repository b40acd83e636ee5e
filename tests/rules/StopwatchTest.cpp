#include "rules/Clock.h"
#include "rules/Stopwatch.h"

#include <gtest/gtest.h>

TEST(Stopwatch, StopsAreJudgedAtTheRoundedTimeWithBothBoundsPassing)
{
    const auto N = Course::Normal, A = Course::Another;
    const auto early = StopVerdict::TooEarly, passed = StopVerdict::Passed, late = StopVerdict::TooLate;
    const std::tuple<Course, float, float, StopVerdict, const char*> rows[] = {
        {N, 100, 102.79f, early, "2.79 秒"},  {N, 100, 102.80f, passed, "2.8 秒"},  {N, 100, 102.796f, passed, "2.8 秒"},  // rounded up
        {N, 100, 103.004f, passed, "3 秒"},   {N, 100, 103.01f, late, "3.01 秒"},   {N, 100, 100.53f, early, "0.53 秒"},
        {A, 100, 102.85f, early, "2.85 秒"},  {A, 100, 102.90f, passed, "2.9 秒"},  {A, 100, 103.00f, passed, "3 秒"},
        {A, 100, 103.01f, late, "3.01 秒"},   {N, 86399.0f, 1.9f, passed, "2.9 秒"}};  // across midnight
    for (const auto& [course, start, stop, verdict, shown] : rows) {
        const float seconds = ElapsedSeconds(start, stop);
        EXPECT_EQ(JudgeStop(seconds, course), verdict) << shown;
        EXPECT_EQ(SecondsText(seconds), shown);
    }
}

TEST(Stopwatch, TheWindowTellsTheBoundsAndTheTimeLimitTheJudgeKeeps)
{
    EXPECT_EQ(StopBoundsText(Course::Normal), "STARTボタンを押してから 2.80秒～3.00秒");
    EXPECT_EQ(StopBoundsOf(Course::Normal).lower, 2.80f);
    EXPECT_EQ(StopBoundsText(Course::Another), "STARTボタンを押してから 2.90秒～3.00秒");
    EXPECT_EQ(StopBoundsOf(Course::Another).lower, 2.90f);
    EXPECT_EQ(StopBoundsOf(Course::Another).upper, 3.00f);
    EXPECT_EQ(kStopwatchTimeLimitSeconds, 10);
    EXPECT_EQ(StopwatchTimeUpText(), "10秒もたってしまいました");
}
