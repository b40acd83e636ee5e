#include "windows/TitleWindow.h"

#include "rules/GameState.h"

TitleWindow::TitleWindow() : Window("titleWindow")
{
    setBorder(Border::None, false);
    setWindowTitle("ぬるぴかの世界へようこそ");
    setBackColor(kLavender);
    takeKeyboardWhenShown();

    place(nameFrame, 120, 0, 3615, 1575);
    nameFrame->setBackColor(kLavender);
    nameFrame->setTextColor(kYellow);
    place(name, nameFrame, 0, 0, GameName::kWidth, GameName::kHeight);

    connect(handOverTimer, &Timer::timeUp, this, &TitleWindow::onHandOver);
}

void TitleWindow::onLoad()
{
    centerOnScreen(3855, 1680);
    G.course = Course::Normal;
}

void TitleWindow::startHandOver() { handOverTimer->start(2000); }

void TitleWindow::onHandOver()
{
    close();
    emit handOver();
}

void TitleWindow::keyReleased(Qt::Key key, Qt::KeyboardModifiers) { CountTitleKey(key, keyRuns_, G.course, G.timeAttack); }
