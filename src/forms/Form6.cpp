#include "forms/Form6.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "modules/Module2.h"
#include "modules/Module4.h"
#include "runtime/Services.h"

#include <exception>

namespace forms {

Form6::Form6() : Form("Form6")
{
    SetBorderStyle(BorderStyle::FixedSingle, false);
    SetCaption("一問一答！");

    Place(Frame1, 240, 240, 5535, 2295);
    Frame1.SetCaption(" 問題 ");
    Frame1.SetFont({Face::Proportional, 12, false});
    Place(Label1, Frame1, 240, 360, 5175, 1815);
    Label1.SetFont({Face::Fixed, 11.25, false});
    Place(Command2, 4680, 2760, 975, 375);
    Command2.SetCaption("START");
    Place(Command1, 4680, 2760, 975, 375);
    Command1.SetCaption("答える");
    Command1.SetVisible(false);
    Place(Command3, 360, 2760, 975, 375);
    Command3.SetCaption("降参");
    SetTabOrder({&Command1, &Command2, &Command3});
    Timer1.SetInterval(0);

    Command2.OnClick([this] { Command2_Click(); });
    Command1.OnClick([this] { Command1_Click(); });
    Command3.OnClick([this] { Command3_Click(); });
    Timer1.OnTimer([this] { Timer1_Timer(); });
}

void Form6::Form_Load()
{
    CenterForm(*this, 3735, 6285);
    Command1.SetVisible(false);
    Command2.SetEnabled(true);
}

void Form6::Command2_Click()
{
    Command2.SetEnabled(false);
    Command1.SetVisible(true);
    Command1.SetEnabled(true);
    Command1.SetFocus();
    Command2.SetVisible(false);
    CheckQuizFile();
    PickQuestion();
    Timer1.SetEnabled(true);
    Timer1.SetInterval(5000);
}

void Form6::Command1_Click()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    try {
        const QString answer = InputBox("制限時間無制限です\r\n"
                                        " 注）漢字で書くべきところは漢字で\r\n"
                                        " \u3000  カタカナは全角で\r\n"
                                        " \u3000  英数字は半角で",
                                        "答えは？");
        if (answer == G.QuizAnswer) {
            MsgBox("ＯＫ。次へ進め", 64, "GOOD!");
            AdvanceToProblem3();
        } else {
            MsgBox("答えが違います。次は頑張ってね", 48, "Wrong!");
            StartAgain();
        }
    } catch (const std::exception&) {
        MsgBox("その回答は認識できません", 64, "so bad!");
        StartAgain();
    }
}

void Form6::Command3_Click() { Surrender(); }

void Form6::Timer1_Timer()
{
    Timer1.SetEnabled(false);
    Timer1.SetInterval(0);
    MsgBox("再度チャレンジしてくれ給え", 48, "時間切れ");
    StartAgain();
}

// The window is created afresh: START is back and the question is gone.
void Form6::StartAgain()
{
    Unload(*this);
    ::Form6->Show();
}

}  // namespace forms
