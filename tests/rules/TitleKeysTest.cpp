#include "rules/TitleKeys.h"

#include <gtest/gtest.h>

TEST(TitleKeys, RunsOfArrowKeysChooseTheCourseAndTimeAttack)
{
    // D U L R for the arrows, x for any other key; then N or A for the course, 1 for time attack
    const char* rows[][2] = {{"", "N0"},      {"DD", "A0"},    {"DDD", "A0"},    {"DUD", "N0"},    {"DDUUUU", "N0"}, {"DDUUU", "A0"},
                             {"UUUDDU", "A0"}, {"DxD", "A0"},  {"LL", "N1"},     {"LLL", "N1"},    {"LLLL", "N0"},   {"LLLLLL", "N1"},
                             {"LRL", "N0"},   {"LLRLLL", "N1"}, {"LxL", "N1"},   {"DDLL", "A1"}};
    for (const auto& [keys, chosen] : rows) {
        TitleKeyRuns runs;
        Course course = Course::Normal;
        bool timeAttack = false;
        for (const char* k = keys; *k; ++k)
            CountTitleKey(*k == 'D' ? Qt::Key_Down : *k == 'U' ? Qt::Key_Up : *k == 'L' ? Qt::Key_Left : *k == 'R' ? Qt::Key_Right : Qt::Key_X, runs, course,
                          timeAttack);
        EXPECT_EQ(std::string(course == Course::Another ? "A" : "N") + (timeAttack ? "1" : "0"), chosen) << '"' << keys << '"';
    }
}
