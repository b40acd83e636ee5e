#include "rules/TitleKeys.h"

#include <gtest/gtest.h>

TEST(TitleKeys, RunsOfArrowsChooseTheCourseAndTimeAttack)
{
    struct Run {
        const char* keys;  // D U L R for the arrows, x for any other key
        const char* course;
        bool timeAttack;
    };
    for (const Run& r : {Run{"", "NORMAL", false}, Run{"DD", "ANOTHER", false}, Run{"DDD", "ANOTHER", false},
                         Run{"DUD", "NORMAL", false}, Run{"DDUUUU", "NORMAL", false}, Run{"DDUUU", "ANOTHER", false},
                         Run{"UUUDDU", "ANOTHER", false}, Run{"DxD", "ANOTHER", false}, Run{"LL", "NORMAL", true},
                         Run{"LLL", "NORMAL", true}, Run{"LLLL", "NORMAL", false}, Run{"LLLLLL", "NORMAL", true},
                         Run{"LRL", "NORMAL", false}, Run{"LLRLLL", "NORMAL", true}, Run{"LxL", "NORMAL", true},
                         Run{"DDLL", "ANOTHER", true}}) {
        TitleKeyRuns runs;
        QString course = "NORMAL";
        bool timeAttack = false;
        for (const char* k = r.keys; *k; ++k)
            CountTitleKey(*k == 'D' ? Key::Down : *k == 'U' ? Key::Up : *k == 'L' ? Key::Left : *k == 'R' ? Key::Right : Key::Other, runs,
                          course, timeAttack);
        EXPECT_EQ(course + (timeAttack ? " time attack" : ""), QString(r.course) + (r.timeAttack ? " time attack" : "")) << r.keys;
    }
}
