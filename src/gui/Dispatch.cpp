#include "gui/Dispatch.h"

#include "runtime/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

void Dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const ProgramEnded&) {
        // a test's EndProgram(): the game stops here
    }
    if (QThread::currentThread()->loopLevel() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
