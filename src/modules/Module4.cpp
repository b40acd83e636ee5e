#include "modules/Module4.h"

#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "modules/Module2.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"
#include "runtime/TextFile.h"

bool IsQuizLine(const QString& line)
{
    return !line.isEmpty() && !line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char(','));
}

QuizDraw DrawQuizLine(const QString& path, int target)
{
    QuizDraw draw;
    TextFileReader file;
    int count = 0;
    ++draw.reads;
    if (!file.Open(path))
        return draw;
    while (count != target) {
        if (file.Eof()) {
            file.Close();
            // The end came first, so count is the number of questions: the target wraps
            // round the file, and a second reading stops right at the drawn line.
            if (count == 0 || draw.reads == 2)
                return draw;
            target = (target - 1) % count + 1;
            count = 0;
            ++draw.reads;
            if (!file.Open(path))
                return draw;
            continue;
        }
        draw.line = file.LineInput();
        if (IsQuizLine(draw.line))
            ++count;
    }
    file.Close();
    draw.ok = true;
    return draw;
}

void PickQuestion()
{
    Randomize();
    int target = 0;
    while (target == 0)
        target = Int(Rnd() * 100.0);
    const QuizDraw draw = DrawQuizLine(G.DatPath, target);
    G.QuizLine = draw.line;
    if (!draw.ok) {
        MsgBox("【np.dat】に問題があります。処理を終了します", 16, "Read ERROR");
        End();
    }
    const int comma = static_cast<int>(G.QuizLine.indexOf(QLatin1Char(',')));
    G.QuizQuestion = G.QuizLine.left(comma);
    G.QuizAnswer = G.QuizLine.mid(comma + 1);
    Form6->Label1.SetCaption(G.QuizQuestion);
}

QString LevelWord(std::int32_t quitCount, std::int32_t surrenderCount)
{
    QString adjective;
    switch (quitCount) {
    case 0: adjective = ""; break;
    case 1: adjective = "弱気な"; break;
    case 2: adjective = "臆病者な"; break;
    default: adjective = "根性なしの"; break;
    }
    QString noun;
    if (surrenderCount >= 0 && surrenderCount <= 1)
        noun = "神";
    else if (surrenderCount >= 2 && surrenderCount <= 3)
        noun = "ゲーマー";
    else if (surrenderCount >= 4 && surrenderCount <= 9)
        noun = "一般人";
    else if (surrenderCount >= 10 && surrenderCount <= 15)
        noun = "サル";
    else
        noun = "ミジンコ";
    return adjective + noun;
}

QString ClearTimeText(float seconds)
{
    if (seconds > 3600.0f)
        return "１時間以上かかってます";
    return CStr(seconds) + " 秒";
}

void Congratulate()
{
    DoEvents();
    G.GameCleared = true;
    Form1->Command3.SetVisible(false);
    Form1->Command2.SetVisible(false);
    Form1->Command6.SetVisible(false);
    Form1->FIle.SetVisible(false);
    Form1->Etc.SetVisible(false);
    Form1->Space.SetVisible(false);
    Form1->SetBackColor(vbRed);
    Form1->SetCaption("こんぐらちゅれーしょんず！");
    // The result lines are larger than the label: it grows so that they stay readable.
    Form1->Label2.SetGrowToFit(true);
    Form1->Label1.SetVisible(true);
    Form1->Label1.SetFontSize(16);
    Form1->Label1.SetBackColor(vbRed);
    Form1->Label1.SetForeColor(vbBlue);
    Form1->Label1.SetCaption("おめでとうございますっ！");
    Form1->Label2.SetVisible(true);
    Form1->Label2.SetFontSize(16);
    Form1->Label2.SetBackColor(vbRed);
    Form1->Label2.SetForeColor(vbBlue);
    Form1->Label2.SetCaption("というか、お疲れ様でした(？)");
    Form1->Refresh();
    Pause(3000);
    Form1->Label2.SetVisible(false);
    ShowResults();
}

namespace {
void ShowScreen()
{
    Form1->Refresh();
    Pause(3000);
}

void SetLabel(Label& label, Color colour, const QString& caption)
{
    label.SetForeColor(colour);
    label.SetVisible(true);
    label.SetCaption(caption);
}

void SetResult(const QString& caption)
{
    Form1->Label2.SetForeColor(vbBlue);
    Form1->Label2.SetFontSize(28);
    Form1->Label2.SetCaption(caption);
}
}  // namespace

void ShowResults()
{
    Form1->Label1.SetVisible(false);
    DoEvents();

    Form1->SetCaption("おしまいっ♪");
    SetLabel(Form1->Label2, vbCyan, "今回はいかがでしたか？");
    ShowScreen();
    DoEvents();

    Form1->SetCaption("おしまいっ♪");
    SetLabel(Form1->Label2, vbCyan, "楽しんでいただけましたか？");
    ShowScreen();
    DoEvents();

    Form1->SetCaption("それでは");
    SetLabel(Form1->Label2, vbCyan, "また次回！（があれば(笑)）");
    ShowScreen();
    DoEvents();

    Form1->SetCaption("結果発表");
    SetLabel(Form1->Label1, vbCyan, "ちなみに降参した回数は");
    SetLabel(Form1->Label2, vbCyan, CStr(G.SurrenderCount) + " 回でした");
    ShowScreen();

    SetLabel(Form1->Label1, vbCyan, "あなたのレベルは");
    SetResult(LevelWord(G.QuitCount, G.SurrenderCount));
    ShowScreen();
    DoEvents();

    if (G.TimeAttack) {
        const float clearTime = ElapsedSeconds(G.StartTime, G.EndTime);
        const QString clearText = ClearTimeText(clearTime);
        SetLabel(Form1->Label1, vbCyan, "クリア所要時間は");
        SetResult(clearText);
        ShowScreen();
        if (clearTime < G.BestTime) {  // an equal time is no record
            SetLabel(Form1->Label1, vbCyan, "記録更新！");
            SetResult(CStr(G.BestTime) + " 秒 → " + clearText);
            ShowScreen();
            G.BestTime = clearTime;
            if (G.Course == "NORMAL")
                WriteRecord("N_Time", "1st", G.BestTime);
            else if (G.Course == "ANOTHER")
                WriteRecord("A_Time", "1st", G.BestTime);
        }
    }

    DoEvents();
    Form1->Label1.SetVisible(false);
    SetResult("お・わ・り");
    ShowScreen();

    G.SurrenderCount = 0;
    WriteRecord("Kousan", "Kaisu", G.SurrenderCount);
    G.QuitCount = 0;
    WriteRecord("Tyutai", "Kaisu", G.QuitCount);
    Unload(Form1);
    End();
}
