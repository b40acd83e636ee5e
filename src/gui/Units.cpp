#include "gui/Units.h"

#include <cmath>

int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

float TwipsFromPx(double px) { return static_cast<float>(px * kTwipsPerPixel); }

QColor ToQColor(Color c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

Color ColorOf(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

QFont ToQFont(const FontSpec& font)
{
    QFont f;
    if (font.face == Face::Fixed)
        f.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("Noto Sans Mono CJK JP"),
                       QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"), QStringLiteral("monospace")});
    else
        f.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP"),
                       QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic"), QStringLiteral("sans-serif")});
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

Key KeyFrom(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Down: return Key::Down;
    default: return Key::Other;
    }
}

Modifiers ModifiersFrom(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? ShiftKey : NoModifier) | (m.testFlag(Qt::ControlModifier) ? CtrlKey : NoModifier) |
           (m.testFlag(Qt::AltModifier) ? AltKey : NoModifier);
}

MouseButton MouseButtonFrom(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::Other;
    }
}
