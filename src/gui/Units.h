#pragma once
// The game's units: twips, colours and fonts, each converted here and nowhere else.
#include <QColor>
#include <QFont>

// Geometry is in twips: 15 to a logical pixel (1440 to an inch at 96 dpi).
constexpr double kTwipsPerPixel = 15.0;
int Px(double twips);
float TwipsFromPx(double px);

// The game's colours.
constexpr QColor kBlack(0, 0, 0);
constexpr QColor kWhite(255, 255, 255);
constexpr QColor kGrey(128, 128, 128);
constexpr QColor kRed(255, 0, 0);
constexpr QColor kGreen(0, 255, 0);
constexpr QColor kBlue(0, 0, 255);
constexpr QColor kYellow(255, 255, 0);
constexpr QColor kCyan(0, 255, 255);
constexpr QColor kMagenta(255, 0, 255);
constexpr QColor kOrange(255, 128, 0);
constexpr QColor kTeal(0, 128, 128);          // the main window's own colour
constexpr QColor kLavender(192, 192, 255);    // the title, version, card and stopwatch windows
constexpr QColor kSystemFace(240, 240, 240);  // windows and controls that set no colour

enum class Face { Proportional, Fixed };  // the two Japanese Gothic faces

struct FontSpec {
    Face face = Face::Proportional;
    double points = 9;
    bool bold = false;
};

QFont ToQFont(const FontSpec& font);
