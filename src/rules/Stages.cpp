#include "rules/Stages.h"

#include <algorithm>

namespace {
using A = ProblemButtonAction;
using P = OpenPuzzle;

Qt::KeyboardModifiers Held(Qt::KeyboardModifiers keys) { return keys & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier); }
}  // namespace

const std::vector<StageRow>& StageTable()
{
    static const std::vector<StageRow> table{
        // number, what the player is doing, the problem button, the open puzzle, riddle,
        // clear rate, upper line, lower line, upper line on ANOTHER
        {Stage::kOpening, "answering the opening question", A::OpenPanels, P::None, false,
         "ｸﾘｱ度 0%", "とりあえずクリックできるところは", "クリックしてみるべし", nullptr},
        {Stage::kExitsPressed, "pressing the exit buttons", A::OpenPanels, P::None, false,
         "ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", "", nullptr},
        {Stage::kProblemButtonShown, "keeping the problem button; Lock is offered", A::OpenPanels, P::None, false,
         "ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", "", nullptr},
        {Stage::kLocked, "making the exit buttons meet for Attack", A::OpenPanels, P::None, false,
         "ｸﾘｱ度 15%", "問題１ボタンが押せるように", "なるためには、運も・・・", nullptr},
        {Stage::kPanelsOpen, "turning the nine panels red", A::OpenPanels, P::None, false,
         "ｸﾘｱ度 20%", "こればっかりは自力で", "やってくださいな(汗)", nullptr},
        {Stage::kPanelsSolved, "back on the main window after the panels", A::OpenQuiz, P::None, false,
         "ｸﾘｱ度 20%", "問題２ボタンを押せ", "", nullptr},
        {Stage::kQuizOpen, "answering the quiz", A::OpenQuiz, P::Quiz, false,
         "ｸﾘｱ度 ??%", "簡単な問題もあるよ", "", nullptr},
        {Stage::kQuizSolved, "back on the main window after the quiz", A::OpenStopwatch, P::None, false,
         "ｸﾘｱ度 ??%", "問題３ボタンを押せ", "", nullptr},
        {Stage::kStopwatchOpen, "stopping the stopwatch", A::OpenStopwatch, P::Stopwatch, false,
         "ｸﾘｱ度 ??%", "コツはなし。気合のみ", "", "一生懸命狙っても無駄かも？"},
        {Stage::kLastTrick, "looking for the last trick", A::NotYet, P::None, true,
         "ｸﾘｱ度 ??%", "ヒントは見つけましたか？", "", nullptr},
        {Stage::kRiddleShown, "reading the riddle", A::NotYet, P::None, true,
         "ｸﾘｱ度 ??%", "逆から読むと・・・", "", "NORMAL＋αが必要だ"},
        {Stage::kWrongTry, "pressing the switch with the wrong keys", A::NotYet, P::None, true,
         "ｸﾘｱ度 ??%", "押すキーが違うぞ", "", nullptr},
        {Stage::kWindowClicked, "ANOTHER: pressing the switch after the window", A::Nothing, P::None, true,
         "ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", "", nullptr},
        {Stage::kSolved, "pressing 終了 for the ending", A::StartEnding, P::None, true,
         "ｸﾘｱ度 ??%", "終了押すだけなんですが", "", nullptr},
    };
    return table;
}

const StageRow* StageRowOf(std::int16_t stage)
{
    const auto& table = StageTable();
    const auto row = std::find_if(table.begin(), table.end(), [stage](const StageRow& r) { return r.number == stage; });
    return row == table.end() ? nullptr : &*row;
}

std::optional<Hint> HintFor(std::int16_t stage, Course course)
{
    const StageRow* row = StageRowOf(stage);
    if (!row)
        return std::nullopt;
    const bool own = course == Course::Another && row->upperLineOnAnother;
    return Hint{row->clearRate, own ? row->upperLineOnAnother : row->upperLine, row->lowerLine, row->openPuzzle};
}

ProblemButtonAction ProblemButtonAt(std::int16_t stage)
{
    const StageRow* row = StageRowOf(stage);
    return row ? row->problemButton : ProblemButtonAction::Nothing;
}

QString RiddleFor(Course course)
{
    return course == Course::Another ? "＜S+C+A+Left＞ さて、何の暗号だろう？" : "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？";
}

SwitchPress PressSwitch(std::int16_t stage, Course course, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    if (stage < Stage::kLastTrick)
        return {stage, std::nullopt};
    if (course == Course::Normal) {
        if (button == Qt::LeftButton && Held(keys) == (Qt::ShiftModifier | Qt::AltModifier))
            return {Stage::kSolved, true};
        return {stage == Stage::kRiddleShown ? Stage::kWrongTry : stage, false};
    }
    if (stage == Stage::kWindowClicked)
        return {Stage::kSolved, true};
    return {Stage::kWrongTry, false};
}

std::int16_t PressWindow(std::int16_t stage, Course course, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    if (stage < Stage::kLastTrick || course != Course::Another)
        return stage;
    if (button == Qt::LeftButton && Held(keys) == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return Stage::kWindowClicked;
    return stage == Stage::kRiddleShown ? Stage::kWrongTry : stage;
}
