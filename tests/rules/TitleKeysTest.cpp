#include "rules/TitleKeys.h"

#include <gtest/gtest.h>

namespace {
struct Run {
    const char* keys;  // D U L R for the arrows, x for any other key
    Course course;
    bool timeAttack;
};
void PrintTo(const Run& r, std::ostream* os) { *os << '"' << r.keys << '"'; }
class TitleKeyRunsTest : public ::testing::TestWithParam<Run> {};
}  // namespace

TEST_P(TitleKeyRunsTest, ChooseTheCourseAndTimeAttack)
{
    TitleKeyRuns runs;
    Course course = Course::Normal;
    bool timeAttack = false;
    for (const char* k = GetParam().keys; *k; ++k)
        CountTitleKey(*k == 'D' ? Key::Down : *k == 'U' ? Key::Up : *k == 'L' ? Key::Left : *k == 'R' ? Key::Right : Key::Other, runs,
                      course, timeAttack);
    EXPECT_EQ(course, GetParam().course);
    EXPECT_EQ(timeAttack, GetParam().timeAttack);
}

INSTANTIATE_TEST_SUITE_P(
    TitleKeys, TitleKeyRunsTest,
    ::testing::Values(Run{"", Course::Normal, false}, Run{"DD", Course::Another, false}, Run{"DDD", Course::Another, false},
                      Run{"DUD", Course::Normal, false}, Run{"DDUUUU", Course::Normal, false}, Run{"DDUUU", Course::Another, false},
                      Run{"UUUDDU", Course::Another, false}, Run{"DxD", Course::Another, false}, Run{"LL", Course::Normal, true},
                      Run{"LLL", Course::Normal, true}, Run{"LLLL", Course::Normal, false}, Run{"LLLLLL", Course::Normal, true},
                      Run{"LRL", Course::Normal, false}, Run{"LLRLLL", Course::Normal, true}, Run{"LxL", Course::Normal, true},
                      Run{"DDLL", Course::Another, true}),
    [](const ::testing::TestParamInfo<Run>& info) { return *info.param.keys ? std::string(info.param.keys) : std::string("None"); });
