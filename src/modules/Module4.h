#pragma once
// The quiz draw and the ending.
#include <QString>
#include <cstdint>

void PickQuestion();
bool IsQuizLine(const QString& line);

// The quiz line a target number draws: valid line ((target - 1) mod N) + 1 of the file.
// The file is read at most twice. No value when it cannot be read or has no valid line.
struct QuizDraw {
    bool ok = false;
    QString line;
    int reads = 0;  // how often the file was opened
};
QuizDraw DrawQuizLine(const QString& path, int target);
[[noreturn]] void Congratulate();
[[noreturn]] void ShowResults();

QString LevelWord(std::int32_t quitCount, std::int32_t surrenderCount);
QString ClearTimeText(float seconds);
