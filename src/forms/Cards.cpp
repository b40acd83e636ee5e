#include "forms/Cards.h"

#include "modules/Module2.h"
#include "runtime/Services.h"

namespace forms {

namespace {
constexpr Color kCardColour = RGB(192, 192, 255);
}

Card::Card(const char* name, const char* frameCaption) : Form(name)
{
    SetBorderStyle(BorderStyle::None, false);
    SetCaption("Form4");
    SetBackColor(kCardColour);
    Place(Frame1, 120, 120, 5655, 3615);
    Frame1.SetCaption(frameCaption);
    Frame1.SetBackColor(kCardColour);
    Frame1.SetFont({Face::Proportional, 14.25, false});
    Timer1.SetInterval(0);
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Card::Row(Label& label, int left, int top, int width, int height, const char* caption, Alignment alignment,
               Color colour)
{
    Place(label, Frame1, left, top, width, height);
    label.SetCaption(caption);
    label.SetAlignment(alignment);
    label.SetBackStyle(BackStyle::Opaque);
    label.SetBackColor(kCardColour);
    label.SetForeColor(colour);
    label.SetFont({Face::Proportional, 14.25, true});
}

void Card::Form_Load()
{
    CenterForm(*this, 3870, 5865);
    Timer1.SetEnabled(true);
    Timer1.SetInterval(5000);
}

void Card::Timer1_Timer()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    Unload(*this);
    ShowProblem();
    MsgBox(PushStartText(), 48, "PUSH START");
}

}  // namespace forms
