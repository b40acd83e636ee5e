// The main window: the opening, the exit buttons' meeting, the version window, the
// refusal to close, and what it does when the windows it opens say they are done.
#include "GameTest.h"

#include "gui/Label.h"

#include <QMenu>
#include <QTest>

class MainWindowTest : public GameTest {
protected:
    Window& main() { return *Opened("mainWindow"); }
};

TEST_F(MainWindowTest, TheOpeningAsksWithTheFocusOnNoAndTimeAttackShowsTheCoursesBestTime)
{
    writeFile("NP2.INI", RecordFile(0, 0, "50", "9999"));
    for (bool timeAttack : {false, true}) {
        ResetWindows();
        playTo(Stage::kOpening, timeAttack ? Course::Another : Course::Normal, timeAttack);
        EXPECT_EQ(main().windowTitle(), "Welcome to ぬるぴか");
        EXPECT_EQ(Text("mainWindow", "upperLine") + "|" + Text("mainWindow", "lowerLine"), "やめるなら今のうちよ|やめとく？");
        EXPECT_EQ(Find<Label>("mainWindow", "upperLine")->textColor(), kCyan);
        EXPECT_EQ(Text("mainWindow", "courseLabel"), timeAttack ? "ANOTHER" : "NORMAL");
        EXPECT_EQ(Shown("mainWindow", {"upperLine", "lowerLine", "courseLabel", "timeAttackLabel", "bestTimeLabel"}), timeAttack ? "11111" : "11100");
        EXPECT_EQ(Shown("mainWindow", {"yesButton", "noButton", "problemButton", "surrenderButton", "exitButton0"}), "11000");
        EXPECT_EQ(Text("mainWindow", "bestTimeLabel"), "BEST TIME 9999 秒");  // with time attack ANOTHER's own, not NORMAL's 50
        EXPECT_EQ(main().focusWidget(), Find("mainWindow", "noButton"));
        EXPECT_FALSE(Find<QAction>("mainWindow", "blankMenu")->isVisible());
    }
}

TEST_F(MainWindowTest, ButtonsThatMeetOfferAttackOnlyAfterLockAndAttackLetsTheProblemButtonBePressed)
{
    playTo(Stage::kExitsPressed);  // 0 and 3
    Click("mainWindow", "exitButton1");
    Click("mainWindow", "exitButton1");
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet at 0 and 12, but nothing is locked yet
    Click("mainWindow", "exitButton1");
    const QAction *blank = Find<QAction>("mainWindow", "blankMenu"), *lock = Find<QAction>("mainWindow", "lockItem"),
                  *attack = Find<QAction>("mainWindow", "attackItem");
    EXPECT_EQ(QString("%1%2%3").arg(blank->isVisible()).arg(lock->isVisible()).arg(attack->isVisible()), "110");
    Choose("mainWindow", "lockItem");
    fake.scriptDigits("1000" "2000" "1100" "2500");
    Click("mainWindow", "exitButton0");
    EXPECT_EQ(Find("mainWindow", "exitButton1")->pos(), QPoint(167, 73));  // 2500 and 1100 twips, to the nearest pixel
    EXPECT_EQ(QString("%1%2%3").arg(blank->isVisible()).arg(lock->isEnabled()).arg(attack->isVisible()), "101");
    EXPECT_EQ(Enabled("mainWindow", {"problemButton"}), "0");
    Choose("mainWindow", "attackItem");
    EXPECT_EQ(Enabled("mainWindow", {"problemButton"}), "1");
}

TEST_F(MainWindowTest, TheVersionWindowOpensBesideItOnceAndClosesByOkOrThePlayer)
{
    playTo(Stage::kExitsPressed);
    Choose("mainWindow", "versionItem");
    const Window* version = Opened("versionWindow");
    Choose("mainWindow", "versionItem");
    EXPECT_EQ(Opened("versionWindow"), version);
    EXPECT_TRUE(version->isVisible() && main().isVisible());
    Click("versionWindow", "okButton");
    EXPECT_FALSE(Opened("versionWindow"));
    Choose("mainWindow", "versionItem");
    PlayerCloses(Opened("versionWindow"));  // no close box, but an about box closes for the player
    EXPECT_FALSE(Opened("versionWindow"));
}

TEST_F(MainWindowTest, ClosesOnlyForTheGamesOwnWaysOut)
{
    const Box refusal{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning};
    playTo(Stage::kOpening);
    fake.boxes.clear();
    PlayerCloses(&main());  // the close box, Alt+F4 or the window manager
    Choose("mainWindow", "closeItem");  // 終了(&X)
    EXPECT_EQ(fake.boxes, (std::vector<Box>{refusal, refusal}));
    main().setTakesInput(false);  // as during the surrender's pause
    PlayerCloses(&main());
    EXPECT_EQ(fake.boxes.size(), 2u);
    EXPECT_TRUE(static_cast<Window&>(main()).mayClose(CloseReason::SessionEnd));  // a log-off then ends the program
    EXPECT_TRUE(Opened("mainWindow"));
}

// Each puzzle solved closes itself; the main window comes back in its colour with the next
// problem. The panels' time-out brings it back as it was.
TEST_F(MainWindowTest, APuzzleSolvedBringsTheMainWindowBackInItsColourWithTheNextProblem)
{
    const std::tuple<std::int16_t, QColor, const char*> advances[] = {
        {Stage::kPanelsSolved, QColor(113, 62, 73), "問題２"}, {Stage::kQuizSolved, QColor(13, 24, 115), "問題３"}, {Stage::kLastTrick, QColor(86, 124, 51), "終了"}};
    for (const auto& [stage, colour, problem] : advances) {
        ResetWindows();
        playTo(stage);
        EXPECT_FALSE(Opened("panelsWindow") || Opened("quizWindow") || Opened("stopwatchWindow"));  // closed, not hidden
        EXPECT_EQ(main().backColor(), colour);
        EXPECT_EQ(Text("mainWindow", "problemButton"), problem);
        const bool last = stage == Stage::kLastTrick;
        EXPECT_TRUE(main().isVisible());
        EXPECT_EQ(Shown("mainWindow", {"exitButton0", "exitButton1", "surrenderButton", "switchButton"}), last ? "0011" : "0010");
        EXPECT_EQ(Enabled("mainWindow", {"surrenderButton", "problemButton", "switchButton"}), last ? "101" : "111");
    }
}

TEST_F(MainWindowTest, ThePanelsTimeOutBringsItBackAtTheSameStageAndAFailedQuizIsMadeAfresh)
{
    playTo(Stage::kPanelsOpen);
    Click("panelsWindow", "startButton");
    RunOut("panelsWindow", "timeLimit");
    EXPECT_TRUE(main().isVisible());
    Click("mainWindow", "problemButton");  // the panels again
    EXPECT_TRUE(Opened("panelsCard"));
    ResetWindows();
    playTo(Stage::kQuizOpen);
    const Window* failed = Opened("quizWindow");
    RunOut("quizWindow", "timeLimit");
    EXPECT_NE(Opened("quizWindow"), failed);
    EXPECT_EQ(Shown("quizWindow", {"startButton", "answerButton"}) + Enabled("quizWindow", {"startButton"}), "101");
    EXPECT_TRUE(Opened("quizWindow")->isVisible());
    EXPECT_FALSE(main().isVisible());
}
