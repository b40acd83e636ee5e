#pragma once
// The fixture of every window test: a fresh game state, no windows, fake services whose
// boxes run the event loop, and a program folder of its own. Windows and their controls
// are reached as the player sees them: by name, on screen.
#include "FolderTest.h"

#include "rules/GameState.h"
#include "rules/Stages.h"
#include "windows/StartUp.h"

// Drops every window at once without asking any of them, closed ones included.
void ResetWindows();
// Runs the event loop until what is due now has run: timers made to run out, posted calls.
void RunWhatIsDue();
// What a real box does to the game around it: the event loop runs while it is open, and
// the box goes when the window in front of it closes meanwhile. False when it went.
bool RunBoxLoop();
// How many timers of the loaded windows are running.
int RunningTimerCount();

// The loaded window of that name; the test fails without one.
Window* Opened(const char* window);
// A control, menu entry or timer of a loaded window, by name; the test fails without one.
template <typename T = QWidget>
T* Find(const char* window, const char* name)
{
    T* found = Opened(window) ? Opened(window)->findChild<T*>(name) : nullptr;
    EXPECT_TRUE(found) << window << " has no " << name;
    return found;
}
QString Text(const char* window, const char* control);  // a label's or button's text
// What the player does: a left click, a menu entry, a timer whose time is up.
void Click(const char* window, const char* control, Qt::KeyboardModifiers keys = Qt::NoModifier);
void Choose(const char* window, const char* menuItem);
void RunOut(const char* window, const char* timer);
// A close request from the player (the close box, Alt+F4, the window manager), as the
// window system delivers it.
void PlayerCloses(QWidget* window);
// "1" for each shown control (whether or not its window is on screen now), "0" for each
// hidden one; the same for enabled ones.
std::string Shown(const char* window, std::initializer_list<const char*> controls);
std::string Enabled(const char* window, std::initializer_list<const char*> controls);

class GameTest : public FolderTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Plays from start-up to the stage the way a player gets there, with clicks, keys and
    // menus: the title's keys for the course and time attack, いいえ, the exit buttons,
    // Lock and Attack, each puzzle solved, the last trick. The opening is the opening
    // question; a surrender declined shows the riddle at 41 and 42. Without a quiz file of
    // its own the first question is "日本の首都は？,東京".
    void playTo(std::int16_t stage, Course course = Course::Normal, bool timeAttack = false);

    GameWindows windows;
};
