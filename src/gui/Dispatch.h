#pragma once
#include <functional>

// Runs a handler of the game from an event of the window system; the one place that
// catches the program's end. A test's EndProgram() stops the handler here. When no event
// loop runs (tests and tools play whole games without one), the windows the handler
// closed are deleted as it returns, as the event loop would do.
void Dispatch(const std::function<void()>& handler);
