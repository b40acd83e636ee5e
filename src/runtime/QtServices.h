#pragma once
#include "runtime/Random.h"
#include "runtime/Services.h"

namespace rt {

// The services of the real program, over Qt and the operating system.
class QtServices : public Services {
public:
    QtServices();
    int MsgBox(const QString& prompt, int style, const QString& title) override;
    QString InputBox(const QString& prompt, const QString& title) override;
    float Clock() override;
    void Sleep(int ms) override;
    void DoEvents() override;
    void Randomize() override;
    float Rnd() override;
    [[noreturn]] void End() override;
    bool PrevInstance() override;
    QString AppPath() override;
    int ScreenWidth() override;
    int ScreenHeight() override;

private:
    Random random_;
};

// Before the application exists: on a Wayland desktop the windows go through X11 (the
// desktop's compatibility server), because the game places its windows itself and its
// title window must take the keyboard without a click, which Wayland does not allow.
void PreferX11();
// Prepares the application: style, fonts, icon, the ending signals and log-off.
void SetUpApplication();
// Runs the event loop until the program ends.
int RunEventLoop();

}  // namespace rt
