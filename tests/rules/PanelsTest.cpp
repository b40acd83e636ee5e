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

TEST(Panels, AClickFlipsThePanelAndItsNeighboursTheGoalIsAllRedAScrambleIsRandom)
{
    const char* fromAllBlue[] = {"RRBRBBBBB", "RRRBRBBBB", "BRRBBRBBB", "RBBRRBRBB", "BRBRRRBRB",
                                 "BBRBRRBBR", "BBBRBBRRB", "BBBBRBRRR", "BBBBBRBRR"};
    for (int panel = 1; panel <= 9; ++panel) {
        const Board once = Flip(AllBlue(), panel);
        EXPECT_EQ(Text(once), fromAllBlue[panel - 1]) << panel;
        EXPECT_EQ(Text(Flip(once, panel)), "BBBBBBBBB") << panel;
    }
    Board board = AllBlue();
    for (int panel : {1, 3, 7, 9}) {
        board = Flip(board, panel);
        EXPECT_FALSE(AllRed(board));
    }
    EXPECT_TRUE(AllRed(Flip(board, 5)));
    // a scramble reseeds per panel and takes even digits as blue
    FakeServices fake;
    ServicesGuard guard(fake);
    fake.scriptDigits("012345678" "135797531");
    EXPECT_EQ(Text(Scramble()), "BRBRBRBRB");
    EXPECT_EQ(fake.reseeds, 9);
    EXPECT_EQ(Text(Scramble()), "RRRRRRRRR");  // all red is a possible scramble
}
