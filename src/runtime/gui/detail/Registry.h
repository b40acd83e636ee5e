#pragma once
// The runtime's record of the loaded windows and of the handler that runs, shared by the
// window and control classes and the application's services.
#include <functional>
#include <vector>

class QWidget;
class Window;

namespace detail {

// Runs a handler of the game from an event of the window system. Ends the program when
// no window is loaded any more once control is back in the event loop.
void Dispatch(const std::function<void()>& handler);

std::vector<Window*> LoadedWindows();  // in the order they were loaded
QWidget* FrontWindow();                // the window a message box should stand in front of
bool AllShownWindowsExposed();
void RepaintVisibleWindows();
bool AnyWindowRefusesSessionEnd();
void SetEventLoopRunning(bool running);

}  // namespace detail
