#include "modules/Module2.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "runtime/Guard.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

void CenterForm(Form& form, std::int32_t height, std::int32_t width)
{
    form.SetHeight(height);
    form.SetWidth(width);
    // real-number halving: an odd difference gives a half twip
    form.SetTop((rt::Current().ScreenHeight() - form.Height()) / 2.0);
    form.SetLeft((rt::Current().ScreenWidth() - form.Width()) / 2.0);
}

float ElapsedSeconds(float from, float to)
{
    float d = to - from;
    if (d < 0)
        d += 86400.0f;
    return *ToSingle(Format(d, "#####.00"));
}

Hint HintFor(std::int16_t stage, const QString& course)
{
    const bool another = course == "ANOTHER";
    switch (stage) {
    case 10: return {"ｸﾘｱ度 0%", "とりあえずクリックできるところは", "クリックしてみるべし"};
    case 11: return {"ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", ""};
    case 12: return {"ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", ""};
    case 13: return {"ｸﾘｱ度 15%", "問題１ボタンが押せるように", "なるためには、運も・・・"};
    case 15: return {"ｸﾘｱ度 20%", "こればっかりは自力で", "やってくださいな(汗)"};
    case 20: return {"ｸﾘｱ度 20%", "問題２ボタンを押せ", ""};
    case 21: return {"ｸﾘｱ度 ??%", "簡単な問題もあるよ", "", 6};
    case 30: return {"ｸﾘｱ度 ??%", "問題３ボタンを押せ", ""};
    case 31: return {"ｸﾘｱ度 ??%", another ? "一生懸命狙っても無駄かも？" : "コツはなし。気合のみ", "", 7};
    case 40: return {"ｸﾘｱ度 ??%", "ヒントは見つけましたか？", ""};
    case 41: return {"ｸﾘｱ度 ??%", another ? "NORMAL＋αが必要だ" : "逆から読むと・・・", ""};
    case 42: return {"ｸﾘｱ度 ??%", "押すキーが違うぞ", ""};
    case 43: return {"ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", ""};
    case 44: return {"ｸﾘｱ度 ??%", "終了押すだけなんですが", ""};
    default: return {};
    }
}

void Surrender()
{
    if (MsgBox("本当に降参しちゃうの？", 292, "降参？") != rt::vbYes)
        return;
    Form1->Show();
    Increment(G.SurrenderCount);
    Form1->SetEnabled(false);
    Form1->Command1[0].SetVisible(false);
    Form1->Command1[1].SetVisible(false);
    Form1->Command2.SetVisible(false);
    Form1->Command3.SetVisible(false);
    Form1->Command6.SetVisible(false);
    Form1->SetBackColor(0x808000);
    const Hint hint = HintFor(G.Stage, G.Course);
    if (!hint.rate.isEmpty()) {
        // The puzzle window goes, and its time limit with it: no time-out after this.
        if (hint.hideWindow == 6) {
            Form6->Timer1.SetEnabled(false);
            Form6->Timer1.SetInterval(0);
            Form6->Hide();
            Form1->Show();
        } else if (hint.hideWindow == 7) {
            Form7->Timer1.SetEnabled(false);
            Form7->Timer1.SetInterval(0);
            Form7->Hide();
            Form1->Show();
        }
        Form1->SetCaption(hint.rate);
        Form1->Label1.SetForeColor(vbCyan);
        Form1->Label1.SetVisible(true);
        Form1->Label1.SetCaption(hint.label1);
        if (!hint.label2.isEmpty()) {
            Form1->Label2.SetForeColor(vbCyan);
            Form1->Label2.SetVisible(true);
            Form1->Label2.SetCaption(hint.label2);
        }
        Form1->Refresh();
        Pause(3000);
    }
    MsgBox("ただいまの降参回数は " + CStr(G.SurrenderCount) + " 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", 64, "仕方ないなぁ");
    G.Surrendered = true;
    WriteRecord("Kousan", "Kaisu", G.SurrenderCount);
    Unload(Form1);
    End();
}

namespace {
// The steps every stage advance takes, with its own values.
void Advance(std::int16_t stage, Color back, rt::FormSlot& puzzle, const QString& problemCaption)
{
    G.Stage = stage;
    Form1->SetBackColor(back);
    Unload(puzzle);
    Form1->Show();
    Form1->Command1[0].SetVisible(false);
    Form1->Command1[1].SetVisible(false);
    Form1->Command2.SetVisible(true);
    Form1->Command2.SetEnabled(true);
    Form1->Command3.SetCaption(problemCaption);
}
}  // namespace

void AdvanceToProblem2() { Advance(20, 0x493E71, Form3, "問題２"); }

void AdvanceToProblem3() { Advance(30, 0x73180D, Form6, "問題３"); }

void AdvanceToEnd()
{
    Advance(40, 0x337C56, Form7, "終了");
    Form1->Command3.SetEnabled(false);
    Form1->Command6.SetVisible(true);
    Form1->Command6.SetEnabled(true);
}
