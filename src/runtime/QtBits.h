#pragma once
// Conversions between the game's units and Qt's, each made in exactly one place.
#include "runtime/Controls.h"

#include <QFont>
#include <Qt>

namespace rt {

constexpr double kTwipsPerPixel = 15.0;
int Px(double twips);
float TwipsFromPx(double px);

QFont ToQFont(const FontSpec& font);
int VirtualKey(int k);
int ShiftMask(Qt::KeyboardModifiers m);
int MouseButton(Qt::MouseButton b);

}  // namespace rt
