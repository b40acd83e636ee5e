#pragma once
#include "gui/Control.h"

#include <QLabel>

// A line of text, transparent unless it fills its background, word-wrapped, aligned to the
// top left until told otherwise. A press on it is not a press on the window.
class Label : public Control<QLabel> {
    Q_OBJECT

public:
    explicit Label(QWidget* parent, const QString& name = {});

signals:
    // A left-button click, counted when the button is let go over the label; run as the
    // game's handler (Dispatch).
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};
