#include "rules/Hints.h"

#include "rules/GameState.h"

std::optional<Hint> HintFor(std::int16_t stage, const QString& course)
{
    const bool another = course == "ANOTHER";
    switch (stage) {
    case Stage::kOpening: return Hint{"ｸﾘｱ度 0%", "とりあえずクリックできるところは", "クリックしてみるべし"};
    case Stage::kExitsPressed: return Hint{"ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", ""};
    case Stage::kProblemShown: return Hint{"ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", ""};
    case Stage::kLocked: return Hint{"ｸﾘｱ度 15%", "問題１ボタンが押せるように", "なるためには、運も・・・"};
    case Stage::kPanels: return Hint{"ｸﾘｱ度 20%", "こればっかりは自力で", "やってくださいな(汗)"};
    case Stage::kProblem2: return Hint{"ｸﾘｱ度 20%", "問題２ボタンを押せ", ""};
    case Stage::kQuiz: return Hint{"ｸﾘｱ度 ??%", "簡単な問題もあるよ", "", OpenPuzzle::Quiz};
    case Stage::kProblem3: return Hint{"ｸﾘｱ度 ??%", "問題３ボタンを押せ", ""};
    case Stage::kStopwatch:
        return Hint{"ｸﾘｱ度 ??%", another ? "一生懸命狙っても無駄かも？" : "コツはなし。気合のみ", "", OpenPuzzle::Stopwatch};
    case Stage::kLastStage: return Hint{"ｸﾘｱ度 ??%", "ヒントは見つけましたか？", ""};
    case Stage::kRiddleShown: return Hint{"ｸﾘｱ度 ??%", another ? "NORMAL＋αが必要だ" : "逆から読むと・・・", ""};
    case Stage::kWrongTry: return Hint{"ｸﾘｱ度 ??%", "押すキーが違うぞ", ""};
    case Stage::kWindowClicked: return Hint{"ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", ""};
    case Stage::kSolved: return Hint{"ｸﾘｱ度 ??%", "終了押すだけなんですが", ""};
    default: return std::nullopt;
    }
}

QString RiddleFor(const QString& course)
{
    if (course == "NORMAL")
        return "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？";
    if (course == "ANOTHER")
        return "＜S+C+A+Left＞ さて、何の暗号だろう？";
    return QString();
}
