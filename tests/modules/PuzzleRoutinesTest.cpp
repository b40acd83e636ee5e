// The nine panels: the flip table, the check and the scramble.
#include "modules/Module3.h"

#include "GameTest.h"

namespace {
// The grid as a string of B and R, panel 1 first.
QString Grid()
{
    QString s;
    for (int n = 1; n <= 9; ++n)
        s += Form3->Panel(n).BackColor() == vbRed ? 'R' : Form3->Panel(n).BackColor() == vbBlue ? 'B' : '?';
    return s;
}

void SetGrid(const QString& s)
{
    for (int n = 1; n <= 9; ++n)
        Form3->Panel(n).SetBackColor(s[n - 1] == 'R' ? vbRed : vbBlue);
}
}  // namespace

struct Flip {
    int panel;
    const char* after;  // from all blue
};

void PrintTo(const Flip& f, std::ostream* os) { *os << "panel " << f.panel; }

class FlipTable : public GameTest, public ::testing::WithParamInterface<Flip> {};

TEST_P(FlipTable, AClickFlipsThePanelAndItsNeighboursAndASecondRestoresThem)
{
    Form3->Show();
    EXPECT_EQ(Grid(), "BBBBBBBBB");
    Form3->PanelClick(GetParam().panel);
    EXPECT_EQ(Grid(), GetParam().after);
    Form3->PanelClick(GetParam().panel);
    EXPECT_EQ(Grid(), "BBBBBBBBB");
}

INSTANTIATE_TEST_SUITE_P(NinePanels, FlipTable,
                         ::testing::Values(Flip{1, "RRBRBBBBB"}, Flip{2, "RRRBRBBBB"}, Flip{3, "BRRBBRBBB"},
                                           Flip{4, "RBBRRBRBB"}, Flip{5, "BRBRRRBRB"}, Flip{6, "BBRBRRBBR"},
                                           Flip{7, "BBBRBBRRB"}, Flip{8, "BBBBRBRRR"}, Flip{9, "BBBBBRBRR"}));

class NinePanels : public GameTest {};

TEST_F(NinePanels, AnyColourButBlueFlipsToBlue)
{
    Form3->Show();
    Form3->Panel(5).SetBackColor(vbMagenta);
    Form3->PanelClick(5);
    EXPECT_EQ(Form3->Panel(5).BackColor(), vbBlue);
    EXPECT_EQ(Form3->Panel(2).BackColor(), vbRed);
}

TEST_F(NinePanels, StopIsEnabledExactlyWhenAllNineAreRed)
{
    Form3->Show();
    SetGrid("RRRRRRRRB");
    CheckPanels();
    EXPECT_FALSE(Form3->Command1.Enabled());
    SetGrid("RBRBBBRBR");  // the centre click turns this all red
    Form3->PanelClick(5);
    EXPECT_EQ(Grid(), "RRRRRRRRR");
    EXPECT_TRUE(Form3->Command1.Enabled());
    Form3->PanelClick(1);
    EXPECT_FALSE(Form3->Command1.Enabled());
}

TEST_F(NinePanels, ScrambleReseedsPerPanelAndTakesEvenDigitsAsBlue)
{
    Form3->Show();
    fake.ScriptDigits("012345678");
    ScramblePanels();
    EXPECT_EQ(Grid(), "BRBRBRBRB");
    EXPECT_EQ(fake.randomizes, 9);
    fake.ScriptDigits("135797531");
    ScramblePanels();
    EXPECT_EQ(Grid(), "RRRRRRRRR");  // all red is a possible scramble...
    EXPECT_FALSE(Form3->Command1.Enabled());  // ...but only a click checks the panels
    fake.ScriptDigits("024680246");
    ScramblePanels();
    EXPECT_EQ(Grid(), "BBBBBBBBB");
}
