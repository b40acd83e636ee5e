// ぬるぴか２: a trick-puzzle game.
#include "app/QtServices.h"
#include "windows/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ChooseDisplay();
    QApplication app(argc, argv);
    SetUpApplication();
    QtServices services;
    ServicesGuard guard(services);
    GameWindows windows;
    StartGame(windows);
    return RunEventLoop();
}
