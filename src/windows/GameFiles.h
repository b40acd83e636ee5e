#pragma once
// The game's two files as the windows use them. A file that has gone ends the game with
// a message; a record that cannot be written is reported and the game goes on.
#include "rules/Records.h"

#include <cstdint>

// Ends the game with ".DAT Don't Exist" when the quiz file has gone.
void CheckQuizFile();
// Loads the four records into the game state, or ends the game with a message.
void LoadRecords();
void SaveRecord(RecordKey key, std::int32_t value);
void SaveRecord(RecordKey key, float value);
