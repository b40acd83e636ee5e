#include "forms/Form3.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module2.h"
#include "modules/Module3.h"
#include "runtime/Services.h"

#include <array>
#include <vector>

namespace forms {

namespace {
// The panels a click flips, in order: the clicked one, then above, left, right, below.
const std::array<std::vector<int>, 10> kFlips = {{
    {},
    {1, 2, 4},
    {2, 1, 3, 5},
    {3, 2, 6},
    {4, 1, 5, 7},
    {5, 2, 4, 6, 8},
    {6, 3, 5, 9},
    {7, 4, 8},
    {8, 5, 7, 9},
    {9, 6, 8},
}};
}  // namespace

Form3::Form3() : Form("Form3")
{
    SetBorderStyle(BorderStyle::FixedSingle, false);
    SetCaption("問題１");
    Place(Label1, 360, 240, 615, 495);
    Place(Label2, 1200, 240, 615, 495);
    Place(Label3, 2040, 240, 615, 495);
    Place(Label4, 360, 960, 615, 495);
    Place(Label5, 1200, 960, 615, 495);
    Place(Label6, 2040, 960, 615, 495);
    Place(Label7, 360, 1680, 615, 495);
    Place(Label8, 1200, 1680, 615, 495);
    Place(Label9, 2040, 1680, 615, 495);
    for (int n = 1; n <= 9; ++n) {
        Panel(n).SetBackStyle(BackStyle::Opaque);
        Panel(n).SetBackColor(vbBlue);
        Panel(n).OnClick([this, n] { PanelClick(n); });
    }
    Place(Command1, 1920, 2520, 975, 375);
    Command1.SetCaption("STOP");
    Command1.SetEnabled(false);
    Place(Command2, 120, 2520, 975, 375);
    Command2.SetCaption("START");
    Timer1.SetInterval(0);

    Command1.OnClick([this] { Command1_Click(); });
    Command2.OnClick([this] { Command2_Click(); });
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Form3::Form_Load()
{
    CenterForm(*this, 3405, 3210);
    for (int n = 1; n <= 9; ++n)
        Panel(n).SetBackColor(vbBlue);
    Command1.SetEnabled(false);
}

void Form3::PanelClick(int n)
{
    for (int flipped : kFlips[static_cast<size_t>(n)]) {
        Label& panel = Panel(flipped);
        panel.SetBackColor(panel.BackColor() == vbBlue ? vbRed : vbBlue);
    }
    CheckPanels();
}

void Form3::Command2_Click()
{
    ScramblePanels();
    Command2.SetEnabled(false);
    Timer1.SetEnabled(true);
    Timer1.SetInterval(G.Course == "ANOTHER" ? 10000 : 20000);
}

void Form3::Command1_Click()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    MsgBox("よろしい。次に行こうか", 64, "GOOD!");
    AdvanceToProblem2();
}

void Form3::Timer1_Timer()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    Command2.SetEnabled(true);
    MsgBox("もう一度やりなおしじゃ", 48, "時間切れ");
    Unload(*this);
    ::Form1->Show();
}

}  // namespace forms
