// While the game waits for the player, no timer of any window runs: it does no work
// until the player does something.
#include "GameTest.h"

class Waiting : public GameTest {};

TEST_F(Waiting, OnlyTheTitleAndTheCardRunATimerUpToTheNinePanels)
{
    writeQuiz("日本の首都は？,東京");
    StartGame();
    EXPECT_EQ(RunningTimerCount(), 1);  // the title's two seconds
    titleWindow->onHandOver();
    EXPECT_EQ(RunningTimerCount(), 0) << "the opening question";
    mainWindow->onNoClicked();
    EXPECT_EQ(RunningTimerCount(), 0) << "the main window with its exits";
    mainWindow->onProblemClicked();
    EXPECT_EQ(RunningTimerCount(), 1);  // the card's five seconds
    panelsCard->onTimeUp();
    EXPECT_EQ(RunningTimerCount(), 0) << "the nine panels before START";
    panelsWindow->onStartClicked();
    EXPECT_EQ(RunningTimerCount(), 1);  // the time limit
    panelsWindow->onTimeUp();           // back to the main window
    EXPECT_EQ(RunningTimerCount(), 0);
}
