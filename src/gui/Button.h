#pragma once
#include "gui/Control.h"

#include <QPushButton>

// A push button. Enter or Space while it has the focus clicks it, as players expect; the
// second press of a double click is a press but no click. Its signals run as the game's
// handlers (Dispatch).
class Button : public Control<QPushButton> {
    Q_OBJECT

public:
    Button(QWidget* parent, const QString& name);

signals:
    // A click: the mouse, or Enter or Space while the button has the focus. (Qt's own
    // clicked(bool), which it hides, is not one of the game's handlers.)
    void clicked();
    // A mouse button pressed on it, with the modifier keys held; the keyboard never counts.
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers keys);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};
