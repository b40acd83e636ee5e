// The yardstick: one empty frameless window of the title window's size (257 × 112),
// gone on its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    bench::ExitOnFirstPaint exit(QStringLiteral("bare"));
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setObjectName(QStringLiteral("bare"));
    window.setFixedSize(257, 112);
    window.show();
    return QApplication::exec();
}
