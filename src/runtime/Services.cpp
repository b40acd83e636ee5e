#include "runtime/Services.h"

#include <cstdlib>

namespace {
Services* current = nullptr;

// Holds nothing: every draw asks the installed services.
class ThroughServices : public RandomSource {
public:
    void reseed() override { ReseedRandom(); }
    float fraction() override { return RandomFraction(); }
};
ThroughServices throughServices;

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
void ReseedRandom() { Current().reseedRandom(); }
float RandomFraction() { return Current().randomFraction(); }
RandomSource& GameRandom() { return throughServices; }
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
