// The game's start-up exactly as the game does it, ended on the first paint of the
// title window.
#include "FirstPaint.h"

#include "app/QtServices.h"
#include "windows/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bench::ExitOnFirstPaint exit(QStringLiteral("titleWindow"));
    SetUpApplication();
    QtServices services;
    ServicesGuard guard(services);
    GameWindows windows;
    StartGame(windows);
    return RunEventLoop();
}
