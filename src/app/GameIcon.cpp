#include "app/GameIcon.h"

#include "gui/Units.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

QPixmap GameIconPixmap(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double u = s / 32.0;  // drawn on a 32 × 32 grid

    // card
    p.setPen(QPen(QColor(64, 64, 96), std::max(1.0, u)));
    p.setBrush(kLavender);
    p.drawRoundedRect(QRectF(0.5 * u, 0.5 * u, s - u, s - u), 5 * u, 5 * u);

    // nine panels: a click on the centre turned the cross red
    const bool red[9] = {false, true, false, true, true, true, false, true, false};
    const double cell = 8 * u, gap = 1.5 * u, origin = 3.5 * u;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const int column = i % 3, row = i / 3;
        const QRectF r(origin + column * (cell + gap), origin + row * (cell + gap), cell, cell);
        p.setBrush(red[i] ? kRed : kBlue);
        p.drawRoundedRect(r, 1.2 * u, 1.2 * u);
    }

    if (size >= 24) {
        // the "２", yellow with its grey shadow
        QFont f = ToQFont(FontSpec{Face::Proportional, 10, true});
        f.setPixelSize(static_cast<int>(16 * u));
        QPainterPath path;
        path.addText(0, 0, f, QStringLiteral("２"));
        const QRectF b = path.boundingRect();
        const QPointF at(s - b.width() - 1.5 * u - b.left(), s - 1.5 * u - b.bottom());
        p.setBrush(QColor(128, 128, 128));
        p.drawPath(path.translated(at + QPointF(1.2 * u, 1.2 * u)));
        p.setPen(QPen(QColor(60, 40, 0), 0.8 * u));
        p.setBrush(kYellow);
        p.drawPath(path.translated(at));
    }
    return pm;
}

QIcon GameIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(GameIconPixmap(size));
    return icon;
}

namespace {
class IconOnFirstFrame : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        auto* w = e->type() == QEvent::Show ? qobject_cast<QWidget*>(watched) : nullptr;
        if (w && w->isWindow() && !w->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            QApplication::setWindowIcon(GameIcon());
            deleteLater();  // its work is done
        }
        return false;
    }
};
}  // namespace

void UseGameIconFromFirstFrame() { qApp->installEventFilter(new IconOnFirstFrame); }
