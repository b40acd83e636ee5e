#include "rules/Hints.h"

#include <gtest/gtest.h>

// The hint of every stage the game sets is checked by the whole games; here the stages it
// never sets, and the course rows off the straight road.
TEST(Hints, OnlyStagesTheGameSetsHaveAHintAndTheCourseIsComparedExactly)
{
    for (int stage : {0, 9, 14, 16, 19, 22, 29, 32, 39, 45, 100})
        EXPECT_FALSE(HintFor(static_cast<std::int16_t>(stage), "NORMAL")) << stage;
    EXPECT_EQ(HintFor(31, "another")->upperLine, "コツはなし。気合のみ");
    EXPECT_EQ(HintFor(41, "another")->upperLine, "逆から読むと・・・");
    EXPECT_EQ(RiddleFor("another"), "");
}
