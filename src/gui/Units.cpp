#include "gui/Units.h"

#include <cmath>

int Px(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

float TwipsFromPx(double px) { return static_cast<float>(px * kTwipsPerPixel); }

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
