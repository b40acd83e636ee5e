#include "forms/Form5.h"

#include "forms/Forms.h"

namespace forms {

Form5::Form5() : Card("Form5", " 問題 ２ ")
{
    Row(Label1, 960, 480, 3375, 375, "一問一答", Alignment::Center);
    Row(Label2, 240, 960, 5175, 375, "一発勝負クイズ！", Alignment::Center);
    Row(Label9, 600, 1440, 4575, 375, "", Alignment::Center);
    Row(Label3, 600, 1920, 4575, 375, "分かったら「答える」ボタンを押せ！", Alignment::Center);
    Row(Label6, 960, 3120, 3855, 375, "制限時間 ５秒", Alignment::Center);
}

void Form5::ShowProblem() { ::Form6->Show(); }

QString Form5::PushStartText() const { return "ｽﾀｰﾄﾎﾞﾀﾝを押して開始"; }

}  // namespace forms
