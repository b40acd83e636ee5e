// The main window: the opening, what the exit buttons and the problem button change on
// it, the switch, the refusal to close.
#include "GameTest.h"

#include <QMenuBar>
#include <QTest>

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

TEST_F(MainWindowTest, TheScoresOfferTheSurrenderAndTheProblemButton)
{
    startRun();
    MainWindow& w = *mainWindow;
    EXPECT_EQ(w.windowTitle(), "ぬるぴか");
    EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.upperLine}), "11100");
    w.onExitClicked(1);  // 0 and 3
    EXPECT_EQ(Enabled({w.surrenderButton}), "1");
    EXPECT_TRUE(w.surrenderItem->isVisible());
    EXPECT_TRUE(w.helpSeparator->isVisible());
    for (int b : {0, 0, 0, 1})  // 6 and 6
        w.onExitClicked(b);
    EXPECT_EQ(Shown({w.problemButton}) + Enabled({w.problemButton}), "10");
    EXPECT_TRUE(w.blankMenu->isVisible());
    EXPECT_EQ(w.lockItem->isVisible(), !w.attackItem->isVisible());
    EXPECT_GE(w.menuBar()->actionGeometry(w.blankMenu).width(), QFontMetrics(w.menuBar()->font()).horizontalAdvance("  "));
    w.onExitClicked(0);  // 8 and 6
    EXPECT_EQ(Shown({w.problemButton}) + Enabled({w.surrenderButton}), "00");
    EXPECT_FALSE(w.blankMenu->isVisible());
    EXPECT_FALSE(w.surrenderItem->isVisible());
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

TEST_F(MainWindowTest, TheProblemButtonTakesTheBlankMenuAwayAndEndsNothingBeforeTheLastTrickIsSolved)
{
    playTo(Stage::kLocked);
    mainWindow->onProblemClicked();
    EXPECT_TRUE(mainWindow->panelsCard.isLoaded());
    EXPECT_FALSE(mainWindow->blankMenu->isVisible());
    G.stage = Stage::kWrongTry;
    mainWindow->onProblemClicked();
    EXPECT_EQ(fake.boxes.back(), (Box{"ふふふ", "そう簡単には終了できないのでした"}));
    G.stage = Stage::kWindowClicked;
    const size_t boxes = fake.boxes.size();
    mainWindow->onProblemClicked();
    EXPECT_EQ(fake.boxes.size(), boxes);
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

TEST_F(MainWindowTest, TheSwitchIgnoresTheKeyboard)
{
    playTo(Stage::kLastTrick);
    Button* s = mainWindow->switchButton;
    s->setFocus();
    QTest::keyClick(s, Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(s, Qt::Key_Return);
    EXPECT_EQ(G.stage, Stage::kLastTrick);
}

namespace {
struct CloseRow {
    const char* name;
    CloseReason reason;
    bool GameState::*flag;  // set before the close; none for the game in play
    bool closes;
    bool refused;  // with "だめだめ"
};
void PrintTo(const CloseRow& r, std::ostream* os) { *os << r.name; }
class MainWindowCloses : public MainWindowTest, public ::testing::WithParamInterface<CloseRow> {};
}  // namespace

TEST_P(MainWindowCloses, OnlyForTheGamesOwnWaysOut)
{
    const CloseRow& r = GetParam();
    playTo(Stage::kOpening);
    fake.boxes.clear();
    if (r.flag)
        G.*r.flag = true;
    bool closes = false;
    if (r.reason == CloseReason::Player)
        PlayerCloses(&*mainWindow);  // the close box, Alt+F4 or the window manager
    else if (r.reason == CloseReason::Program)
        mainWindow->onCloseChosen();  // 終了(&X)
    else
        closes = mainWindow->mayClose(CloseReason::SessionEnd);  // a log-off then ends the program
    EXPECT_EQ(closes || !mainWindow.isLoaded(), r.closes);
    const Box refusal{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning};
    EXPECT_EQ(fake.boxes, r.refused ? std::vector<Box>{refusal} : std::vector<Box>());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainWindowCloses,
    ::testing::Values(CloseRow{"PlayerDuringPlay", CloseReason::Player, nullptr, false, true},
                      CloseRow{"MenuDuringPlay", CloseReason::Program, nullptr, false, true},
                      CloseRow{"LogOff", CloseReason::SessionEnd, nullptr, true, false},
                      CloseRow{"PlayerAfterSurrender", CloseReason::Player, &GameState::surrendered, true, false},
                      CloseRow{"GameAborting", CloseReason::Program, &GameState::aborting, true, false},
                      CloseRow{"GameCleared", CloseReason::Program, &GameState::gameCleared, true, false},
                      // the ending finishes by itself: the player's close waits for it
                      CloseRow{"PlayerDuringTheEnding", CloseReason::Player, &GameState::gameCleared, false, false}),
    [](const ::testing::TestParamInfo<CloseRow>& info) { return info.param.name; });
