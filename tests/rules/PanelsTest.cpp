#include "rules/Panels.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

namespace {
// A board as "RRBRBBBBB", panel 1 first.
QString Text(const Board& board)
{
    QString s;
    for (PanelColour c : board)
        s += c == PanelColour::Red ? 'R' : 'B';
    return s;
}
}  // namespace

TEST(Panels, AClickTurnsThePanelAndItsNeighboursButNoDiagonalsAndASecondClickTurnsThemBack)
{
    const char* fromAllBlue[] = {"RRBRBBBBB", "RRRBRBBBB", "BRRBBRBBB", "RBBRRBRBB", "BRBRRRBRB",
                                 "BBRBRRBBR", "BBBRBBRRB", "BBBBRBRRR", "BBBBBRBRR"};
    for (int panel = 1; panel <= 9; ++panel) {
        EXPECT_EQ(Text(Flip(AllBlue(), panel)), fromAllBlue[panel - 1]) << "panel " << panel;
        EXPECT_EQ(Text(Flip(Flip(AllBlue(), panel), panel)), "BBBBBBBBB") << "panel " << panel;
    }
    EXPECT_FALSE(AllRed(Flip(AllBlue(), 5)));
    EXPECT_TRUE(AllRed(Flip(Flip(Flip(Flip(Flip(AllBlue(), 1), 3), 7), 9), 5)));
}

TEST(Panels, AScrambleReseedsPerPanelAndTakesEvenDigitsAsBlue)
{
    FakeServices random;
    random.scriptDigits("012345678" "135797531");
    EXPECT_EQ(Text(Scramble(random)), "BRBRBRBRB");
    EXPECT_EQ(random.reseeds, 9);
    EXPECT_EQ(Text(Scramble(random)), "RRRRRRRRR");  // all red is a possible scramble
}

TEST(Panels, TheCardTellsTheTimeLimitTheClockKeeps)
{
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Normal), 20);
    EXPECT_EQ(PanelsStartText(Course::Normal), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）");
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Another), 10);
    EXPECT_EQ(PanelsStartText(Course::Another), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）");
}
