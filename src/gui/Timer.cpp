#include "gui/Timer.h"

#include "gui/Dispatch.h"

Timer::Timer(QObject* parent) : QTimer(parent)
{
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, [this] {
        if (inHandler_ || !handler_)
            return;
        Dispatch([this] {
            inHandler_ = true;
            handler_();
            inHandler_ = false;
        });
    });
}

void Timer::onTimeout(std::function<void()> handler) { handler_ = std::move(handler); }
