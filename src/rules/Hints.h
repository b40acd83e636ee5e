#pragma once
// What a surrender shows: how far the player got, and a hint for the stage the player is
// stuck at.
#include <QString>

#include <cstdint>
#include <optional>

// The puzzle window that is open at a stage; the surrender takes it away.
enum class OpenPuzzle { None, Quiz, Stopwatch };

struct Hint {
    QString clearRate;  // in the main window's title bar
    QString upperLine;
    QString lowerLine;  // empty: the lower line is left as it is
    OpenPuzzle puzzle = OpenPuzzle::None;
};

// No hint for a stage the game never sets.
std::optional<Hint> HintFor(std::int16_t stage, const QString& course);

// The riddle the surrender button asks at the last stage; empty for any other course.
QString RiddleFor(const QString& course);
