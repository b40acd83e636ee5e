// The surrender outside the road of a game, and the stage advances.
#include "modules/Module2.h"

#include "GameTest.h"

class SurrenderTest : public GameTest {
protected:
    void AtStage(int stage)
    {
        StartRun();
        G.Stage = static_cast<std::int16_t>(stage);
        fake.boxes.clear();
        fake.sleeps.clear();
    }
};

TEST_F(SurrenderTest, TheOpeningsRowSetsBothLinesAndTheCountCarriesOnFromTheFile)
{
    WriteFile("NP2.INI", RecordFile(9, 0, "9999", "9999"));
    AtStage(10);
    fake.answers = {rt::vbYes};
    fake.onSleep = [](int) {
        EXPECT_EQ(Form1->Caption(), "ｸﾘｱ度 0%");
        EXPECT_EQ(Form1->Label1.Caption() + "/" + Form1->Label2.Caption(), "とりあえずクリックできるところは/クリックしてみるべし");
        EXPECT_TRUE(Form1->Label2.Visible() && Form1->Label2.ForeColor() == vbCyan);
    };
    EXPECT_TRUE(Ends(Surrender));
    EXPECT_EQ(fake.sleeps, std::vector<int>{3000});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", 64}));
    EXPECT_NE(ReadFile("NP2.INI").find("[Kousan]\r\nKaisu=10\r\n"), std::string::npos);
}

TEST_F(SurrenderTest, DeclinedChangesNothing)
{
    AtStage(12);
    Form1->Command2.SetEnabled(true);
    EXPECT_FALSE(Ends(Surrender));  // No is the default answer
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"降参？", "本当に降参しちゃうの？", 292}}));
    EXPECT_FALSE(G.Surrendered || G.SurrenderCount != 0);
    EXPECT_TRUE(Form1->Enabled() && Form1->Command2.Visible());
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    EXPECT_EQ(ReadFile("NP2.INI"), DefaultRecordFile());
}

TEST_F(SurrenderTest, AStageWithoutARowGoesStraightToTheCount)
{
    AtStage(14);
    fake.answers = {rt::vbYes};
    fake.onBox = [](const Box& box) {
        if (box.style != 64)
            return;  // behind the count box: a teal, disabled window without buttons, caption unchanged
        EXPECT_EQ(Form1->BackColor(), 0x808000u);
        EXPECT_EQ(Form1->Caption(), "ぬるぴか");
        EXPECT_FALSE(Form1->Enabled() || Form1->Command1[0].Visible() || Form1->Command2.Visible());
    };
    EXPECT_TRUE(Ends(Surrender));
    EXPECT_TRUE(fake.sleeps.empty());
    EXPECT_EQ(fake.boxes.size(), 2u);
}

TEST_F(SurrenderTest, HintsDependOnTheStageAndForTwoRowsOnTheCourse)
{
    EXPECT_EQ(HintFor(31, "NORMAL").label1, "コツはなし。気合のみ");
    EXPECT_EQ(HintFor(31, "normal").label1, "コツはなし。気合のみ");
    EXPECT_EQ(HintFor(31, "ANOTHER").label1, "一生懸命狙っても無駄かも？");
    EXPECT_EQ(HintFor(41, "ANOTHER").label1, "NORMAL＋αが必要だ");
    for (int stage : {0, 9, 14, 16, 19, 22, 29, 32, 39, 45, 100})
        EXPECT_TRUE(HintFor(static_cast<std::int16_t>(stage), "NORMAL").rate.isEmpty()) << stage;
}

TEST_F(SurrenderTest, StageAdvancesRearrangeTheMainWindow)
{
    struct Step {
        void (*advance)();
        rt::FormSlot& puzzle;
        int stage;
        Color colour;
        const char* problem;
    };
    StartRun();
    for (const Step& s : {Step{AdvanceToProblem2, Form3, 20, RGB(113, 62, 73), "問題２"},
                          Step{AdvanceToProblem3, Form6, 30, RGB(13, 24, 115), "問題３"},
                          Step{AdvanceToEnd, Form7, 40, RGB(86, 124, 51), "終了"}}) {
        Form1->Hide();
        Form& puzzle = s.stage == 20 ? static_cast<Form&>(*Form3) : s.stage == 30 ? static_cast<Form&>(*Form6) : *Form7;
        puzzle.Show();
        rt::Dispatch(s.advance);  // from the puzzle window's own handler
        EXPECT_EQ(G.Stage, s.stage);
        EXPECT_FALSE(s.puzzle.IsLoaded());  // unloaded, not hidden
        EXPECT_TRUE(Form1->Visible());
        EXPECT_EQ(Form1->BackColor(), s.colour);
        EXPECT_FALSE(Form1->Command1[0].Visible() || Form1->Command1[1].Visible());
        EXPECT_TRUE(Form1->Command2.Visible() && Form1->Command2.Enabled());
        EXPECT_EQ(Form1->Command3.Caption(), s.problem);
        EXPECT_EQ(Form1->Command3.Enabled(), s.stage != 40);
        EXPECT_EQ(Form1->Command6.Visible() && Form1->Command6.Enabled(), s.stage == 40);
        EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    }
}
