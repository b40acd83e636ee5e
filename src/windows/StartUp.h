#pragma once
#include "gui/Window.h"
#include "windows/MainWindow.h"
#include "windows/TitleWindow.h"

// The windows a game starts with, kept by whoever runs the game: the title window, whose
// hand-over opens the main window; the main window keeps and opens all the others.
struct GameWindows {
    WindowSlot<TitleWindow> title;
    WindowSlot<MainWindow> main;
};

// Before any window: finds the two files (beside the program, or in the player's folder
// for an installed game), refuses a second game, checks the quiz file, creates the record
// file when it is missing, loads the records and opens the title window. Ends the program
// with a message at the first failure.
void StartGame(GameWindows& windows);
