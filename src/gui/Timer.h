#pragma once
#include <QTimer>

// A time limit or a delay: fires every interval once started, until stopped; starting it
// again restarts the count. Precise, since Qt's coarse timers may be 5 % early or late, a
// second off a 20-second limit.
class Timer : public QTimer {
    Q_OBJECT

public:
    Timer(QObject* parent, const QString& name);

signals:
    // The interval is up: run as the game's handler (Dispatch), and never entered again
    // while a handler of it still runs (in a message box, say).
    void timeUp();

private:
    bool inHandler_ = false;
};
