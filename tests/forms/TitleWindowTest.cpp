// The title window: the hidden course and time-attack choice, and the hand-over.
#include "GameTest.h"

#include <QLabel>

struct KeyRun {
    const char* keys;  // D U L R for the arrows, x for any other key
    const char* course;
    bool timeAttack;
};

void PrintTo(const KeyRun& k, std::ostream* os) { *os << '"' << k.keys << '"'; }

class TitleKeys : public GameTest, public ::testing::WithParamInterface<KeyRun> {};

TEST_P(TitleKeys, ChooseCourseAndTimeAttack)
{
    Form0->Show();
    for (const char* k = GetParam().keys; *k; ++k) {
        const int code = *k == 'D' ? 40 : *k == 'U' ? 38 : *k == 'L' ? 37 : *k == 'R' ? 39 : 65;
        Form0->Form_KeyUp(code, 0);
    }
    EXPECT_EQ(G.Course, GetParam().course);
    EXPECT_EQ(G.TimeAttack, GetParam().timeAttack);
}

INSTANTIATE_TEST_SUITE_P(TitleWindow, TitleKeys,
                         ::testing::Values(KeyRun{"", "NORMAL", false}, KeyRun{"DD", "ANOTHER", false},
                                           KeyRun{"DDD", "ANOTHER", false}, KeyRun{"DUD", "NORMAL", false},
                                           KeyRun{"DDUUUU", "NORMAL", false}, KeyRun{"DDUUU", "ANOTHER", false},
                                           KeyRun{"DDUUUUU", "NORMAL", false}, KeyRun{"DxD", "ANOTHER", false},
                                           KeyRun{"LL", "NORMAL", true}, KeyRun{"LLL", "NORMAL", true},
                                           KeyRun{"LLLL", "NORMAL", false}, KeyRun{"LLLLL", "NORMAL", false},
                                           KeyRun{"LLLLLL", "NORMAL", true}, KeyRun{"LRL", "NORMAL", false},
                                           KeyRun{"LLR", "NORMAL", true}, KeyRun{"LLRLLL", "NORMAL", true},
                                           KeyRun{"LxL", "NORMAL", true}, KeyRun{"DDLL", "ANOTHER", true}));
