#pragma once
// The quiz draw and the ending.
#include <QString>
#include <cstdint>

void PickQuestion();
bool IsQuizLine(const QString& line);
[[noreturn]] void Congratulate();
[[noreturn]] void ShowResults();

QString LevelWord(std::int32_t quitCount, std::int32_t surrenderCount);
QString ClearTimeText(float seconds);
