#include "gui/Frame.h"

#include <QPainter>

Frame::Frame(QWidget* parent, const QString& name) : Control(parent, name)
{
    setAutoFillBackground(true);
    setTextColor(kBlack);
    setBackColor(kSystemFace);
}

void Frame::setTitle(const QString& title)
{
    title_ = title;
    setAccessibleName(title);
    update();
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = title_.isEmpty() ? 0 : fm.height() / 2;
    const QRect box(0, top, width() - 2, height() - top - 2);
    p.setPen(kGrey);
    p.drawRect(box);
    p.setPen(Qt::white);
    p.drawRect(box.translated(1, 1));
    if (title_.isEmpty())
        return;
    const QRect text(8, 0, fm.horizontalAdvance(title_) + 2, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, title_);
}
