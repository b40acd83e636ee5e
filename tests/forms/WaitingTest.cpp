// While the game waits for the player, no timer of any window runs: it does no work
// until the player does something.
#include "GameTest.h"

#include "modules/Module1.h"
#include "runtime/Form.h"

namespace {

int RunningTimers()
{
    int n = 0;
    for (Form* f : rt::LoadedForms())
        for (Timer* t : f->Timers())
            n += t->Running() ? 1 : 0;
    return n;
}

class Waiting : public GameTest {};

}  // namespace

TEST_F(Waiting, OnlyTheTitleAndTheCardRunATimerUpToTheNinePanels)
{
    WriteQuiz("日本の首都は？,東京");
    Main();
    EXPECT_EQ(RunningTimers(), 1);  // the title's two seconds
    Form0->Timer1_Timer();
    ASSERT_TRUE(Form1->Visible());
    EXPECT_EQ(RunningTimers(), 0) << "the opening question";

    Form1->Command5_Click();  // いいえ: the run starts
    EXPECT_EQ(RunningTimers(), 0) << "the main window with its exits";

    Form1->Command3_Click();  // 問題１
    ASSERT_TRUE(Form4->Visible());
    EXPECT_EQ(RunningTimers(), 1);  // the card's five seconds
    Form4->Timer1_Timer();
    ASSERT_TRUE(Form3->Visible());
    EXPECT_EQ(RunningTimers(), 0) << "the nine panels before START";

    Form3->Command2_Click();  // START
    EXPECT_EQ(RunningTimers(), 1);  // the time limit
}

TEST_F(Waiting, NoTimerRunsOnceTheTimeLimitHasRunOut)
{
    StartRun();
    Form1->Command3_Click();
    Form4->Timer1_Timer();
    Form3->Command2_Click();
    Form3->Timer1_Timer();  // 時間切れ: back to the main window
    ASSERT_TRUE(Form1->Visible());
    EXPECT_EQ(RunningTimers(), 0);
}
