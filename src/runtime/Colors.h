#pragma once
#include <cstdint>

class QColor;

// Colours are 24-bit &HBBGGRR values.
using Color = std::uint32_t;

constexpr Color RGB(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr Color vbBlack = 0x000000;
constexpr Color vbRed = 0x0000FF;
constexpr Color vbBlue = 0xFF0000;
constexpr Color vbCyan = 0xFFFF00;
constexpr Color vbMagenta = 0xFF00FF;
constexpr Color vbWhite = 0xFFFFFF;

namespace rt {
QColor ToQColor(Color c);
}
