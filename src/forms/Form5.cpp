#include "forms/Form5.h"

#include "forms/Cards.h"
#include "forms/Forms.h"
#include "modules/Module2.h"
#include "runtime/Services.h"

namespace forms {

Form5::Form5() : Form("Form5")
{
    SetBorderStyle(BorderStyle::None, false);
    SetCaption("Form4");
    SetBackColor(kCardColour);

    Place(Frame1, 120, 120, 5655, 3615);
    CardFrame(Frame1, " 問題 ２ ");
    Place(Label1, Frame1, 960, 480, 3375, 375);
    CardLabel(Label1, "一問一答", Alignment::Center);
    Place(Label2, Frame1, 240, 960, 5175, 375);
    CardLabel(Label2, "一発勝負クイズ！", Alignment::Center);
    Place(Label9, Frame1, 600, 1440, 4575, 375);
    CardLabel(Label9, "", Alignment::Center);
    Place(Label3, Frame1, 600, 1920, 4575, 375);
    CardLabel(Label3, "分かったら「答える」ボタンを押せ！", Alignment::Center);
    Place(Label6, Frame1, 960, 3120, 3855, 375);
    CardLabel(Label6, "制限時間 ５秒", Alignment::Center);

    Timer1.SetInterval(0);
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Form5::Form_Load()
{
    CenterForm(*this, 3870, 5865);
    Timer1.SetEnabled(true);
    Timer1.SetInterval(5000);
}

void Form5::Timer1_Timer()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    Unload(*this);
    ::Form6->Show();
    MsgBox("ｽﾀｰﾄﾎﾞﾀﾝを押して開始", 48, "PUSH START");
}

}  // namespace forms
