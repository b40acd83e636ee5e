// Every handler is reached through Qt itself: mouse, keys, menus, timers and close requests.
#include "GameTest.h"

#include <QAction>
#include <QKeyEvent>
#include <QTest>

namespace {
void Click(Control& c) { QTest::mouseClick(c.widget(), Qt::LeftButton); }
}  // namespace

class Wiring : public GameTest {};

TEST_F(Wiring, TitleWindowKeysAndTimer)
{
    WriteQuiz("q,a");
    Main();
    QTest::keyClick(Form0->window(), Qt::Key_Down);
    QTest::keyClick(Form0->window(), Qt::Key_Down);
    EXPECT_EQ(G.Course, "ANOTHER");
    Form0->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(Form1.IsLoaded() && !Form0.IsLoaded(), 2000);
}

TEST_F(Wiring, MainWindowButtonsMenusMouseAndClose)
{
    StartToMainWindow();
    Click(Form1->Command5);
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    Click(Form1->Command1[1]);
    Click(Form1->Command1[0]);
    EXPECT_EQ(G.ExitTally[0], 2);
    EXPECT_EQ(G.ExitTally[1], 3);
    Form1->Lock.action()->trigger();
    EXPECT_EQ(G.Stage, 13);
    Form1->Attack.action()->trigger();
    EXPECT_TRUE(Form1->Command3.Enabled());
    Form1->Version.action()->trigger();
    EXPECT_TRUE(Form2.IsLoaded());
    Click(Form2->Command1);
    EXPECT_FALSE(Form2.IsLoaded());
    fake.boxes.clear();
    Form1->Exit.action()->trigger();
    Form1->window()->close();
    EXPECT_EQ(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].title, "だめだめ");
    Form1->Kousan.action()->trigger();  // declined
    Form1->Command2.SetEnabled(true);
    Click(Form1->Command2);
    EXPECT_EQ(fake.boxes.back().title, "降参？");

    G.Stage = 40;
    G.Course = "ANOTHER";
    QTest::mouseClick(Form1->client(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, QPoint(5, 5));
    EXPECT_EQ(G.Stage, 43);
    Form1->Command6.SetVisible(true);
    QTest::mouseClick(Form1->Command6.widget(), Qt::LeftButton);
    EXPECT_EQ(G.Stage, 44);
    fake.boxes.clear();
    G.Stage = 40;
    Click(Form1->Command3);
    EXPECT_EQ(fake.boxes.back().title, "ふふふ");
    G.Stage = 10;
    Click(Form1->Command3);
    EXPECT_TRUE(Form4.IsLoaded());
}

TEST_F(Wiring, YesOnTheOpeningQuestion)
{
    StartToMainWindow();
    Click(Form1->Command4);
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(G.QuitCount, 1);
}

TEST_F(Wiring, CardsAndNinePanels)
{
    StartRun();
    Form1->Command3_Click();  // the card before the nine panels
    Form4->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(Form3.IsLoaded(), 2000);
    EXPECT_FALSE(Form4.IsLoaded());
    Click(Form3->Label5);
    EXPECT_EQ(Form3->Label2.BackColor(), vbRed);
    Click(Form3->Command2);
    EXPECT_TRUE(Form3->Timer1.Running());
    Form3->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(!Form3.IsLoaded(), 2000);
    EXPECT_EQ(fake.boxes.back().title, "時間切れ");
    Form3->Show();
    for (int n : {1, 3, 7, 9, 5})  // corners, then the centre: all red
        Click(Form3->Panel(n));
    ASSERT_TRUE(Form3->Command1.Enabled());
    Click(Form3->Command1);
    EXPECT_EQ(G.Stage, 20);
}

TEST_F(Wiring, QuizCardAndQuiz)
{
    StartRun();
    G.Stage = 20;
    Form1->Command3_Click();
    Form5->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(Form6.IsLoaded(), 2000);
    Click(Form6->Command2);
    EXPECT_EQ(Form6->Label1.Caption(), "日本の首都は？");
    fake.inputs = {"東京"};
    Click(Form6->Command1);
    EXPECT_EQ(G.Stage, 30);
    Form6->Show();
    Click(Form6->Command2);
    Form6->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(fake.boxes.back().title == "時間切れ", 2000);
    Click(Form6->Command3);
    EXPECT_EQ(fake.boxes.back().title, "降参？");
}

TEST_F(Wiring, Stopwatch)
{
    StartRun();
    G.Stage = 30;
    Form1->Command3_Click();
    Click(Form7->Command1);
    EXPECT_TRUE(Form7->Timer1.Running());
    fake.now += 2.9f;
    Click(Form7->Command2);
    ASSERT_TRUE(Form7->Command4.Visible());
    Click(Form7->Command4);
    EXPECT_EQ(G.Stage, 40);
    Form7->Show();
    Click(Form7->Command3);
    EXPECT_EQ(fake.boxes.back().title, "降参？");
    Click(Form7->Command1);
    Form7->Timer1.SetInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(fake.boxes.back().title == "時間切れ", 2000);
}
