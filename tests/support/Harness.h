#pragma once
// What tests do with the windows besides playing.
#include <functional>

// Runs a function as if it were a handler called by the window system: a window closed
// inside it is deleted once it returns, and EndProgram() stops it there.
void RunAsHandler(const std::function<void()>& handler);

// Drops every window at once without asking any of them.
void ResetWindows();

// How many timers of the loaded windows are running.
int RunningTimerCount();
