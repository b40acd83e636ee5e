#include "gui/Timer.h"

#include "gui/Dispatch.h"

Timer::Timer(QObject* parent, const QString& name) : QTimer(parent)
{
    setObjectName(name);
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, [this] {
        if (inHandler_)
            return;
        Dispatch([this] {
            inHandler_ = true;
            emit timeUp();
            inHandler_ = false;
        });
    });
}
