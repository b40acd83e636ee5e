#include "rules/TitleKeys.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

struct KeyRun {
    const char* keys;  // D U L R for the arrows, x for any other key
    const char* course;
    bool timeAttack;
};

void PrintTo(const KeyRun& k, std::ostream* os) { *os << '"' << k.keys << '"'; }

class TitleKeys : public ::testing::TestWithParam<KeyRun> {};

TEST_P(TitleKeys, ChooseCourseAndTimeAttack)
{
    FakeServices fake;  // for the counters' overflow report
    ServicesGuard guard(fake);
    TitleKeyRuns runs;
    QString course = "NORMAL";
    bool timeAttack = false;
    for (const char* k = GetParam().keys; *k; ++k) {
        const Key key = *k == 'D' ? Key::Down : *k == 'U' ? Key::Up : *k == 'L' ? Key::Left : *k == 'R' ? Key::Right : Key::Other;
        CountTitleKey(key, runs, course, timeAttack);
    }
    EXPECT_EQ(course, GetParam().course);
    EXPECT_EQ(timeAttack, GetParam().timeAttack);
}

INSTANTIATE_TEST_SUITE_P(TitleWindow, TitleKeys,
                         ::testing::Values(KeyRun{"", "NORMAL", false}, KeyRun{"DD", "ANOTHER", false},
                                           KeyRun{"DDD", "ANOTHER", false}, KeyRun{"DUD", "NORMAL", false},
                                           KeyRun{"DDUUUU", "NORMAL", false}, KeyRun{"DDUUU", "ANOTHER", false}, KeyRun{"UUUDDU", "ANOTHER", false},
                                           KeyRun{"DxD", "ANOTHER", false}, KeyRun{"LL", "NORMAL", true},
                                           KeyRun{"LLL", "NORMAL", true}, KeyRun{"LLLL", "NORMAL", false},
                                           KeyRun{"LLLLLL", "NORMAL", true}, KeyRun{"LRL", "NORMAL", false},
                                           KeyRun{"LLRLLL", "NORMAL", true}, KeyRun{"LxL", "NORMAL", true},
                                           KeyRun{"DDLL", "ANOTHER", true}));
