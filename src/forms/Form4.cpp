#include "forms/Form4.h"

#include "forms/Cards.h"
#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module2.h"
#include "runtime/Services.h"

namespace forms {

Form4::Form4() : Form("Form4")
{
    SetBorderStyle(BorderStyle::None, false);
    SetCaption("Form4");
    SetBackColor(kCardColour);

    Place(Frame1, 120, 120, 5655, 3615);
    CardFrame(Frame1, " 問題 １ ");
    Place(Label1, Frame1, 1200, 480, 3375, 375);
    CardLabel(Label1, "ここに9枚のﾊﾟﾈﾙがある", Alignment::Center);
    Place(Label2, Frame1, 240, 960, 5175, 375);
    CardLabel(Label2, "このﾊﾟﾈﾙを全て赤くして STOP を押せ", Alignment::Center);
    Place(Label9, Frame1, 1320, 1440, 3015, 375);
    CardLabel(Label9, "ﾊﾟﾈﾙをｸﾘｯｸすると、", Alignment::Center);
    Place(Label3, Frame1, 600, 1920, 4575, 375);
    CardLabel(Label3, "自分自身＆隣接するﾊﾟﾈﾙの色が", Alignment::Center);
    Place(Label8, Frame1, 2520, 2400, 375, 255);
    CardLabel(Label8, "←", Alignment::Left, vbBlack);
    Place(Label5, Frame1, 1680, 2520, 375, 375);
    CardLabel(Label5, "青", Alignment::Left, vbBlue);
    Place(Label4, Frame1, 3480, 2520, 375, 375);
    CardLabel(Label4, "赤", Alignment::Left, vbRed);
    Place(Label7, Frame1, 2520, 2640, 375, 255);
    CardLabel(Label7, "→", Alignment::Left, vbBlack);
    Place(Label6, Frame1, 1800, 3120, 1935, 375);
    CardLabel(Label6, "と変化するぞ", Alignment::Center);

    Timer1.SetInterval(0);
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Form4::Form_Load()
{
    CenterForm(*this, 3870, 5865);
    Timer1.SetEnabled(true);
    Timer1.SetInterval(5000);
}

void Form4::Timer1_Timer()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    Unload(*this);
    ::Form3->Show();
    if (G.Course == "ANOTHER")
        MsgBox("ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", 48, "PUSH START");
    else
        MsgBox("ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）", 48, "PUSH START");
}

}  // namespace forms
