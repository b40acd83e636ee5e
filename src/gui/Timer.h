#pragma once
#include <QTimer>

#include <functional>

// A time limit or a delay: fires every interval once started, until stopped; starting it
// again restarts the count. Precise, since Qt's coarse timers may be 5 % early or late, a
// second off a 20-second limit. Its handler is never entered again while it still runs
// (in a message box, say).
class Timer : public QTimer {
public:
    explicit Timer(QObject* parent);
    void onTimeout(std::function<void()> handler);

private:
    std::function<void()> handler_;
    bool inHandler_ = false;
};
