// The main window: what the exit buttons and the problem button change on it, the last
// stage, the refusal to close, a surrender without a hint. (The opening is in the whole games.)
#include "GameTest.h"

#include "rules/Stages.h"

#include <QMenuBar>
#include <QTest>

class MainWindowTest : public GameTest {};

TEST_F(MainWindowTest, TheScoresOfferTheSurrenderAndTheProblemButton)
{
    startRun();
    MainWindow& w = *mainWindow;
    w.onExitClicked(1);  // 0 and 3
    EXPECT_TRUE(w.surrenderButton->isEnabled());
    EXPECT_TRUE(w.surrenderItem->isVisible());
    EXPECT_TRUE(w.helpSeparator->isVisible());
    EXPECT_FALSE(w.blankMenu->isVisible());
    for (int b : {0, 0, 0, 1})  // 6 and 6
        w.onExitClicked(b);
    EXPECT_EQ(Shown({w.problemButton}), "1");
    EXPECT_EQ(Enabled({w.problemButton}), "0");
    EXPECT_TRUE(w.blankMenu->isVisible());
    EXPECT_TRUE(w.lockItem->isVisible());
    EXPECT_FALSE(w.attackItem->isVisible());
    EXPECT_GT(w.menuBar()->actionGeometry(w.blankMenu).width(), 4);  // a blank title is a real one
    w.onExitClicked(0);  // 8 and 6
    EXPECT_EQ(Shown({w.problemButton}), "0");
    EXPECT_FALSE(w.blankMenu->isVisible());
    EXPECT_FALSE(w.surrenderButton->isEnabled());
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
    EXPECT_TRUE(w.blankMenu->isVisible());
    EXPECT_TRUE(w.attackItem->isVisible());
    EXPECT_FALSE(w.lockItem->isEnabled());
    w.onAttackChosen();
    EXPECT_TRUE(w.problemButton->isEnabled());
}

TEST_F(MainWindowTest, TheProblemButtonTakesTheBlankMenuAwayWithTheFirstPuzzle)
{
    startRun();
    mainWindow->blankMenu->setVisible(true);
    G.stage = Stage::kLocked;
    mainWindow->onProblemClicked();
    EXPECT_TRUE(panelsCard().isLoaded());
    EXPECT_FALSE(mainWindow->blankMenu->isVisible());
}

TEST_F(MainWindowTest, TheProblemButtonEndsNothingBeforeTheLastTrickIsSolved)
{
    startRun();
    G.stage = Stage::kWrongTry;
    mainWindow->onProblemClicked();
    EXPECT_EQ(fake.boxes.back(), (Box{"ふふふ", "そう簡単には終了できないのでした"}));
    G.stage = Stage::kWindowClicked;
    fake.boxes.clear();
    mainWindow->onProblemClicked();
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(mainWindow->isVisible());
}

TEST_F(MainWindowTest, TheSurrenderButtonAsksTheRiddleOfTheCourseAtTheLastTrick)
{
    startRun();
    G.course = Course::Another;
    G.stage = Stage::kSolved;
    mainWindow->onSurrenderClicked();  // the surrender is declined
    EXPECT_EQ(G.stage, Stage::kRiddleShown);
    EXPECT_EQ(fake.boxes.back(), (Box{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion}));
    EXPECT_EQ(fake.boxes.rbegin()[1], (Box{"This Word Means・・・", RiddleFor(Course::Another)}));
}

TEST_F(MainWindowTest, TheSwitchIgnoresTheKeyboard)
{
    startRun();
    G.stage = Stage::kRiddleShown;
    Button* s = mainWindow->switchButton;
    s->setVisible(true);
    s->setFocus();
    QTest::keyClick(s, Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(s, Qt::Key_Return);
    EXPECT_EQ(G.stage, Stage::kRiddleShown);
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
    startToMainWindow();
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

