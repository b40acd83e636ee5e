#include "gui/Button.h"

#include "gui/Dispatch.h"

#include <QKeyEvent>
#include <QMouseEvent>

Button::Button(QWidget* parent) : Control(parent)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void Button::onClick(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, [h = std::move(handler)] { Dispatch(h); });
}

void Button::onPress(std::function<void(MouseButton, Modifiers)> handler) { press_ = std::move(handler); }

void Button::mousePressEvent(QMouseEvent* e)
{
    pressed(e);
    QPushButton::mousePressEvent(e);
}

void Button::mouseDoubleClickEvent(QMouseEvent* e) { pressed(e); }

void Button::keyPressEvent(QKeyEvent* e)
{
    // Qt's buttons outside a dialog leave Enter alone; the keypad's Enter counts too
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void Button::pressed(const QMouseEvent* e) const
{
    if (!press_)
        return;
    const auto handler = press_;
    const MouseButton button = MouseButtonFrom(e->button());
    const Modifiers keys = ModifiersFrom(e->modifiers());
    Dispatch([&] { handler(button, keys); });
}
