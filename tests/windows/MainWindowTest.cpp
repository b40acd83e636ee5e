// The main window: the opening, the exit buttons' meeting, the version window, the refusal to close.
#include "GameTest.h"


class MainWindowTest : public GameTest {};

TEST_F(MainWindowTest, TheOpeningAsksWithTheFocusOnNoAndTimeAttackShowsTheCoursesBestTime)
{
    writeFile("NP2.INI", RecordFile(0, 0, "50", "9999"));
    for (bool timeAttack : {false, true}) {
        ResetWindows();
        playTo(Stage::kOpening, timeAttack ? Course::Another : Course::Normal, timeAttack);
        const MainWindow& w = *mainWindow;
        EXPECT_EQ(w.windowTitle(), "Welcome to ぬるぴか");
        EXPECT_EQ(w.upperLine->text(), "やめるなら今のうちよ");
        EXPECT_EQ(w.lowerLine->text(), "やめとく？");
        EXPECT_EQ(w.upperLine->textColor(), kCyan);
        EXPECT_EQ(w.courseLabel->text(), timeAttack ? "ANOTHER" : "NORMAL");
        EXPECT_EQ(Shown({w.upperLine, w.lowerLine, w.courseLabel, w.timeAttackLabel, w.bestTimeLabel}), timeAttack ? "11111" : "11100");
        EXPECT_EQ(Shown({w.yesButton, w.noButton, w.problemButton, w.surrenderButton, w.exitButtons[0]}), "11000");
        if (timeAttack) {
            EXPECT_EQ(w.bestTimeLabel->text(), "BEST TIME 9999 秒");  // ANOTHER's own, not NORMAL's 50
        }
        EXPECT_EQ(w.focusWidget(), w.noButton);
        EXPECT_FALSE(w.blankMenu->isVisible());
    }
}

TEST_F(MainWindowTest, ButtonsThatMeetOfferAttackOnlyAfterLock)
{
    startRun();
    MainWindow& w = *mainWindow;
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet, but nothing is locked yet
    w.onExitClicked(1);
    EXPECT_FALSE(w.blankMenu->isVisible());
    w.onLockChosen();
    fake.scriptDigits("1000" "2000" "1100" "2500");
    w.onExitClicked(1);
    EXPECT_EQ(w.exitButtons[1]->pos(), QPoint(167, 73));  // 2500 and 1100 twips, to the nearest pixel
    EXPECT_TRUE(w.attackItem->isVisible());
    EXPECT_FALSE(w.lockItem->isEnabled());
    w.onAttackChosen();
    EXPECT_TRUE(w.problemButton->isEnabled());
}

TEST_F(MainWindowTest, TheVersionWindowOpensBesideItOnceAndClosesByOkOrThePlayer)
{
    startRun();
    mainWindow->versionItem->trigger();
    const VersionWindow* version = &*mainWindow->versionWindow;
    mainWindow->versionItem->trigger();
    EXPECT_EQ(&*mainWindow->versionWindow, version);
    EXPECT_EQ(Shown({version, &*mainWindow}), "11");
    Click(mainWindow->versionWindow->okButton);
    EXPECT_FALSE(mainWindow->versionWindow.isLoaded());
    mainWindow->versionItem->trigger();
    PlayerCloses(&*mainWindow->versionWindow);  // no close box, but an about box closes for the player
    EXPECT_FALSE(mainWindow->versionWindow.isLoaded());
}

TEST_F(MainWindowTest, ClosesOnlyForTheGamesOwnWaysOut)
{
    const Box refusal{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning};
    struct Close {
        const char* name;
        CloseReason reason;
        bool GameState::*flag;  // set before the close; none for the game in play
        bool closes, refused;   // refused with "だめだめ"
    };
    for (const Close& c : {Close{"PlayerDuringPlay", CloseReason::Player, nullptr, false, true},
                           Close{"MenuDuringPlay", CloseReason::Program, nullptr, false, true},
                           Close{"LogOff", CloseReason::SessionEnd, nullptr, true, false},
                           Close{"PlayerAfterSurrender", CloseReason::Player, &GameState::surrendered, true, false},
                           Close{"GameAborting", CloseReason::Program, &GameState::aborting, true, false},
                           Close{"PlayerWhileTheWindowTakesNoInput", CloseReason::Player, nullptr, false, false},
                           // the ending finishes by itself: the player's close waits for it
                           Close{"PlayerDuringTheEnding", CloseReason::Player, &GameState::gameCleared, false, false}}) {
        ResetWindows();
        G = GameState{};
        playTo(Stage::kOpening);
        fake.boxes.clear();
        if (c.flag)
            G.*c.flag = true;
        mainWindow->setTakesInput(std::string(c.name) != "PlayerWhileTheWindowTakesNoInput");  // as during the surrender's pause
        bool closes = false;
        if (c.reason == CloseReason::Player)
            PlayerCloses(&*mainWindow);  // the close box, Alt+F4 or the window manager
        else if (c.reason == CloseReason::Program)
            mainWindow->closeItem->trigger();  // 終了(&X)
        else
            closes = mainWindow->mayClose(CloseReason::SessionEnd);  // a log-off then ends the program
        EXPECT_EQ(closes || !mainWindow.isLoaded(), c.closes) << c.name;
        EXPECT_EQ(fake.boxes, c.refused ? std::vector<Box>{refusal} : std::vector<Box>()) << c.name;
    }
}
