#pragma once
// The application: the real services over Qt and the operating system, and the set-up
// and event loop. For main() and the tools.
#include "runtime/Random.h"
#include "runtime/Services.h"

class QtServices : public Services {
public:
    Answer showMessage(const QString& title, const QString& text, MessageKind kind) override;
    QString askText(const QString& title, const QString& prompt) override;
    float clockSeconds() override;
    void pause(int ms) override;
    void processEvents() override;
    void reseed() override;
    float fraction() override;
    [[noreturn]] void endProgram() override;
    bool anotherInstanceRunning(const QString& folder) override;
    QString programFolder() override;
    QString userDataFolder() override;
    int screenWidthTwips() override;
    int screenHeightTwips() override;

private:
    RandomNumbers random_;
    int lockFd_ = -1;  // the single-game lock: held while the game runs, gone with the process
};

// Before the application exists: on a desktop with both, the windows go through X11 (the
// desktop's compatibility server), because the game places its windows itself and its
// title window must take the keyboard without a click, which Wayland does not allow;
// Wayland alone will do. With neither display the game says so in one line and ends with
// status 1.
void ChooseDisplay();
// Prepares the application once it has its display: style, fonts, the ending signals and
// log-off.
void SetUpApplication();
// Runs the event loop until the program ends.
int RunEventLoop();
