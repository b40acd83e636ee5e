#include "forms/Form4.h"

#include "forms/Forms.h"
#include "modules/GameState.h"

namespace forms {

Form4::Form4() : Card("Form4", " 問題 １ ")
{
    Row(Label1, 1200, 480, 3375, 375, "ここに9枚のﾊﾟﾈﾙがある", Alignment::Center);
    Row(Label2, 240, 960, 5175, 375, "このﾊﾟﾈﾙを全て赤くして STOP を押せ", Alignment::Center);
    Row(Label9, 1320, 1440, 3015, 375, "ﾊﾟﾈﾙをｸﾘｯｸすると、", Alignment::Center);
    Row(Label3, 600, 1920, 4575, 375, "自分自身＆隣接するﾊﾟﾈﾙの色が", Alignment::Center);
    Row(Label8, 2520, 2400, 375, 255, "←", Alignment::Left, vbBlack);
    Row(Label5, 1680, 2520, 375, 375, "青", Alignment::Left, vbBlue);
    Row(Label4, 3480, 2520, 375, 375, "赤", Alignment::Left, vbRed);
    Row(Label7, 2520, 2640, 375, 255, "→", Alignment::Left, vbBlack);
    Row(Label6, 1800, 3120, 1935, 375, "と変化するぞ", Alignment::Center);
}

void Form4::ShowProblem() { ::Form3->Show(); }

QString Form4::PushStartText() const
{
    return G.Course == "ANOTHER" ? "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）" : "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）";
}

}  // namespace forms
