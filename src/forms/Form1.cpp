#include "forms/Form1.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "modules/Module2.h"
#include "modules/Module3.h"
#include "modules/Module4.h"
#include "runtime/Guard.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

#include <cstdlib>

namespace forms {

namespace {
const FontSpec kInfoFont{Face::Fixed, 12, true};
const FontSpec kQuestionFont{Face::Proportional, 15.75, true};
}  // namespace

Form1::Form1() : Form("Form1")
{
    SetBorderStyle(BorderStyle::FixedSingle, true);
    SetCaption("ぬるぴか ２");

    Place(Command6, 3840, 2760, 975, 375);
    Command6.SetCaption("ｽｲｯﾁ(謎)");
    Place(Command4, 1200, 2280, 975, 375);
    Command4.SetCaption("はい");
    Place(Command5, 3120, 2280, 975, 375);
    Command5.SetCaption("いいえ");
    Place(Command3, 1920, 2760, 975, 375);
    Command3.SetCaption("問題１");
    Place(Command2, 240, 2760, 975, 375);
    Command2.SetCaption("降参");
    Place(Command1[1], 3840, 2760, 975, 375);
    Command1[1].SetCaption("終了");
    Place(Command1[0], 2520, 2760, 975, 375);
    Command1[0].SetCaption("おわり");
    auto label = [this](Label& l, int left, int top, int width, int height, const char* caption, Color colour,
                        const FontSpec& font) {
        Place(l, left, top, width, height);
        l.SetCaption(caption);
        l.SetForeColor(colour);
        l.SetFont(font);
        l.SetAlignment(Alignment::Center);
    };
    label(Label5, 120, 3000, 4935, 255, "BEST TIME 9999 秒", vbWhite, kInfoFont);
    label(Label4, 3360, 240, 1695, 255, "TIME ATTACK", vbWhite, kInfoFont);
    label(Label3, 3480, 0, 1575, 255, "ANOTHER", vbWhite, kInfoFont);
    label(Label1, 120, 480, 4815, 615, "", vbRed, kQuestionFont);
    label(Label2, 120, 1200, 4815, 495, "", vbRed, kQuestionFont);
    SetTabOrder({&Command5, &Command1[0], &Command1[1], &Command2, &Command3, &Command4, &Command6});

    FIle.SetCaption("ﾌｧｲﾙ(&F)");
    Exit.SetCaption("終了(&X)");
    Etc.SetCaption("ﾍﾙﾌﾟ(&H)");
    Kousan.SetCaption("降参(&C)");
    Bar1.SetCaption("-");
    Version.SetCaption("ﾊﾞｰｼﾞｮﾝ情報(&V)");
    Space.SetCaption("");
    Lock.SetCaption("Lock(&L)");
    Attack.SetCaption("Attack(&A)");

    Command4.OnClick([this] { Command4_Click(); });
    Command5.OnClick([this] { Command5_Click(); });
    Command1.OnClick([this](int Index) { Command1_Click(Index); });
    Command2.OnClick([this] { Command2_Click(); });
    Command3.OnClick([this] { Command3_Click(); });
    // the switch answers only a mouse press: Space or Enter on it does nothing
    Command6.OnMouseDown([this](int b, int s, float x, float y) { Command6_MouseDown(b, s, x, y); });
    Exit.OnClick([this] { Exit_Click(); });
    Kousan.OnClick([this] { Kousan_Click(); });
    Lock.OnClick([this] { Lock_Click(); });
    Attack.OnClick([this] { Attack_Click(); });
    Version.OnClick([this] { Version_Click(); });
}

void Form1::Form_Load()
{
    G.ExitTally[0] = 0;
    G.ExitTally[1] = 0;
    G.DownCount = 0;
    G.UpCount = 0;
    G.LeftCount = 0;
    G.RightCount = 0;
    G.Stage = 10;
    if (G.Course != "ANOTHER") {
        Label3.SetCaption("NORMAL");
        G.BestTime = G.BestTimeNormal;
    } else {
        Label3.SetCaption("ANOTHER");
        G.BestTime = G.BestTimeAnother;
    }
    CenterForm(*this, 4000, 5200);
    SetBackColor(RGB(0, 128, 128));
    for (CommandButton* b : {&Command1[0], &Command1[1], &Command2, &Command3, &Command4, &Command5, &Command6})
        b->SetVisible(false);
    Space.SetVisible(false);
    Kousan.SetVisible(false);
    Bar1.SetVisible(false);
    for (Label* l : {&Label1, &Label2, &Label3, &Label4})
        l->SetVisible(false);
    MsgBox("『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか", 0, "Welcome to ぬるぴか");
    MsgBox("乞うご期待！", 0, "Welcome to ぬるぴか");
    Pause(1000);
    SetCaption("Welcome to ぬるぴか");
    Label1.SetVisible(true);
    Label1.SetForeColor(RGB(0, 255, 255));
    Label1.SetCaption("やめるなら今のうちよ");
    Label2.SetVisible(true);
    Label2.SetForeColor(RGB(0, 255, 255));
    Label2.SetCaption("やめとく？");
    Label3.SetVisible(true);
    Command4.SetVisible(true);
    Command5.SetVisible(true);
    Refresh();
    if (G.TimeAttack) {
        Label4.SetVisible(true);
        Label5.SetCaption("BEST TIME " + CStr(G.BestTime) + " 秒");
    } else {
        Label5.SetVisible(false);
    }
}

void Form1::Command4_Click()
{
    MsgBox("あ・・・そう？根性なしねぇ。じゃぁね。", 0, "Welcome to ぬるぴか");
    Increment(G.QuitCount);
    WriteRecord("Tyutai", "Kaisu", G.QuitCount);
    End();
}

void Form1::Command5_Click()
{
    if (G.TimeAttack)
        MsgBox("これを押したらタイムアタック開始です", 0, "ぬるぴか TIME ATTACK");
    else
        MsgBox("そうこなくっちゃね。お一人様ごあんな～い", 0, "Welcome to ぬるぴか");
    Command1[0].SetVisible(true);
    Command1[1].SetVisible(true);
    Command2.SetVisible(true);
    Command2.SetEnabled(false);
    for (CommandButton* b : {&Command3, &Command4, &Command5, &Command6})
        b->SetVisible(false);
    for (Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5})
        l->SetVisible(false);
    FIle.SetVisible(true);
    Etc.SetVisible(true);
    SetCaption("ぬるぴか");
    G.StartTime = Clock();
}

void Form1::Command1_Click(int Index)
{
    if (Index == 0)
        AddTo(G.ExitTally[0], 2);
    else
        AddTo(G.ExitTally[1], 3);
    if (CheckedSum(G.ExitTally[0], G.ExitTally[1]) % 3 == 0) {
        if (G.Stage < 11)
            G.Stage = 11;
        Kousan.SetVisible(true);
        Bar1.SetVisible(true);
        Command2.SetEnabled(true);
    } else {
        Kousan.SetVisible(false);
        Bar1.SetVisible(false);
        Command2.SetEnabled(false);
    }
    if (!G.LockOn) {
        const std::int64_t d = std::llabs(std::int64_t{G.ExitTally[0]} - G.ExitTally[1]);
        if (d == 0 || (d > 10 && d < 14)) {
            if (G.Stage < 12)
                G.Stage = 12;
            Command3.SetVisible(true);
            Command3.SetEnabled(false);
            Space.SetVisible(true);
            Lock.SetVisible(true);
            Attack.SetVisible(false);
        } else {
            Command3.SetVisible(false);
            Space.SetVisible(false);
            G.Stage = 11;
        }
    } else {
        Space.SetVisible(false);
    }
    ShuffleExits();
}

void Form1::Command2_Click()
{
    if (G.Stage >= 40) {
        if (G.Course == "NORMAL") {
            MsgBox("＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？", 0, "This Word Means・・・");
            G.Stage = 41;
        } else if (G.Course == "ANOTHER") {
            MsgBox("＜S+C+A+Left＞ さて、何の暗号だろう？", 0, "This Word Means・・・");
            G.Stage = 41;
        }
    }
    Surrender();
}

void Form1::Command3_Click()
{
    if (G.Stage < 20) {
        Hide();
        Space.SetVisible(false);
        ::Form4->Show();
        G.Stage = 15;
    } else if (G.Stage <= 29) {
        G.Stage = 21;
        Hide();
        ::Form5->Show();
    } else if (G.Stage <= 39) {
        G.Stage = 31;
        Hide();
        ::Form7->Show();
    } else if (G.Stage <= 42) {
        MsgBox("そう簡単には終了できないのでした", 0, "ふふふ");
    } else if (G.Stage == 44) {
        G.EndTime = Clock();
        Congratulate();
    }
}

void Form1::Command6_MouseDown(int Button, int Shift, float /*X*/, float /*Y*/)
{
    if (G.Stage < 40)
        return;
    if (G.Course == "NORMAL") {
        if (Button == vbLeftButton && Shift == (vbShiftMask | vbAltMask)) {
            G.Stage = 44;
            Command3.SetEnabled(true);
        } else {
            if (G.Stage == 41)
                G.Stage = 42;
            Command3.SetEnabled(false);
        }
    } else if (G.Course == "ANOTHER") {
        if (G.Stage == 43) {
            G.Stage = 44;
            Command3.SetEnabled(true);
        } else {
            G.Stage = 42;
            Command3.SetEnabled(false);
        }
    }
}

void Form1::Form_MouseDown(int Button, int Shift, float /*X*/, float /*Y*/)
{
    if (G.Stage < 40 || G.Course != "ANOTHER")
        return;
    if (Button == vbLeftButton && Shift == (vbShiftMask | vbCtrlMask | vbAltMask))
        G.Stage = 43;
    else if (G.Stage == 41)
        G.Stage = 42;
}

void Form1::Form_QueryUnload(int& Cancel, int UnloadMode)
{
    // The ending runs to its end by itself and still has records to write: a user's
    // close during it would only cut that short.
    if (G.GameCleared && UnloadMode == vbFormControlMenu) {
        Cancel = 1;
        return;
    }
    if (G.Surrendered || G.Aborting || G.GameCleared || (UnloadMode != vbFormControlMenu && UnloadMode != vbFormCode))
        return;
    MsgBox("[閉じる]？出来るかっちゅーの", 48, "だめだめ");
    Cancel = 1;
}

void Form1::Exit_Click() { Unload(*this); }

void Form1::Kousan_Click() { Surrender(); }

void Form1::Lock_Click()
{
    G.LockOn = true;
    G.Stage = 13;
}

void Form1::Attack_Click() { Command3.SetEnabled(true); }

void Form1::Version_Click() { ::Form2->Show(); }

}  // namespace forms
