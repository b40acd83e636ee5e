#include "gui/Control.h"

#include <QPalette>

// A button's caption is drawn in ButtonText, any other text in WindowText.
void SetTextColor(QWidget& widget, const QColor& c)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    widget.setPalette(p);
}

QColor TextColor(const QWidget& widget) { return widget.palette().color(QPalette::WindowText); }

void SetBackColor(QWidget& widget, const QColor& c)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, c);
    widget.setPalette(p);
}

QColor BackColor(const QWidget& widget) { return widget.palette().color(QPalette::Window); }
