// The yardsticks for the game's start-up, each gone on its first paint: an empty frameless
// window of the title window's size (257 × 112); with "text", one line of the title's
// Japanese text in the game's font; with "fonts", the title's two smaller lines as well,
// in their own fonts (11.25 pt, plain and bold): each further font costs Qt a font engine.
#include "FirstPaint.h"
#include "gui/Units.h"

#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QByteArray what(argc > 1 ? argv[1] : "");
    ExitOnFirstPaint exit(QStringLiteral("reference"));
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("reference"));
    window.setFixedSize(257, 112);
    auto line = [&window](const QString& text, const FontSpec& font, const QRect& place) {
        auto* label = new QLabel(text, &window);
        label->setFont(ToQFont(font));
        label->setGeometry(place);
    };
    if (what == "text" || what == "fonts")
        line(QStringLiteral("ぬるぴか２ (C) ぬるぴか工房"), {Face::Proportional, 15.75, true}, {8, 8, 240, 40});
    if (what == "fonts") {
        line(QStringLiteral("(C) ぬるぴか工房"), {Face::Proportional, 11.25, false}, {8, 56, 150, 20});
        line(QStringLiteral("Ver 0.21"), {Face::Proportional, 11.25, true}, {160, 56, 90, 20});
    }
    window.show();
    return QApplication::exec();
}
