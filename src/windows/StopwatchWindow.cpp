#include "windows/StopwatchWindow.h"

#include "rules/Clock.h"
#include "rules/GameState.h"
#include "rules/Stopwatch.h"
#include "runtime/Services.h"

namespace {
QColor VerdictColour(StopVerdict verdict)
{
    switch (verdict) {
    case StopVerdict::TooEarly: return kBlue;
    case StopVerdict::TooLate: return kRed;
    case StopVerdict::Passed: break;
    }
    return kMagenta;
}
}  // namespace

StopwatchWindow::StopwatchWindow() : Window("stopwatchWindow")
{
    setBorder(Border::Single, false);
    setWindowTitle("3秒STOP");
    setBackColor(kLavender);

    place(taskFrame, 240, 240, 5535, 1095);
    taskFrame->setTitle(" 問題 ");
    taskFrame->setBackColor(kLavender);
    taskFrame->setFont({Face::Proportional, 12, false});
    place(boundsLabel, taskFrame, 600, 360, 4815, 375);
    boundsLabel->setFont({Face::Fixed, 11.25, false});
    place(instructionLabel, taskFrame, 1680, 720, 2775, 255);
    instructionLabel->setText("以内にSTOPボタンを押せ");
    instructionLabel->setFont({Face::Fixed, 11.25, false});
    place(timeLabel, 1680, 1680, 2895, 615);
    timeLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    timeLabel->setFont({Face::Fixed, 24, true});
    timeLabel->setVisible(false);
    place(surrenderButton, 360, 2760, 975, 375);
    surrenderButton->setText("降参");
    place(startButton, 3600, 2760, 975, 375);
    startButton->setText("START");
    place(stopButton, 4920, 2760, 975, 375);
    stopButton->setText("STOP");
    stopButton->setEnabled(false);
    place(goButton, 4920, 2760, 975, 375);
    goButton->setText("GO!");
    goButton->setVisible(false);
    setTabOrder({startButton, surrenderButton, stopButton, goButton});

    connect(startButton, &Button::clicked, this, &StopwatchWindow::onStartClicked);
    connect(stopButton, &Button::clicked, this, &StopwatchWindow::onStopClicked);
    connect(surrenderButton, &Button::clicked, this, &StopwatchWindow::surrenderAsked);
    connect(goButton, &Button::clicked, this, &StopwatchWindow::onGoClicked);
    connect(timeLimit, &Timer::timeUp, this, &StopwatchWindow::onTimeUp);
}

void StopwatchWindow::onLoad()
{
    centerOnScreen(6285, 3735);
    boundsLabel->setText(StopBoundsText(G.course));
}

void StopwatchWindow::onStartClicked()
{
    stopButton->setEnabled(true);
    surrenderButton->setEnabled(false);
    stopButton->setFocus();
    timeLimit->start(kStopwatchTimeLimitSeconds * 1000);
    startButton->setEnabled(false);
    timeLabel->setVisible(false);
    startedAt_ = ClockSeconds();
}

void StopwatchWindow::onStopClicked()
{
    stoppedAt_ = ClockSeconds();
    const float elapsed = ElapsedSeconds(startedAt_, stoppedAt_);
    timeLimit->stop();
    const StopVerdict verdict = JudgeStop(elapsed, G.course);
    timeLabel->setTextColor(VerdictColour(verdict));
    timeLabel->setVisible(true);
    timeLabel->setText(SecondsText(elapsed));
    Pause(500);
    if (verdict == StopVerdict::Passed) {
        startButton->setVisible(false);
        stopButton->setVisible(false);
        goButton->setVisible(true);
        goButton->setFocus();
    } else {
        readyAgain();
        surrenderButton->setEnabled(true);
    }
}

void StopwatchWindow::onGoClicked()
{
    if (G.course == Course::Normal) {
        close();
        emit solved();
        return;
    }
    Pause(500);
    startButton->setVisible(true);
    stopButton->setVisible(true);
    goButton->setVisible(false);
    readyAgain();
    startButton->setFocus();
}

void StopwatchWindow::onTimeUp()
{
    // stopped first: the message box below must not be followed by a second advance
    timeLimit->stop();
    if (G.course == Course::Another) {
        ShowMessage("OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning);
        close();
        emit solved();
        return;
    }
    readyAgain();
    surrenderButton->setEnabled(true);
    ShowMessage("時間切れ", StopwatchTimeUpText(), MessageKind::Warning);
}

void StopwatchWindow::giveUp()
{
    timeLimit->stop();
    hide();
}

void StopwatchWindow::readyAgain()
{
    startButton->setEnabled(true);
    stopButton->setEnabled(false);
}
