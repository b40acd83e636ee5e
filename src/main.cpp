// ぬるぴか２: a trick-puzzle game.
#include "modules/Module1.h"
#include "runtime/QtServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    rt::PreferX11();
    QApplication app(argc, argv);
    rt::SetUpApplication();
    rt::QtServices services;
    rt::ServicesGuard guard(services);
    Main();
    return rt::RunEventLoop();
}
