// The main window's screens between the puzzles: the surrender with its hint, and the
// stage advances that bring the main window back with the next problem.
#include "windows/MainWindow.h"

#include "rules/GameState.h"
#include "rules/Records.h"
#include "rules/Stages.h"
#include "runtime/Counters.h"
#include "runtime/Numbers.h"
#include "runtime/Services.h"

void MainWindow::surrenderIfConfirmed()
{
    if (ShowMessage("降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion) != Answer::Yes)
        return;
    show();
    Increment(G.surrenderCount);
    setTakesInput(false);
    for (Button* b : {exitButtons[0], exitButtons[1], surrenderButton, problemButton, switchButton})
        b->setVisible(false);
    setBackColor(kTeal);
    if (const auto hint = HintFor(stage_, G.course)) {
        // The puzzle window goes, and its time limit with it: no time-out after this.
        if (hint->puzzle == OpenPuzzle::Quiz && quizWindow.isLoaded())
            quizWindow->giveUp();
        else if (hint->puzzle == OpenPuzzle::Stopwatch && stopwatchWindow.isLoaded())
            stopwatchWindow->giveUp();
        if (hint->puzzle != OpenPuzzle::None)
            show();
        setWindowTitle(hint->clearRate);
        upperLine->setTextColor(kCyan);
        upperLine->setVisible(true);
        upperLine->setText(hint->upperLine);
        if (!hint->lowerLine.isEmpty()) {
            lowerLine->setTextColor(kCyan);
            lowerLine->setVisible(true);
            lowerLine->setText(hint->lowerLine);
        }
        repaint();
        Pause(3000);
    }
    ShowMessage("仕方ないなぁ", "ただいまの降参回数は " + NumberText(G.surrenderCount) + " 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                MessageKind::Information);
    leaving_ = true;
    endIfRecordsGone(SaveRecord(kSurrenderRecord, G.surrenderCount));
    close();
    EndProgram();
}

// The steps every stage advance takes, with its own values; the puzzle has closed itself.
void MainWindow::advance(std::int16_t stage, const QColor& back, const QString& problem)
{
    stage_ = stage;
    setBackColor(back);
    show();
    exitButtons[0]->setVisible(false);
    exitButtons[1]->setVisible(false);
    surrenderButton->setVisible(true);
    surrenderButton->setEnabled(true);
    problemButton->setText(problem);
}

void MainWindow::onPanelsSolved() { advance(Stage::kPanelsSolved, QColor(113, 62, 73), "問題２"); }

void MainWindow::onQuizSolved() { advance(Stage::kQuizSolved, QColor(13, 24, 115), "問題３"); }

void MainWindow::onStopwatchSolved()
{
    advance(Stage::kLastTrick, QColor(86, 124, 51), "終了");
    problemButton->setEnabled(false);
    switchButton->setVisible(true);
    switchButton->setEnabled(true);
}
