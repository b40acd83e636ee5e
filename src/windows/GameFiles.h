#pragma once
// The game's two files as the windows use them. Each function shows the message of a
// failure and says what comes of it; the window that called it closes if it must and
// ends the program.
#include "rules/Records.h"

#include <cstdint>

enum class FileReport {
    GoOn,
    EndGame,  // a file has gone, or the records are broken: the message is shown
};

// ".DAT Don't Exist" when the quiz file has gone.
[[nodiscard]] FileReport CheckQuizFile();
// Loads the four records into the game state.
[[nodiscard]] FileReport LoadRecords();
// A record that cannot be written is reported and the game goes on; a record file that
// has gone ends it.
[[nodiscard]] FileReport SaveRecord(RecordKey key, std::int32_t value);
[[nodiscard]] FileReport SaveRecord(RecordKey key, float value);
