#pragma once
// What the two problem cards share: their colour, their frame and the look of their labels.
#include "runtime/Form.h"

namespace forms {

constexpr Color kCardColour = RGB(192, 192, 255);

void CardFrame(Frame& frame, const char* caption);
void CardLabel(Label& label, const char* caption, Alignment alignment, Color colour = vbBlack);

}  // namespace forms
