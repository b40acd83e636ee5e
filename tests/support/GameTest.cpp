#include "GameTest.h"

#include "runtime/Files.h"

void GameTest::startToMainWindow()
{
    if (!IsOrdinaryFile(path("NP2.DAT")))
        writeQuiz("# quiz\n日本の首都は？,東京");
    StartGame();
    titleWindow->onHandOver();
}

namespace {
std::string Flags(std::initializer_list<const Control*> controls, bool (Control::*test)() const)
{
    std::string s;
    for (const Control* c : controls)
        s += (c->*test)() ? '1' : '0';
    return s;
}
}  // namespace

std::string Shown(std::initializer_list<const Control*> controls) { return Flags(controls, &Control::isVisible); }
std::string Enabled(std::initializer_list<const Control*> controls) { return Flags(controls, &Control::isEnabled); }
