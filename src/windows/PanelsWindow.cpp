#include "windows/PanelsWindow.h"

#include "rules/GameState.h"
#include "runtime/Services.h"

PanelsWindow::PanelsWindow() : Window("panelsWindow")
{
    setBorder(Border::Single, false);
    setWindowTitle("問題１");
    for (int i = 0; i < 9; ++i) {
        Label* panel = panels[static_cast<size_t>(i)];
        place(panel, 360 + (i % 3) * 840, 240 + (i / 3) * 720, 615, 495);
        panel->setAutoFillBackground(true);
        panel->onClick([this, i] { onPanelClicked(i + 1); });
    }
    showBoard(board_);
    place(stopButton, 1920, 2520, 975, 375);
    stopButton->setText("STOP");
    stopButton->setEnabled(false);
    place(startButton, 120, 2520, 975, 375);
    startButton->setText("START");

    stopButton->onClick([this] { onStopClicked(); });
    startButton->onClick([this] { onStartClicked(); });
    timeLimit->onTimeout([this] { onTimeUp(); });
}

void PanelsWindow::onLoad()
{
    centerOnScreen(3210, 3405);
    board_ = AllBlue();
    showBoard(board_);
    stopButton->setEnabled(false);
}

void PanelsWindow::showBoard(const Board& board)
{
    for (size_t i = 0; i < panels.size(); ++i)
        panels[i]->setBackColor(board[i] == PanelColour::Red ? kRed : kBlue);
}

void PanelsWindow::onPanelClicked(int panel)
{
    board_ = Flip(board_, panel);
    showBoard(board_);
    stopButton->setEnabled(AllRed(board_));
}

void PanelsWindow::onStartClicked()
{
    // the scramble does not look at STOP: it stays as it was, even on an all-red scramble
    board_ = Scramble(GameRandom());
    showBoard(board_);
    startButton->setEnabled(false);
    timeLimit->start(PanelsTimeLimitSeconds(G.course) * 1000);
}

void PanelsWindow::onStopClicked()
{
    timeLimit->stop();
    ShowMessage("GOOD!", "よろしい。次に行こうか", MessageKind::Information);
    emit solved();
}

void PanelsWindow::onTimeUp()
{
    timeLimit->stop();
    startButton->setEnabled(true);
    ShowMessage("時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning);
    close();
    emit timeUp();
}
