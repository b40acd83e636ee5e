// The game's start-up exactly as the game does it, ended on the first paint of the
// title window.
#include "FirstPaint.h"

#include "app/QtServices.h"
#include "windows/StartUp.h"

int main(int argc, char* argv[])
{
    ChooseDisplay();
    QApplication app(argc, argv);
    ExitOnFirstPaint exit(QStringLiteral("titleWindow"));
    SetUpApplication();
    QtServices services;
    ServicesGuard guard(services);
    GameWindows windows;
    StartGame(windows);
    return RunEventLoop();
}
