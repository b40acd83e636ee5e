#include "GameTest.h"

#include "gui/Dispatch.h"
#include "runtime/Files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QTimer>

void RunAsHandler(const std::function<void()>& handler) { Dispatch(handler); }

void ResetWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // those closed already
    for (std::vector<Window*> loaded = LoadedWindows(); !loaded.empty(); loaded = LoadedWindows())
        delete loaded.front();
}

int RunningTimerCount()
{
    int n = 0;
    for (const Window* w : LoadedWindows())
        for (const QTimer* t : w->findChildren<QTimer*>())
            n += t->isActive() ? 1 : 0;
    return n;
}

void GameTest::startToMainWindow()
{
    if (!IsOrdinaryFile(path("NP2.DAT")))
        writeQuiz("# quiz\n日本の首都は？,東京");
    StartGame(windows);
    titleWindow->onHandOver();
}

namespace {
std::string Flags(std::initializer_list<const QWidget*> controls, const std::function<bool(const QWidget*)>& test)
{
    std::string s;
    for (const QWidget* c : controls)
        s += test(c) ? '1' : '0';
    return s;
}
}  // namespace

// shown by the game, whether or not its window is on screen now
std::string Shown(std::initializer_list<const QWidget*> controls) { return Flags(controls, [](const QWidget* c) { return !c->isHidden(); }); }
std::string Enabled(std::initializer_list<const QWidget*> controls) { return Flags(controls, &QWidget::isEnabled); }

void PlayerCloses(QWidget* window)
{
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(window, &request);  // as the window system does: sendEvent() would make it the program's own
}
