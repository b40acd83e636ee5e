// The game's start-up exactly as src/main.cpp does it, ended on the first paint of the
// title window.
#include "FirstPaint.h"

#include "modules/Module1.h"
#include "runtime/QtServices.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bench::ExitOnFirstPaint exit(QStringLiteral("Form0"));
    rt::SetUpApplication();
    rt::QtServices services;
    rt::ServicesGuard guard(services);
    Main();
    return rt::RunEventLoop();
}
