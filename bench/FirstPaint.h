#pragma once
// Ends the program as soon as the window of the given object name has been painted and
// its first frame has reached the X server. A window covered by opaque children gets no
// paint event of its own, so a paint anywhere inside it counts.
#include <QApplication>
#include <QWidget>

#include <cstdlib>

class ExitOnFirstPaint : public QObject {
public:
    explicit ExitOnFirstPaint(QString windowName) : name_(std::move(windowName)) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || seen_)
            return false;
        auto* w = qobject_cast<QWidget*>(watched);
        seen_ = w && w->window()->objectName() == name_;
        if (seen_)  // queued: runs once this paint pass has been flushed to the window
            QMetaObject::invokeMethod(qApp, [] { QGuiApplication::sync(); std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }

private:
    QString name_;
    bool seen_ = false;
};
