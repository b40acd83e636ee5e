#pragma once
#include <functional>

class QObject;

// Runs a handler of the game from an event of the window system; the one place that
// catches the program's end. A test's EndProgram() stops the handler here.
void Dispatch(const std::function<void()>& handler);

// Deletes a closed window once control is back in the event loop: no handler of the game
// running, and so no box open (boxes open in handlers). A box's event loop runs timers and deferred deletions, and a
// window may close under a box, or close and then open one, while a handler of its own
// (and the box on that handler's stack) still runs.
void DeleteWhenBackInTheEventLoop(QObject* window);
