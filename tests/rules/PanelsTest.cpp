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

struct FlipRow {
    int panel;
    const char* fromAllBlue;
};
void PrintTo(const FlipRow& r, std::ostream* os) { *os << "panel " << r.panel; }
class PanelFlips : public ::testing::TestWithParam<FlipRow> {};
}  // namespace

TEST_P(PanelFlips, TurnThePanelAndItsNeighboursButNoDiagonalsAndASecondClickTurnsThemBack)
{
    const Board once = Flip(AllBlue(), GetParam().panel);
    EXPECT_EQ(Text(once), GetParam().fromAllBlue);
    EXPECT_EQ(Text(Flip(once, GetParam().panel)), "BBBBBBBBB");
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelFlips,
                         ::testing::Values(FlipRow{1, "RRBRBBBBB"}, FlipRow{2, "RRRBRBBBB"}, FlipRow{3, "BRRBBRBBB"},
                                           FlipRow{4, "RBBRRBRBB"}, FlipRow{5, "BRBRRRBRB"}, FlipRow{6, "BBRBRRBBR"},
                                           FlipRow{7, "BBBRBBRRB"}, FlipRow{8, "BBBBRBRRR"}, FlipRow{9, "BBBBBRBRR"}),
                         [](const ::testing::TestParamInfo<FlipRow>& info) { return "Panel" + std::to_string(info.param.panel); });

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
