#include "windows/QuizWindow.h"

#include "rules/GameState.h"
#include "runtime/Services.h"
#include "windows/GameFiles.h"

QuizWindow::QuizWindow() : Window("quizWindow")
{
    setBorder(Border::Single, false);
    setWindowTitle("一問一答！");

    place(questionFrame, 240, 240, 5535, 2295);
    questionFrame->setTitle(" 問題 ");
    questionFrame->setFont({Face::Proportional, 12, false});
    place(questionLabel, questionFrame, 240, 360, 5175, 1815);
    questionLabel->setFont({Face::Fixed, 11.25, false});
    place(startButton, 4680, 2760, 975, 375);
    startButton->setText("START");
    place(answerButton, 4680, 2760, 975, 375);
    answerButton->setText("答える");
    answerButton->setVisible(false);
    place(surrenderButton, 360, 2760, 975, 375);
    surrenderButton->setText("降参");
    setTabOrder({answerButton, startButton, surrenderButton});

    connect(startButton, &Button::clicked, this, &QuizWindow::onStartClicked);
    connect(answerButton, &Button::clicked, this, &QuizWindow::onAnswerClicked);
    connect(surrenderButton, &Button::clicked, this, &QuizWindow::surrenderAsked);
    connect(timeLimit, &Timer::timeUp, this, &QuizWindow::onTimeUp);
}

void QuizWindow::onLoad() { centerOnScreen(6285, 3735); }

void QuizWindow::onStartClicked()
{
    startButton->setEnabled(false);
    answerButton->setVisible(true);
    answerButton->setEnabled(true);
    answerButton->setFocus();
    startButton->setVisible(false);
    if (CheckQuizFile() == FileReport::EndGame)
        EndProgram();
    drawQuestion();
    timeLimit->start(kQuizTimeLimitSeconds * 1000);
}

void QuizWindow::drawQuestion()
{
    const QuizDraw draw = DrawQuizLine(G.quizPath, DrawQuizTarget(GameRandom()));
    if (!draw.ok) {
        ShowMessage("Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop);
        EndProgram();
    }
    question_ = SplitQuizLine(draw.line);
    questionLabel->setText(question_.question);
}

void QuizWindow::onAnswerClicked()
{
    timeLimit->stop();  // no time limit while the player types
    const QString answer = AskText("答えは？",
                                   "制限時間無制限です\r\n"
                                   " 注）漢字で書くべきところは漢字で\r\n"
                                   " \u3000  カタカナは全角で\r\n"
                                   " \u3000  英数字は半角で");
    if (answer == question_.answer) {
        ShowMessage("GOOD!", "ＯＫ。次へ進め", MessageKind::Information);
        close();
        emit solved();
    } else {
        ShowMessage("Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning);
        startAgain();
    }
}

void QuizWindow::onTimeUp()
{
    timeLimit->stop();
    ShowMessage("時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning);
    startAgain();
}

void QuizWindow::giveUp()
{
    timeLimit->stop();
    hide();
}

// Its owner makes the window afresh: START is back and the question is gone.
void QuizWindow::startAgain()
{
    close();
    emit failed();
}
