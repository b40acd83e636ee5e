#include "runtime/Services.h"

#include <cstdlib>

namespace {
Services* current = nullptr;

Services& Current()
{
    if (!current)
        std::abort();  // main() or the test installs services before anything runs
    return *current;
}
}  // namespace

ServicesGuard::ServicesGuard(Services& s) : previous_(current) { current = &s; }
ServicesGuard::~ServicesGuard() { current = previous_; }

Answer ShowMessage(const QString& title, const QString& text, MessageKind kind) { return Current().showMessage(title, text, kind); }
QString AskText(const QString& title, const QString& prompt) { return Current().askText(title, prompt); }
float ClockSeconds() { return Current().clockSeconds(); }
void Pause(int ms) { Current().pause(ms); }
void ProcessEvents() { Current().processEvents(); }
RandomSource& GameRandom() { return Current(); }
void EndProgram()
{
    Current().endProgram();
    std::abort();  // not reached: endProgram never returns
}
bool AnotherInstanceRunning(const QString& folder) { return Current().anotherInstanceRunning(folder); }
QString ProgramFolder() { return Current().programFolder(); }
QString UserDataFolder() { return Current().userDataFolder(); }
int ScreenWidthTwips() { return Current().screenWidthTwips(); }
int ScreenHeightTwips() { return Current().screenHeightTwips(); }
