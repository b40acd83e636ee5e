// The bare window with the game's start-up steps added one at a time, to see what each
// costs. The steps to take are named on the command line:
//   style  the Fusion style          font   the game's default font for the application
//   icon   the game's window icon    text   the title's Japanese letters in the window
//   icon16 only the 16-pixel icon, which has no lettering
//   ascii  a line of plain ASCII text in the window, in Qt's own default font
//   fonts  the title's two smaller lines as well, in their own fonts (11.25 pt, plain and
//          bold): each further font costs Qt a font engine of its own
#include "FirstPaint.h"

#include "app/GameIcon.h"
#include "gui/Units.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QStyleFactory>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto step = [&](const char* name) {
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], name) == 0)
                return true;
        return false;
    };
    bench::ExitOnFirstPaint exit(QStringLiteral("bare"));
    if (step("style"))
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (step("font"))
        QApplication::setFont(ToQFont(FontSpec{}));
    if (step("icon"))
        QApplication::setWindowIcon(GameIcon());
    if (step("icon16"))
        QApplication::setWindowIcon(QIcon(GameIconPixmap(16)));
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("bare"));
    window.setFixedSize(257, 112);
    if (step("text")) {
        auto* label = new QLabel(QStringLiteral("ぬるぴか２ (C) ぬるぴか工房"), &window);
        label->setFont(ToQFont(FontSpec{Face::Proportional, 15.75, true}));
        label->setGeometry(8, 8, 240, 40);
    }
    if (step("fonts")) {
        auto* credit = new QLabel(QStringLiteral("(C) ぬるぴか工房"), &window);
        credit->setFont(ToQFont(FontSpec{Face::Proportional, 11.25, false}));
        credit->setGeometry(8, 56, 150, 20);
        auto* version = new QLabel(QStringLiteral("Ver 0.21"), &window);
        version->setFont(ToQFont(FontSpec{Face::Proportional, 11.25, true}));
        version->setGeometry(160, 56, 90, 20);
    }
    if (step("ascii")) {
        auto* label = new QLabel(QStringLiteral("Ver 0.21"), &window);
        label->setGeometry(8, 60, 240, 40);
    }
    window.show();
    return QApplication::exec();
}
