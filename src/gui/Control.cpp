#include "gui/Control.h"

#include <QPalette>

// A button's caption is drawn in ButtonText, any other text in WindowText.
void SetTextColor(QWidget& widget, Color c)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, ToQColor(c));
    p.setColor(QPalette::ButtonText, ToQColor(c));
    widget.setPalette(p);
}

Color TextColor(const QWidget& widget) { return ColorOf(widget.palette().color(QPalette::WindowText)); }

void SetBackColor(QWidget& widget, Color c)
{
    QPalette p = widget.palette();
    p.setColor(QPalette::Window, ToQColor(c));
    widget.setPalette(p);
}

Color BackColor(const QWidget& widget) { return ColorOf(widget.palette().color(QPalette::Window)); }
