#pragma once
// The fixture of every window test: a fresh game state, no windows, fake services and a
// program folder of its own. Waits on the event loop are ASSERT_TRUE(QTest::qWaitFor(...)):
// Qt's QTRY macros report to Qt's test runner, not to this one, and cannot fail a test.
#include "FolderTest.h"

#include "rules/GameState.h"
#include "rules/Stages.h"
#include "windows/StartUp.h"

#include <functional>

// Runs a function as the window system runs a handler: a window closed inside it is
// deleted once it returns, and EndProgram() stops it there.
void RunAsHandler(const std::function<void()>& handler);
// Drops every window at once without asking any of them, closed ones included.
void ResetWindows();
// How many timers of the loaded windows are running.
int RunningTimerCount();
// Runs the event loop until what is due now has run: timers made to run out, posted calls.
void RunWhatIsDue();
// What a real box does to the game around it: the event loop runs while it is open, and
// the box goes when the window in front of it closes meanwhile. False when it went.
bool RunBoxLoop();
// A left click, as the player makes it.
void Click(QWidget* control, Qt::KeyboardModifiers keys = Qt::NoModifier);

class GameTest : public FolderTest {
protected:
    void SetUp() override
    {
        ResetWindows();
        G = GameState{};
        FolderTest::SetUp();
        fake.whileOpen = RunBoxLoop;
    }
    void TearDown() override
    {
        ResetWindows();  // nothing of one test reaches the next
        G = GameState{};
        FolderTest::TearDown();
    }

    // Plays from start-up to the stage the way a player gets there, with clicks, keys and
    // menus (timers are made to fire): the title's keys for the course and time attack,
    // いいえ, the exit buttons, Lock and Attack, each puzzle solved, the last trick. The
    // opening is the opening question; a surrender declined shows the riddle at 41 and 42.
    // Without a quiz file of its own the first question is "日本の首都は？,東京".
    void playTo(std::int16_t stage, Course course = Course::Normal, bool timeAttack = false);
    // The opening question answered with いいえ.
    void startRun()
    {
        playTo(Stage::kOpening);
        mainWindow->onNoClicked();
    }

    GameWindows windows;
    WindowSlot<TitleWindow>& titleWindow = windows.title;
    WindowSlot<MainWindow>& mainWindow = windows.main;
};

// "1" for each shown control, "0" for each hidden one; the same for enabled ones.
std::string Shown(std::initializer_list<const QWidget*> controls);
std::string Enabled(std::initializer_list<const QWidget*> controls);

// A close request from the player (the close box, Alt+F4, the window manager), as the
// window system delivers it.
void PlayerCloses(QWidget* window);
