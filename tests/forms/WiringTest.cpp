// A whole game played through Qt itself, with the mouse, the keyboard, the menus and the
// timers, so that every handler is reached from the window system.
#include "GameTest.h"

#include <QAction>
#include <QTest>

namespace {
void Click(Control& c, Qt::KeyboardModifiers keys = Qt::NoModifier) { QTest::mouseClick(c.widget(), Qt::LeftButton, keys); }
// A timer of the game, made to fire now through the event loop.
void Fire(Timer& t) { t.SetInterval(1); }
}  // namespace

class Wiring : public GameTest {};

TEST_F(Wiring, AGamePlayedWithMouseKeyboardMenusAndTimers)
{
    WriteQuiz("日本の首都は？,東京");
    Main();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left})  // title: ANOTHER, time attack
        QTest::keyClick(Form0->window(), k);
    EXPECT_TRUE(G.Course == "ANOTHER" && G.TimeAttack);
    Fire(Form0->Timer1);
    QTRY_VERIFY_WITH_TIMEOUT(Form1.IsLoaded() && !Form0.IsLoaded(), 2000);
    EXPECT_TRUE(G.DownCount == 0 && G.LeftCount == 0);  // the main window starts the key runs afresh

    fake.boxes.clear();
    Form1->window()->close();  // the close box
    Form1->Exit.action()->trigger();
    EXPECT_EQ(fake.boxes.size(), 2u);
    Form1->Version.action()->trigger();
    Click(Form2->Command1);
    EXPECT_FALSE(Form2.IsLoaded());
    QTest::keyClick(Form1->Command5.widget(), Qt::Key_Return);  // いいえ has the focus
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    for (int i : {1, 0, 0, 0, 1})
        Click(Form1->Command1[i]);
    EXPECT_EQ(G.Stage, 12);
    Form1->Kousan.action()->trigger();  // declined
    Click(Form1->Command2);
    EXPECT_EQ(fake.boxes.back().title, "降参？");
    Form1->Lock.action()->trigger();
    Form1->Attack.action()->trigger();
    Click(Form1->Command3);

    Fire(Form4->Timer1);
    QTRY_VERIFY_WITH_TIMEOUT(Form3.IsLoaded() && !Form4.IsLoaded(), 2000);
    Click(Form3->Command2);
    EXPECT_TRUE(Form3->Timer1.Running());
    for (int n : {1, 2, 4, 1, 2, 4})  // a click and its undoing, panel by panel
        Click(Form3->Panel(n));
    fake.ScriptDigits("000000000");
    Form3->Command2.SetEnabled(true);
    Click(Form3->Command2);
    for (int n : {1, 3, 7, 9, 5})
        Click(Form3->Panel(n));
    Click(Form3->Command1);
    EXPECT_EQ(G.Stage, 20);

    Click(Form1->Command3);
    Fire(Form5->Timer1);
    QTRY_VERIFY_WITH_TIMEOUT(Form6.IsLoaded(), 2000);
    Click(Form6->Command2);
    Fire(Form6->Timer1);
    QTRY_VERIFY_WITH_TIMEOUT(fake.boxes.back().title == "時間切れ", 2000);
    Click(Form6->Command2);
    Click(Form6->Command3);
    fake.inputs = {"東京"};
    Click(Form6->Command1);
    EXPECT_EQ(G.Stage, 30);

    Click(Form1->Command3);
    Click(Form7->Command1);
    fake.now += 2.95f;
    Click(Form7->Command2);
    Click(Form7->Command4);  // GO! on ANOTHER only puts the stopwatch back
    Click(Form7->Command3);
    Click(Form7->Command1);
    Fire(Form7->Timer1);
    QTRY_VERIFY_WITH_TIMEOUT(G.Stage == 40, 2000);

    QTest::mouseClick(Form1->client(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, QPoint(5, 5));
    EXPECT_EQ(G.Stage, 43);
    Click(Form1->Command6);
    EXPECT_EQ(G.Stage, 44);
    Click(Form1->Command3);
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back().title, "OK! GoTo Next");  // the ending shows no boxes
}

TEST_F(Wiring, YesOnTheOpeningQuestion)
{
    StartToMainWindow();
    Click(Form1->Command4);
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(G.QuitCount, 1);
}
