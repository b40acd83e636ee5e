#pragma once
// The game's units and Qt's: twips, colours, fonts, keys and mouse buttons, each converted
// here and nowhere else.
#include "runtime/Input.h"

#include <QColor>
#include <QFont>
#include <Qt>

#include <cstdint>

// Geometry is in twips: 15 to a logical pixel (1440 to an inch at 96 dpi).
constexpr double kTwipsPerPixel = 15.0;
int Px(double twips);
float TwipsFromPx(double px);

// Colours are 24-bit values with blue in the high byte and red in the low one, as the
// game's colour tables give them (0xFF0000 is blue, 0x0000FF red).
using Color = std::uint32_t;

constexpr Color Rgb(int red, int green, int blue)
{
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kGrey = Rgb(128, 128, 128);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kGreen = Rgb(0, 255, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kCyan = Rgb(0, 255, 255);
constexpr Color kMagenta = Rgb(255, 0, 255);
constexpr Color kOrange = Rgb(255, 128, 0);
constexpr Color kTeal = Rgb(0, 128, 128);          // the main window's own colour
constexpr Color kLavender = Rgb(192, 192, 255);    // the title, version, card and stopwatch windows
constexpr Color kSystemFace = Rgb(240, 240, 240);  // windows and controls that set no colour

QColor ToQColor(Color c);
Color ColorOf(const QColor& c);

enum class Face { Proportional, Fixed };  // the two Japanese Gothic faces

struct FontSpec {
    Face face = Face::Proportional;
    double points = 9;
    bool bold = false;
};

QFont ToQFont(const FontSpec& font);

Key KeyFrom(int qtKey);
Modifiers ModifiersFrom(Qt::KeyboardModifiers m);
MouseButton MouseButtonFrom(Qt::MouseButton b);
