#include "GameTest.h"

#include "runtime/Files.h"

void GameTest::SetUp()
{
    ResetWindows();
    G = GameState{};
    FolderTest::SetUp();
}

void GameTest::TearDown()
{
    ResetWindows();
    G = GameState{};
    FolderTest::TearDown();
}

void GameTest::startToMainWindow()
{
    if (!IsOrdinaryFile(path("NP2.DAT")))
        writeQuiz("# quiz\n日本の首都は？,東京");
    StartGame();
    titleWindow->onHandOver();
}

void GameTest::startRun()
{
    startToMainWindow();
    mainWindow->onNoClicked();
}

std::string Shown(std::initializer_list<const Control*> controls)
{
    std::string s;
    for (const Control* c : controls)
        s += c->isVisible() ? '1' : '0';
    return s;
}

std::string Enabled(std::initializer_list<const Control*> controls)
{
    std::string s;
    for (const Control* c : controls)
        s += c->isEnabled() ? '1' : '0';
    return s;
}
