// A whole game played through Qt itself, with the mouse, the keyboard, the menus and the
// timers, so that every handler is reached from the window system.
#include "GameTest.h"

#include <QAction>
#include <QTest>

namespace {
void Click(QWidget* c, Qt::KeyboardModifiers keys = Qt::NoModifier) { QTest::mouseClick(c, Qt::LeftButton, keys); }
// A timer of the game, made to fire now through the event loop.
void Fire(Timer* t) { t->start(1); }
}  // namespace

class Wiring : public GameTest {};

TEST_F(Wiring, AGamePlayedWithMouseKeyboardMenusAndTimers)
{
    writeQuiz("日本の首都は？,東京");
    StartGame(windows);
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left})  // title: ANOTHER, time attack
        QTest::keyClick(&*titleWindow, k);
    EXPECT_EQ(G.course, Course::Another);
    EXPECT_TRUE(G.timeAttack);
    Fire(titleWindow->handOverTimer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainWindow.isLoaded(); }));
    EXPECT_FALSE(titleWindow.isLoaded());
    EXPECT_EQ(G.titleKeys.down, 0);  // the main window starts the key runs afresh
    EXPECT_EQ(G.titleKeys.left, 0);

    fake.boxes.clear();
    PlayerCloses(&*mainWindow);  // the close box
    mainWindow->closeItem->trigger();
    EXPECT_EQ(fake.boxes.size(), 2u);
    mainWindow->versionItem->trigger();
    VersionWindow* version = &*versionWindow();
    mainWindow->versionItem->trigger();  // the same window again, beside the main window
    EXPECT_EQ(&*versionWindow(), version);
    EXPECT_TRUE(version->isVisible());
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(version->name->versionLabel->text(), "Ver 0.21");
    Click(versionWindow()->okButton);
    EXPECT_FALSE(versionWindow().isLoaded());
    mainWindow->versionItem->trigger();
    PlayerCloses(&*versionWindow());  // no close box, but an about box closes for the player
    EXPECT_FALSE(versionWindow().isLoaded());
    QTest::keyClick(mainWindow->noButton, Qt::Key_Return);  // いいえ has the focus
    EXPECT_EQ(mainWindow->windowTitle(), "ぬるぴか");
    for (int i : {1, 0, 0, 0, 1})
        Click(mainWindow->exitButtons[static_cast<size_t>(i)]);
    EXPECT_EQ(G.stage, 12);
    mainWindow->surrenderItem->trigger();  // declined
    Click(mainWindow->surrenderButton);
    EXPECT_EQ(fake.boxes.back().title, "降参？");
    mainWindow->lockItem->trigger();
    mainWindow->attackItem->trigger();
    Click(mainWindow->problemButton);

    Fire(panelsCard()->closeTimer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panelsWindow().isLoaded(); }));
    EXPECT_FALSE(panelsCard().isLoaded());
    Click(panelsWindow()->startButton);
    EXPECT_TRUE(panelsWindow()->timeLimit->isActive());
    for (int n : {1, 2, 4, 1, 2, 4})  // a click and its undoing, panel by panel
        Click(panelsWindow()->panels[static_cast<size_t>(n - 1)]);
    fake.scriptDigits("000000000");
    panelsWindow()->startButton->setEnabled(true);
    Click(panelsWindow()->startButton);
    for (int n : {1, 3, 7, 9, 5})
        Click(panelsWindow()->panels[static_cast<size_t>(n - 1)]);
    Click(panelsWindow()->stopButton);
    EXPECT_EQ(G.stage, 20);

    Click(mainWindow->problemButton);
    Fire(quizCard()->closeTimer);
    ASSERT_TRUE(QTest::qWaitFor([&] { return quizWindow().isLoaded(); }));
    Click(quizWindow()->startButton);
    Fire(quizWindow()->timeLimit);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fake.boxes.back().title == "時間切れ"; }));
    Click(quizWindow()->startButton);
    Click(quizWindow()->surrenderButton);
    fake.onAskText = [](const QString&) { return QString("東京"); };
    Click(quizWindow()->answerButton);
    EXPECT_EQ(G.stage, 30);

    Click(mainWindow->problemButton);
    Click(stopwatchWindow()->startButton);
    fake.now += 2.95f;
    Click(stopwatchWindow()->stopButton);
    Click(stopwatchWindow()->goButton);  // GO! on ANOTHER only puts the stopwatch back
    Click(stopwatchWindow()->surrenderButton);
    Click(stopwatchWindow()->startButton);
    Fire(stopwatchWindow()->timeLimit);
    ASSERT_TRUE(QTest::qWaitFor([&] { return G.stage == 40; }));

    QTest::mouseClick(mainWindow->clientArea(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, QPoint(5, 5));
    EXPECT_EQ(G.stage, 43);
    Click(mainWindow->switchButton);
    EXPECT_EQ(G.stage, 44);
    Click(mainWindow->problemButton);
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back().title, "OK! GoTo Next");  // the ending shows no boxes
}
