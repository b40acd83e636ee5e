#pragma once
#include "gui/Control.h"

#include <QLabel>

#include <functional>

// A line of text, transparent unless it fills its background, word-wrapped, aligned to the
// top left until told otherwise. A press on it is not a press on the window.
class Label : public Control<QLabel> {
public:
    explicit Label(QWidget* parent);
    // A left-button click, counted when the button is let go over the label.
    void onClick(std::function<void()> handler);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    std::function<void()> click_;
    bool pressed_ = false;
};
