#include "rules/Clock.h"
#include "rules/Stopwatch.h"

#include <gtest/gtest.h>

namespace {
struct Stop {
    const char* name;
    Course course;
    float start, stop;  // clock readings
    StopVerdict verdict;
    const char* shown;
};
void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }
class Stops : public ::testing::TestWithParam<Stop> {};
}  // namespace

TEST_P(Stops, AreJudgedAtTheRoundedTimeWithBothBoundsPassing)
{
    const Stop& s = GetParam();
    const float seconds = ElapsedSeconds(s.start, s.stop);
    EXPECT_EQ(JudgeStop(seconds, s.course), s.verdict);
    EXPECT_EQ(SecondsText(seconds), s.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Stopwatch, Stops,
    ::testing::Values(Stop{"JustTooEarly", Course::Normal, 100, 102.79f, StopVerdict::TooEarly, "2.79 秒"},
                      Stop{"TheLowerBound", Course::Normal, 100, 102.80f, StopVerdict::Passed, "2.8 秒"},
                      Stop{"RoundedUpToTheLowerBound", Course::Normal, 100, 102.796f, StopVerdict::Passed, "2.8 秒"},
                      Stop{"RoundedDownToTheUpperBound", Course::Normal, 100, 103.004f, StopVerdict::Passed, "3 秒"},
                      Stop{"JustTooLate", Course::Normal, 100, 103.01f, StopVerdict::TooLate, "3.01 秒"},
                      Stop{"UnderASecond", Course::Normal, 100, 100.53f, StopVerdict::TooEarly, "0.53 秒"},
                      Stop{"AnothersHigherLowerBound", Course::Another, 100, 102.85f, StopVerdict::TooEarly, "2.85 秒"},
                      Stop{"AnothersLowerBound", Course::Another, 100, 102.90f, StopVerdict::Passed, "2.9 秒"},
                      Stop{"AcrossMidnight", Course::Normal, 86399.0f, 1.9f, StopVerdict::Passed, "2.9 秒"}),
    [](const ::testing::TestParamInfo<Stop>& info) { return info.param.name; });

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
