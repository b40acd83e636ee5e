// The nine panels as board strings, row by row from the top left: B blue, R red.
#include "rules/Panels.h"

#include "FakeServices.h"

#include <gtest/gtest.h>

namespace {
Board Of(const char* panels)
{
    Board board{};
    for (size_t i = 0; i < board.size(); ++i)
        board[i] = panels[i] == 'R' ? PanelColour::Red : PanelColour::Blue;
    return board;
}

std::string Panels(const Board& board)
{
    std::string s;
    for (PanelColour p : board)
        s += p == PanelColour::Red ? 'R' : 'B';
    return s;
}
}  // namespace

TEST(Panels, AClickFlipsThePanelAndThoseAboveLeftRightAndBelowNeverDiagonals)
{
    const std::tuple<int, const char*, const char*> rows[] = {{1, "BBBBBBBBB", "RRBRBBBBB"}, {5, "BBBBBBBBB", "BRBRRRBRB"},
                                                              {9, "BBBBBBBBB", "BBBBBRBRR"}, {3, "RRRRRRRRR", "RBBRRBRRR"},
                                                              {4, "RBRBRBRBR", "BBRRBBBBR"}, {8, "BBBBBBBBB", "BBBBRBRRR"}};
    for (const auto& [panel, before, after] : rows)
        EXPECT_EQ(Panels(Flip(Of(before), panel)), after) << panel << " on " << before;
    EXPECT_EQ(Panels(AllBlue()), "BBBBBBBBB");
}

TEST(Panels, OnlyNineRedPanelsAreAllRed)
{
    for (const auto& [panels, allRed] : {std::pair<const char*, bool>{"RRRRRRRRR", true}, {"RRRRRRRRB", false}, {"BRRRRRRRR", false}, {"RRRRBRRRR", false}})
        EXPECT_EQ(AllRed(Of(panels)), allRed) << panels;
}

TEST(Panels, AScrambleDrawsADigitForEachPanelReseededEachTimeAndAnOddDigitIsRed)
{
    FakeServices random;
    random.scriptDigits("012345678");
    EXPECT_EQ(Panels(Scramble(random)), "BRBRBRBRB");
    EXPECT_EQ(random.reseeds, 9);
    random.scriptDigits("999999999");
    EXPECT_EQ(Panels(Scramble(random)), "RRRRRRRRR");
}

TEST(Panels, TheCardTellsTheTimeLimitTheClockKeeps)
{
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Normal), 20);
    EXPECT_EQ(PanelsStartText(Course::Normal), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）");
    EXPECT_EQ(PanelsTimeLimitSeconds(Course::Another), 10);
    EXPECT_EQ(PanelsStartText(Course::Another), "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）");
}
