#include "forms/Form2.h"

#include "modules/GameState.h"

namespace forms {

Form2::Form2() : Form("Form2")
{
    SetBorderStyle(BorderStyle::FixedSingle, false);
    AllowUserClose();  // an about box closes when the player asks, close box or not
    SetCaption("ﾊﾞｰｼﾞｮﾝ情報");
    SetBackColor(RGB(192, 192, 255));
    SetClientSize(3675, 2070);
    CenterWhenShown();
    SetFont({Face::Proportional, 11.25, false});

    // the grey shadows first, so that the coloured letters lie on top of them
    auto letter = [this](Label& label, const char* text, Color colour, int left, int top) {
        Place(label, left, top, 375, 375);
        label.SetCaption(text);
        label.SetForeColor(colour);
        label.SetFont({Face::Proportional, 15.75, true});
        label.SetAlignment(Alignment::Center);
    };
    const Color grey = 0x808080;
    letter(Label2, "ぬ", grey, 280, 270);
    letter(Label8, "る", grey, 750, 510);
    letter(Label10, "ぴ", grey, 1240, 380);
    letter(Label11, "か", grey, 1710, 630);
    letter(Label12, "２", grey, 2200, 280);
    letter(Label1, "ぬ", 0x0000FF, 240, 240);
    letter(Label9, "る", 0xFFFF00, 720, 480);
    letter(Label3, "ぴ", 0x00FF00, 1200, 360);
    letter(Label4, "か", 0xFF00FF, 1680, 600);
    letter(Label7, "２", 0x00FFFF, 2160, 240);

    Place(Label5, 2520, 600, 1095, 255);
    Label5.SetCaption("Ver X.XX");
    Label5.SetForeColor(vbBlack);
    Label5.SetFont({Face::Proportional, 11.25, true});
    Place(Label6, 840, 1080, 2175, 255);
    Label6.SetCaption("(C) ぬるぴか工房");
    Label6.SetForeColor(0x0080FF);
    Place(Command1, 1320, 1560, 1095, 375);
    Command1.SetCaption("OK");
    Command1.SetFont({Face::Proportional, 9, false});
    Command1.OnClick([this] { Command1_Click(); });
}

void Form2::Form_Load() { Label5.SetCaption("Ver " + G.VersionText); }

void Form2::Command1_Click() { Unload(*this); }

}  // namespace forms
