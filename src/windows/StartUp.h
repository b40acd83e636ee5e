#pragma once
// Before any window: refuses a second game, finds the two files in the program's folder,
// checks the quiz file, creates the record file when it is missing, loads the records and
// opens the title window. Ends the program with a message at the first failure.
void StartGame();
