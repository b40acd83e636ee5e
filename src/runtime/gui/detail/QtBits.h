#pragma once
// Conversions between the game's units and Qt's, each made in exactly one place.
#include "runtime/Input.h"
#include "runtime/gui/Colors.h"

#include <QColor>
#include <QFont>
#include <Qt>

struct FontSpec;

namespace detail {

constexpr double kTwipsPerPixel = 15.0;
int Px(double twips);
float TwipsFromPx(double px);

QColor ToQColor(Color c);
QFont ToQFont(const FontSpec& font);
Key KeyFrom(int qtKey);
Modifiers ModifiersFrom(Qt::KeyboardModifiers m);
MouseButton MouseButtonFrom(Qt::MouseButton b);

}  // namespace detail
