#include "runtime/Services.h"

#include <cstdlib>

namespace rt {
namespace {
Services* current = nullptr;
}

Services& Current()
{
    if (!current)
        std::abort();  // main() or the test installs services before anything runs
    return *current;
}

ServicesGuard::ServicesGuard(Services& s) : previous_(current) { current = &s; }
ServicesGuard::~ServicesGuard() { current = previous_; }

}  // namespace rt

int MsgBox(const QString& prompt, int style, const QString& title) { return rt::Current().MsgBox(prompt, style, title); }
QString InputBox(const QString& prompt, const QString& title) { return rt::Current().InputBox(prompt, title); }
float Clock() { return rt::Current().Clock(); }
void Sleep(int ms) { rt::Current().Sleep(ms); }
void DoEvents() { rt::Current().DoEvents(); }
void Randomize() { rt::Current().Randomize(); }
float Rnd() { return rt::Current().Rnd(); }
void End()
{
    rt::Current().End();
    std::abort();  // not reached: End never returns
}
bool PrevInstance() { return rt::Current().PrevInstance(); }
QString AppPath() { return rt::Current().AppPath(); }
