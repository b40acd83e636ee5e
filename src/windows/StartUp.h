#pragma once
// Before any window: finds the two files (beside the program, or in the player's folder
// for an installed game), refuses a second game, checks the quiz file, creates the record
// file when it is missing, loads the records and opens the title window. Ends the program
// with a message at the first failure.
void StartGame();
