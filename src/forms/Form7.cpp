#include "forms/Form7.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "modules/Module2.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

namespace forms {

Form7::Form7() : Form("Form7")
{
    SetBorderStyle(BorderStyle::FixedSingle, false);
    SetCaption("3秒STOP");
    SetBackColor(RGB(192, 192, 255));

    Place(Frame1, 240, 240, 5535, 1095);
    Frame1.SetCaption(" 問題 ");
    Frame1.SetBackColor(RGB(192, 192, 255));
    Frame1.SetFont({Face::Proportional, 12, false});
    Place(Label1, Frame1, 600, 360, 4815, 375);
    Label1.SetFont({Face::Fixed, 11.25, false});
    Place(Label2, Frame1, 1680, 720, 2775, 255);
    Label2.SetCaption("以内にSTOPボタンを押せ");
    Label2.SetFont({Face::Fixed, 11.25, false});
    Place(Label3, 1680, 1680, 2895, 615);
    Label3.SetAlignment(Alignment::Center);
    Label3.SetFont({Face::Fixed, 24, true});
    Label3.SetVisible(false);
    Place(Command3, 360, 2760, 975, 375);
    Command3.SetCaption("降参");
    Place(Command1, 3600, 2760, 975, 375);
    Command1.SetCaption("START");
    Place(Command2, 4920, 2760, 975, 375);
    Command2.SetCaption("STOP");
    Command2.SetEnabled(false);
    Place(Command4, 4920, 2760, 975, 375);
    Command4.SetCaption("GO!");
    Command4.SetVisible(false);
    SetTabOrder({&Command1, &Command3, &Command2, &Command4});
    Timer1.SetInterval(0);

    Command1.OnClick([this] { Command1_Click(); });
    Command2.OnClick([this] { Command2_Click(); });
    Command3.OnClick([this] { Command3_Click(); });
    Command4.OnClick([this] { Command4_Click(); });
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Form7::Form_Load()
{
    CenterForm(*this, 3735, 6285);
    if (G.Course == "ANOTHER")
        Label1.SetCaption("STARTボタンを押してから 2.90秒～3.00秒");
    else
        Label1.SetCaption("STARTボタンを押してから 2.80秒～3.00秒");
    Command2.SetEnabled(false);
    Label3.SetVisible(false);
    Command4.SetVisible(false);
}

void Form7::Command1_Click()
{
    Command2.SetEnabled(true);
    Command3.SetEnabled(false);
    Command2.SetFocus();
    Timer1.SetEnabled(true);
    Timer1.SetInterval(10000);
    Command1.SetEnabled(false);
    Label3.SetVisible(false);
    G.StopwatchStart = Clock();
}

void Form7::Command2_Click()
{
    G.StopwatchStop = Clock();
    const float elapsed = ElapsedSeconds(G.StopwatchStart, G.StopwatchStop);
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    // compared in single precision, so that a time that reads 2.80 meets the bound 2.80
    const float lower = G.Course == "ANOTHER" ? 2.90f : 2.80f;
    const float upper = 3.00f;
    const bool passed = !(elapsed < lower) && !(elapsed > upper);
    if (elapsed < lower)
        Label3.SetForeColor(vbBlue);
    else if (elapsed > upper)
        Label3.SetForeColor(vbRed);
    else
        Label3.SetForeColor(vbMagenta);
    Label3.SetVisible(true);
    Label3.SetCaption(CStr(elapsed) + " 秒");
    Pause(500);
    if (passed) {
        Command1.SetVisible(false);
        Command2.SetVisible(false);
        Command4.SetVisible(true);
        Command4.SetFocus();
    } else {
        Command1.SetEnabled(true);
        Command2.SetEnabled(false);
        Command3.SetEnabled(true);
    }
}

void Form7::Command3_Click() { Surrender(); }

void Form7::Command4_Click()
{
    if (G.Course != "ANOTHER") {
        AdvanceToEnd();
        return;
    }
    Pause(500);
    Command1.SetVisible(true);
    Command2.SetVisible(true);
    Command4.SetVisible(false);
    Command1.SetEnabled(true);
    Command2.SetEnabled(false);
    Command1.SetFocus();
}

void Form7::Timer1_Timer()
{
    // stopped first: the message box below must not be followed by a second advance
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    if (G.Course == "ANOTHER") {
        MsgBox("を、良くぞ見破った", 48, "OK! GoTo Next");
        AdvanceToEnd();
        return;
    }
    Command1.SetEnabled(true);
    Command2.SetEnabled(false);
    Command3.SetEnabled(true);
    MsgBox("10秒もたってしまいました", 48, "時間切れ");
}

}  // namespace forms
