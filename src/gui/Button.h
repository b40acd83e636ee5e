#pragma once
#include "gui/Control.h"

#include <QPushButton>

#include <functional>

// A push button. Enter or Space while it has the focus clicks it, as players expect; the
// second press of a double click is a press but no click.
class Button : public Control<QPushButton> {
public:
    explicit Button(QWidget* parent);
    // A click: the mouse, or Enter or Space while the button has the focus.
    void onClick(std::function<void()> handler);
    // A mouse button pressed on it, with the modifier keys held; the keyboard never counts.
    void onPress(std::function<void(MouseButton, Modifiers)> handler);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void pressed(const QMouseEvent* e) const;
    std::function<void(MouseButton, Modifiers)> press_;
};
