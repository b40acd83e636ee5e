#include "gui/Timer.h"

#include "gui/Dispatch.h"

#include <QPointer>

Timer::Timer(QObject* parent) : QTimer(parent)
{
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, [this] {
        if (inHandler_ || !handler_)
            return;
        Dispatch([this] {
            // A handler that closes its window and then shows a message box may outlive
            // the window and this timer: the box's event loop deletes what was closed.
            const QPointer<Timer> self(this);
            const auto handler = handler_;
            inHandler_ = true;
            handler();
            if (self)
                inHandler_ = false;
        });
    });
}

void Timer::onTimeout(std::function<void()> handler) { handler_ = std::move(handler); }
