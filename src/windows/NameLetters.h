#pragma once
#include "gui/Label.h"

// The game's name as the title and the version window both show it: five coloured
// letters over grey shadows, with the version and the credit line. Each window places
// the labels itself; these give them their looks.
void StyleNameLetter(Label* label, const char* text, Color colour);  // also for a shadow
void StyleVersionLabel(Label* label);                                // "Ver X.XX" until loaded
void StyleCreditLabel(Label* label);
