#include "gui/Dispatch.h"

#include "runtime/Services.h"

#include <QCoreApplication>
#include <QPointer>

#include <utility>
#include <vector>

namespace {
int handlersRunning = 0;
std::vector<QPointer<QObject>> closedWindows;

void DeleteClosedWindows()
{
    if (handlersRunning > 0)
        return;  // the handler that runs asks again when it returns
    for (const QPointer<QObject>& window : std::exchange(closedWindows, {}))
        delete window.data();
}

void DeleteClosedWindowsSoon()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), &DeleteClosedWindows, Qt::QueuedConnection);
}
}  // namespace

void DeleteWhenBackInTheEventLoop(QObject* window)
{
    closedWindows.emplace_back(window);
    DeleteClosedWindowsSoon();
}

void Dispatch(const std::function<void()>& handler)
{
    ++handlersRunning;
    try {
        handler();
    } catch (const ProgramEnded&) {
        // a test's EndProgram(): the game stops here
    }
    if (--handlersRunning == 0 && !closedWindows.empty())
        DeleteClosedWindowsSoon();
}
