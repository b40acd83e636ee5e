#include "gui/Button.h"

#include "gui/Dispatch.h"

#include <QKeyEvent>
#include <QMouseEvent>

Button::Button(QWidget* parent, const QString& name) : Control(parent, name)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { Dispatch([this] { emit clicked(); }); });
}

void Button::mousePressEvent(QMouseEvent* e)
{
    Dispatch([this, e] { emit mousePressed(e->button(), e->modifiers()); });
    QPushButton::mousePressEvent(e);
}

void Button::mouseDoubleClickEvent(QMouseEvent* e)
{
    Dispatch([this, e] { emit mousePressed(e->button(), e->modifiers()); });
}

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
