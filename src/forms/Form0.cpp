#include "forms/Form0.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module2.h"
#include "runtime/Guard.h"

namespace forms {

namespace {
const FontSpec kLetterFont{Face::Proportional, 15.75, true};
const Color kGrey = RGB(128, 128, 128);
}  // namespace

Form0::Form0() : Form("Form0")
{
    SetBorderStyle(BorderStyle::None, false);
    SetCaption("ぬるぴかの世界へようこそ");
    SetBackColor(RGB(192, 192, 255));
    TakeKeyboardWhenShown();

    Place(Frame1, 120, 0, 3615, 1575);
    Frame1.SetBackColor(RGB(192, 192, 255));
    Frame1.SetForeColor(RGB(255, 255, 0));
    Timer1.SetEnabled(true);
    Timer1.SetInterval(0);
    Timer1.OnTimer([this] { Timer1_Timer(); });

    // the letters of the name and their grey shadows, one row each
    auto letter = [this](Label& label, const char* text, Color colour, int left, int top) {
        Place(label, Frame1, left, top, 375, 375);
        label.SetCaption(text);
        label.SetForeColor(colour);
        label.SetFont(kLetterFont);
        label.SetAlignment(Alignment::Center);
    };
    letter(Label9, "る", RGB(0, 255, 255), 720, 480);
    letter(Label7, "２", RGB(255, 255, 0), 2160, 240);
    Place(Label6, Frame1, 840, 1080, 2175, 255);
    Label6.SetCaption("(C) ぬるぴか工房");
    Label6.SetForeColor(RGB(255, 128, 0));
    Label6.SetFont({Face::Proportional, 11.25, false});
    Place(Label5, Frame1, 2520, 600, 1095, 255);
    Label5.SetCaption("Ver X.XX");
    Label5.SetForeColor(vbBlack);
    Label5.SetFont({Face::Proportional, 11.25, true});
    letter(Label3, "ぴ", RGB(0, 255, 0), 1200, 360);
    letter(Label1, "ぬ", RGB(255, 0, 0), 240, 240);
    letter(Label8, "ぬ", kGrey, 290, 270);
    letter(Label2, "る", kGrey, 760, 530);
    letter(Label10, "ぴ", kGrey, 1250, 410);
    letter(Label4, "か", RGB(255, 0, 255), 1680, 600);
    letter(Label11, "か", kGrey, 1720, 630);
    letter(Label12, "２", kGrey, 2200, 280);
    // each grey copy is the shadow of its letter: it lies underneath
    for (Label* shadow : {&Label8, &Label2, &Label10, &Label11, &Label12})
        shadow->ZOrder(1);
}

void Form0::Form_Load()
{
    CenterForm(*this, 1680, 3855);
    Label5.SetCaption("Ver " + G.VersionText);
    G.Course = "NORMAL";
}

void Form0::Timer1_Timer()
{
    Unload(*this);
    ::Form1->Show();
}

void Form0::Form_KeyUp(int KeyCode, int /*Shift*/)
{
    switch (KeyCode) {
    case 40:  // Down
        Increment(G.DownCount);
        G.UpCount = 0;
        break;
    case 38:  // Up
        Increment(G.UpCount);
        G.DownCount = 0;
        break;
    case 37:  // Left
        Increment(G.LeftCount);
        G.RightCount = 0;
        break;
    case 39:  // Right
        Increment(G.RightCount);
        G.LeftCount = 0;
        break;
    default:
        break;
    }
    if (G.DownCount == 2)
        G.Course = "ANOTHER";
    if (G.UpCount == 4)
        G.Course = "NORMAL";
    if (G.LeftCount == 2)
        G.TimeAttack = true;
    if (G.LeftCount == 4) {
        G.TimeAttack = false;
        G.LeftCount = 0;
    }
}

}  // namespace forms
