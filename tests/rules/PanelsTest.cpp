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
Board FromText(const char* text)
{
    Board board = AllBlue();
    for (size_t i = 0; i < board.size(); ++i)
        board[i] = text[i] == 'R' ? PanelColour::Red : PanelColour::Blue;
    return board;
}
}  // namespace

TEST(Panels, AClickFlipsThePanelAndItsNeighboursAndASecondRestoresThem)
{
    const char* fromAllBlue[] = {"RRBRBBBBB", "RRRBRBBBB", "BRRBBRBBB", "RBBRRBRBB", "BRBRRRBRB",
                                 "BBRBRRBBR", "BBBRBBRRB", "BBBBRBRRR", "BBBBBRBRR"};
    for (int panel = 1; panel <= 9; ++panel) {
        const Board once = Flip(AllBlue(), panel);
        EXPECT_EQ(Text(once), fromAllBlue[panel - 1]) << panel;
        EXPECT_EQ(Text(Flip(once, panel)), "BBBBBBBBB") << panel;
    }
}

TEST(Panels, AllRedOnlyWhenAllNineAreRed)
{
    EXPECT_FALSE(AllRed(FromText("RRRRRRRRB")));
    const Board solved = Flip(FromText("RBRBBBRBR"), 5);
    EXPECT_TRUE(AllRed(solved));
    EXPECT_FALSE(AllRed(Flip(solved, 1)));
}

TEST(Panels, ScrambleReseedsPerPanelAndTakesEvenDigitsAsBlue)
{
    FakeServices fake;
    ServicesGuard guard(fake);
    fake.scriptDigits("012345678");
    EXPECT_EQ(Text(Scramble()), "BRBRBRBRB");
    EXPECT_EQ(fake.reseeds, 9);
    fake.scriptDigits("135797531");
    EXPECT_EQ(Text(Scramble()), "RRRRRRRRR");  // all red is a possible scramble
}
