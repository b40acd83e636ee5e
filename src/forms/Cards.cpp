#include "forms/Cards.h"

namespace forms {

void CardFrame(Frame& frame, const char* caption)
{
    frame.SetCaption(caption);
    frame.SetBackColor(kCardColour);
    frame.SetFont({Face::Proportional, 14.25, false});
}

void CardLabel(Label& label, const char* caption, Alignment alignment, Color colour)
{
    label.SetCaption(caption);
    label.SetAlignment(alignment);
    label.SetBackStyle(BackStyle::Opaque);
    label.SetBackColor(kCardColour);
    label.SetForeColor(colour);
    label.SetFont({Face::Proportional, 14.25, true});
}

}  // namespace forms
