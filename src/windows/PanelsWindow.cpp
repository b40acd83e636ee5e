#include "windows/PanelsWindow.h"

#include "rules/GameState.h"
#include "runtime/Services.h"

namespace {
// Made before the buttons: creation order is stacking order.
std::array<Label*, 9> MakePanels(QWidget* window)
{
    std::array<Label*, 9> panels{};
    for (size_t i = 0; i < panels.size(); ++i)
        panels[i] = new Label(window, QString("panel%1").arg(i + 1));
    return panels;
}
}  // namespace

PanelsWindow::PanelsWindow() : Window("panelsWindow"), panels(MakePanels(this))
{
    setBorder(Border::Single, false);
    setWindowTitle("問題１");
    for (int i = 0; i < 9; ++i) {
        Label* panel = panels[static_cast<size_t>(i)];
        place(panel, 360 + (i % 3) * 840, 240 + (i / 3) * 720, 615, 495);
        panel->setAutoFillBackground(true);
        connect(panel, &Label::clicked, this, [this, i] { onPanelClicked(i + 1); });
    }
    showBoard();
    place(stopButton, 1920, 2520, 975, 375);
    stopButton->setText("STOP");
    stopButton->setEnabled(false);
    place(startButton, 120, 2520, 975, 375);
    startButton->setText("START");

    connect(stopButton, &Button::clicked, this, &PanelsWindow::onStopClicked);
    connect(startButton, &Button::clicked, this, &PanelsWindow::onStartClicked);
    connect(timeLimit, &Timer::timeUp, this, &PanelsWindow::onTimeUp);
}

void PanelsWindow::onLoad() { centerOnScreen(3210, 3405); }

void PanelsWindow::showBoard()
{
    for (size_t i = 0; i < panels.size(); ++i)
        panels[i]->setBackColor(board_[i] == PanelColour::Red ? kRed : kBlue);
}

void PanelsWindow::onPanelClicked(int panel)
{
    board_ = Flip(board_, panel);
    showBoard();
    stopButton->setEnabled(AllRed(board_));
}

void PanelsWindow::onStartClicked()
{
    // the scramble does not look at STOP: it stays as it was, even on an all-red scramble
    board_ = Scramble(GameRandom());
    showBoard();
    startButton->setEnabled(false);
    timeLimit->start(PanelsTimeLimitSeconds(G.course) * 1000);
}

void PanelsWindow::onStopClicked()
{
    timeLimit->stop();
    ShowMessage("GOOD!", "よろしい。次に行こうか", MessageKind::Information);
    close();
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
