// The main window's screens off the straight road: a declined surrender, a surrender at a
// stage without a hint, and the stage advances.
#include "GameTest.h"

class Screens : public GameTest {
protected:
    void atStage(int stage)
    {
        startRun();
        G.stage = static_cast<std::int16_t>(stage);
        fake.boxes.clear();
        fake.pauses.clear();
    }
};

TEST_F(Screens, ASurrenderCarriesOnTheCountFromTheFile)
{
    writeFile("NP2.INI", RecordFile(9));
    atStage(10);
    fake.answers = {Answer::Yes};
    EXPECT_TRUE(Ends([] { mainWindow->surrender(); }));
    EXPECT_EQ(fake.pauses, std::vector<int>{3000});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                                      MessageKind::Information}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
}

TEST_F(Screens, ADeclinedSurrenderChangesNothing)
{
    atStage(12);
    mainWindow->surrenderButton.setEnabled(true);
    EXPECT_FALSE(Ends([] { mainWindow->surrender(); }));  // No is the default answer
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion}}));
    EXPECT_FALSE(G.surrendered || G.surrenderCount != 0);
    EXPECT_TRUE(mainWindow->isEnabled() && mainWindow->surrenderButton.isVisible());
    EXPECT_EQ(mainWindow->caption(), "ぬるぴか");
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
}

TEST_F(Screens, AStageWithoutAHintGoesStraightToTheCount)
{
    atStage(14);
    fake.answers = {Answer::Yes};
    fake.onBox = [](const Box& box) {
        if (box.kind != MessageKind::Information)
            return;  // behind the count: a teal, disabled window without buttons, caption unchanged
        EXPECT_EQ(mainWindow->backColor(), kTeal);
        EXPECT_EQ(mainWindow->caption(), "ぬるぴか");
        EXPECT_FALSE(mainWindow->isEnabled() || mainWindow->exitButtons[0].isVisible() || mainWindow->surrenderButton.isVisible());
    };
    EXPECT_TRUE(Ends([] { mainWindow->surrender(); }));
    EXPECT_TRUE(fake.pauses.empty());
    EXPECT_EQ(fake.boxes.size(), 2u);
}

TEST_F(Screens, StageAdvancesCloseThePuzzleAndBringTheMainWindowBack)
{
    struct Step {
        void (MainWindow::*advance)();
        Window* puzzle;
        WindowSlotBase& slot;
        int stage;
        Color colour;
        const char* problem;
    };
    startRun();
    for (const Step& s : {Step{&MainWindow::advanceToProblem2, &*panelsWindow, panelsWindow, 20, Rgb(113, 62, 73), "問題２"},
                          Step{&MainWindow::advanceToProblem3, &*quizWindow, quizWindow, 30, Rgb(13, 24, 115), "問題３"},
                          Step{&MainWindow::advanceToLastStage, &*stopwatchWindow, stopwatchWindow, 40, Rgb(86, 124, 51), "終了"}}) {
        mainWindow->hide();
        s.puzzle->show();
        RunAsHandler([&] { ((*mainWindow).*s.advance)(); });  // from the puzzle window's own handler
        const MainWindow& w = *mainWindow;
        EXPECT_EQ(G.stage, s.stage);
        EXPECT_FALSE(s.slot.isLoaded());  // closed, not hidden
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.backColor(), s.colour);
        EXPECT_FALSE(w.exitButtons[0].isVisible() || w.exitButtons[1].isVisible());
        EXPECT_TRUE(w.surrenderButton.isVisible() && w.surrenderButton.isEnabled());
        EXPECT_EQ(w.problemButton.text(), s.problem);
        EXPECT_EQ(w.problemButton.isEnabled(), s.stage != 40);
        EXPECT_EQ(w.switchButton.isVisible() && w.switchButton.isEnabled(), s.stage == 40);
        EXPECT_EQ(w.caption(), "ぬるぴか");
    }
}
