#pragma once
// The fixture of every window test: a fresh game state, no windows, fake services and a
// program folder of its own. Waits on the event loop are ASSERT_TRUE(QTest::qWaitFor(...)):
// Qt's QTRY macros report to Qt's test runner, not to this one, and cannot fail a test.
#include "FolderTest.h"

#include "rules/GameState.h"
#include "windows/StartUp.h"

#include <functional>

// Runs a function as the window system runs a handler: a window closed inside it is
// deleted once it returns, and EndProgram() stops it there.
void RunAsHandler(const std::function<void()>& handler);
// Drops every window at once without asking any of them, each with the windows it keeps.
void ResetWindows();
// How many timers of the loaded windows are running.
int RunningTimerCount();

class GameTest : public FolderTest {
protected:
    void SetUp() override
    {
        ResetWindows();
        G = GameState{};
        FolderTest::SetUp();
    }
    void TearDown() override
    {
        ResetWindows();  // nothing of one test reaches the next
        G = GameState{};
        FolderTest::TearDown();
    }
    // The game's windows, and those the main window keeps, by the names of their roles.
    GameWindows windows;
    WindowSlot<TitleWindow>& titleWindow = windows.title;
    WindowSlot<MainWindow>& mainWindow = windows.main;
    WindowSlot<VersionWindow>& versionWindow() { return mainWindow->versionWindow; }
    WindowSlot<PanelsCard>& panelsCard() { return mainWindow->panelsCard; }
    WindowSlot<PanelsWindow>& panelsWindow() { return mainWindow->panelsWindow; }
    WindowSlot<QuizCard>& quizCard() { return mainWindow->quizCard; }
    WindowSlot<QuizWindow>& quizWindow() { return mainWindow->quizWindow; }
    WindowSlot<StopwatchWindow>& stopwatchWindow() { return mainWindow->stopwatchWindow; }

    // Start-up in a folder with a quiz, then the title window's two seconds.
    void startToMainWindow();
    // ... and "いいえ".
    void startRun()
    {
        startToMainWindow();
        mainWindow->onNoClicked();
    }
};

// "1" for each shown control, "0" for each hidden one; the same for enabled ones.
std::string Shown(std::initializer_list<const QWidget*> controls);
std::string Enabled(std::initializer_list<const QWidget*> controls);

// A close request from the player (the close box, Alt+F4, the window manager), as the
// window system delivers it.
void PlayerCloses(QWidget* window);
