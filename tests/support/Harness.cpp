#include "Harness.h"

#include "gui/Dispatch.h"
#include "gui/Window.h"

#include <QApplication>
#include <QTimer>

void RunAsHandler(const std::function<void()>& handler) { Dispatch(handler); }

void ResetWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // those closed already
    for (Window* w : LoadedWindows())
        delete w;
}

int RunningTimerCount()
{
    int n = 0;
    for (const Window* w : LoadedWindows())
        for (const QTimer* t : w->findChildren<QTimer*>())
            n += t->isActive() ? 1 : 0;
    return n;
}
