#pragma once
// The quiz file: lines of "question,answer". Lines that are empty, start with "#" or
// hold no comma are no questions.
#include "runtime/Random.h"

#include <QString>

// The same on a line's bytes as on its text: "#" and "," are never part of a longer
// character in either encoding of the file.
template <typename Line>
bool IsQuizLine(const Line& line)
{
    return !line.isEmpty() && !line.startsWith('#') && line.contains(',');
}

// The question line a target number draws: question ((target - 1) mod N) + 1 of the N in
// the file. The file is read at most twice: once to the target or the end, and after an
// end that came first once more, right to the drawn line.
struct QuizDraw {
    bool ok = false;  // false when the file cannot be read or holds no question
    QString line;
    int reads = 0;  // how often the file was opened
};
QuizDraw DrawQuizLine(const QString& path, int target);

// A target from 1 to 99, from the random numbers reseeded first.
int DrawQuizTarget(RandomSource& random);

// The time from START to "答える", told on the card before the quiz as "制限時間 ５秒".
constexpr int kQuizTimeLimitSeconds = 5;
QString QuizTimeLimitText();

// Split at the first comma; nothing is trimmed, so blanks belong to the answer.
struct QuizQuestion {
    QString question;
    QString answer;
};
QuizQuestion SplitQuizLine(const QString& line);
