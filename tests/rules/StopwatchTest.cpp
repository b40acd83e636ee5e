#include "rules/Clock.h"
#include "rules/Stopwatch.h"

#include <gtest/gtest.h>

TEST(Stopwatch, BoundsCountAsPassedAtTheRoundedTime)
{
    struct Stop {
        const char* course;
        float start, stop;  // clock readings
        StopVerdict verdict;
        const char* shown;
    };
    for (const Stop& s : {Stop{"NORMAL", 100, 102.79f, StopVerdict::TooEarly, "2.79 秒"}, Stop{"NORMAL", 100, 102.80f, StopVerdict::Passed, "2.8 秒"},
                          Stop{"NORMAL", 100, 102.796f, StopVerdict::Passed, "2.8 秒"},  // rounds to 2.80
                          Stop{"NORMAL", 100, 103.004f, StopVerdict::Passed, "3 秒"},    // rounds to 3.00
                          Stop{"NORMAL", 100, 103.01f, StopVerdict::TooLate, "3.01 秒"}, Stop{"NORMAL", 100, 100.53f, StopVerdict::TooEarly, "0.53 秒"},
                          Stop{"ANOTHER", 100, 102.85f, StopVerdict::TooEarly, "2.85 秒"}, Stop{"ANOTHER", 100, 102.90f, StopVerdict::Passed, "2.9 秒"},
                          Stop{"odd", 100, 102.80f, StopVerdict::Passed, "2.8 秒"},
                          Stop{"NORMAL", 86399.0f, 1.9f, StopVerdict::Passed, "2.9 秒"}}) {  // across midnight
        const float seconds = ElapsedSeconds(s.start, s.stop);
        EXPECT_EQ(JudgeStop(seconds, s.course), s.verdict) << s.course << " " << s.shown;
        EXPECT_EQ(SecondsText(seconds), s.shown);
    }
}
