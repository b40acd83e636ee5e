#include "gui/Label.h"

#include "gui/Dispatch.h"

#include <QMouseEvent>

Label::Label(QWidget* parent, const QString& name) : Control(parent, name)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    e->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent* e)
{
    pressed_ = false;
    e->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    const bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && isEnabled())
        Dispatch([this] { emit clicked(); });
}
