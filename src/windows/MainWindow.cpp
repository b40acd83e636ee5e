#include "windows/MainWindow.h"

#include "rules/Clock.h"
#include "rules/ExitButtons.h"
#include "rules/GameState.h"
#include "rules/Records.h"
#include "rules/Stages.h"
#include "runtime/Counters.h"
#include "runtime/Services.h"

namespace {
const FontSpec kInfoFont{Face::Fixed, 12, true};
const FontSpec kLineFont{Face::Proportional, 15.75, true};
const QString kWelcome = "Welcome to ぬるぴか";
}  // namespace

MainWindow::MainWindow() : Window("mainWindow")
{
    setBorder(Border::Single, true);
    setWindowTitle("ぬるぴか ２");

    place(switchButton, 3840, 2760, 975, 375);
    switchButton->setText("ｽｲｯﾁ(謎)");
    place(yesButton, 1200, 2280, 975, 375);
    yesButton->setText("はい");
    place(noButton, 3120, 2280, 975, 375);
    noButton->setText("いいえ");
    place(problemButton, 1920, 2760, 975, 375);
    problemButton->setText("問題１");
    place(surrenderButton, 240, 2760, 975, 375);
    surrenderButton->setText("降参");
    place(exitButtons[1], 3840, 2760, 975, 375);
    exitButtons[1]->setText("終了");
    place(exitButtons[0], 2520, 2760, 975, 375);
    exitButtons[0]->setText("おわり");
    auto label = [this](Label* l, int left, int top, int width, int height, const char* text, const QColor& colour,
                        const FontSpec& font) {
        place(l, left, top, width, height);
        l->setText(text);
        l->setTextColor(colour);
        l->setFont(font);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    };
    label(bestTimeLabel, 120, 3000, 4935, 255, "BEST TIME 9999 秒", kWhite, kInfoFont);
    label(timeAttackLabel, 3360, 240, 1695, 255, "TIME ATTACK", kWhite, kInfoFont);
    label(courseLabel, 3480, 0, 1575, 255, "ANOTHER", kWhite, kInfoFont);
    label(upperLine, 120, 480, 4815, 615, "", kRed, kLineFont);
    label(lowerLine, 120, 1200, 4815, 495, "", kRed, kLineFont);
    lowerLineLayout_ = lowerLine->geometry();
    setTabOrder({noButton, exitButtons[0], exitButtons[1], surrenderButton, problemButton, yesButton, switchButton});

    fileMenu->setTitle("ﾌｧｲﾙ(&F)");
    closeItem->setText("終了(&X)");
    helpMenu->setTitle("ﾍﾙﾌﾟ(&H)");
    surrenderItem->setText("降参(&C)");
    versionItem->setText("ﾊﾞｰｼﾞｮﾝ情報(&V)");
    blankMenu->setTitle("");
    lockItem->setText("Lock(&L)");
    attackItem->setText("Attack(&A)");

    connect(yesButton, &Button::clicked, this, &MainWindow::onYesClicked);
    connect(noButton, &Button::clicked, this, &MainWindow::onNoClicked);
    connect(exitButtons[0], &Button::clicked, this, [this] { onExitClicked(0); });
    connect(exitButtons[1], &Button::clicked, this, [this] { onExitClicked(1); });
    connect(surrenderButton, &Button::clicked, this, &MainWindow::onSurrenderClicked);
    connect(problemButton, &Button::clicked, this, &MainWindow::onProblemClicked);
    // the switch answers only a mouse press: Space or Enter on it does nothing
    connect(switchButton, &Button::mousePressed, this, &MainWindow::onSwitchPressed);
    connect(closeItem, &MenuItem::chosen, this, &Window::close);
    connect(surrenderItem, &MenuItem::chosen, this, &MainWindow::surrenderIfConfirmed);
    connect(lockItem, &MenuItem::chosen, this, &MainWindow::onLockChosen);
    connect(attackItem, &MenuItem::chosen, this, &MainWindow::onAttackChosen);
    connect(versionItem, &MenuItem::chosen, this, &MainWindow::openVersionWindow);
}

// ---- the windows it opens

void MainWindow::openVersionWindow() { versionWindow.load().show(); }

void MainWindow::openPanelsCard()
{
    PanelsCard& card = panelsCard.load();
    connect(&card, &CardWindow::timeUp, this, &MainWindow::openPanels);
    card.show();
}

void MainWindow::openPanels()
{
    PanelsWindow& panels = panelsWindow.load();
    connect(&panels, &PanelsWindow::solved, this, &MainWindow::onPanelsSolved);
    connect(&panels, &PanelsWindow::timeUp, this, &MainWindow::show);
    panels.show();
}

void MainWindow::openQuizCard()
{
    QuizCard& card = quizCard.load();
    connect(&card, &CardWindow::timeUp, this, &MainWindow::openQuiz);
    card.show();
}

void MainWindow::openQuiz()
{
    QuizWindow& quiz = quizWindow.load();
    connect(&quiz, &QuizWindow::solved, this, &MainWindow::onQuizSolved);
    connect(&quiz, &QuizWindow::surrenderAsked, this, &MainWindow::surrenderIfConfirmed);
    connect(&quiz, &QuizWindow::failed, this, &MainWindow::openQuiz);  // made afresh
    quiz.show();
}

void MainWindow::openStopwatch()
{
    StopwatchWindow& stopwatch = stopwatchWindow.load();
    connect(&stopwatch, &StopwatchWindow::solved, this, &MainWindow::onStopwatchSolved);
    connect(&stopwatch, &StopwatchWindow::surrenderAsked, this, &MainWindow::surrenderIfConfirmed);
    stopwatch.show();
}

// ---- the opening

void MainWindow::onLoad()
{
    stage_ = Stage::kOpening;
    courseLabel->setText(CourseLabel(G.course));
    bestTime_ = G.course == Course::Another ? G.bestTimeAnother : G.bestTimeNormal;
    centerOnScreen(5200, 4000);
    setBackColor(kTeal);
    for (Button* b : {exitButtons[0], exitButtons[1], surrenderButton, problemButton, yesButton, noButton, switchButton})
        b->setVisible(false);
    blankMenu->setVisible(false);
    surrenderItem->setVisible(false);
    helpSeparator->setVisible(false);
    for (Label* l : {upperLine, lowerLine, courseLabel, timeAttackLabel})
        l->setVisible(false);
    ShowMessage(kWelcome, "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか");
    ShowMessage(kWelcome, "乞うご期待！");
    Pause(1000);
    showOpeningQuestion();
}

void MainWindow::showOpeningQuestion()
{
    setWindowTitle(kWelcome);
    upperLine->setVisible(true);
    upperLine->setTextColor(kCyan);
    upperLine->setText("やめるなら今のうちよ");
    lowerLine->setVisible(true);
    lowerLine->setTextColor(kCyan);
    lowerLine->setText("やめとく？");
    courseLabel->setVisible(true);
    yesButton->setVisible(true);
    noButton->setVisible(true);
    repaint();
    if (G.timeAttack) {
        timeAttackLabel->setVisible(true);
        bestTimeLabel->setText("BEST TIME " + SecondsText(bestTime_));
    } else {
        bestTimeLabel->setVisible(false);
    }
}

void MainWindow::onYesClicked()
{
    ShowMessage(kWelcome, "あ・・・そう？根性なしねぇ。じゃぁね。");
    Increment(G.quitCount);
    endIfRecordsGone(SaveRecord(kQuitRecord, G.quitCount));
    EndProgram();
}

void MainWindow::onNoClicked()
{
    if (G.timeAttack)
        ShowMessage("ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です");
    else
        ShowMessage(kWelcome, "そうこなくっちゃね。お一人様ごあんな～い");
    exitButtons[0]->setVisible(true);
    exitButtons[1]->setVisible(true);
    surrenderButton->setVisible(true);
    surrenderButton->setEnabled(false);
    for (Button* b : {problemButton, yesButton, noButton, switchButton})
        b->setVisible(false);
    for (Label* l : {upperLine, lowerLine, courseLabel, timeAttackLabel, bestTimeLabel})
        l->setVisible(false);
    fileMenu->setVisible(true);
    helpMenu->setVisible(true);
    setWindowTitle("ぬるぴか");
    startTime_ = ClockSeconds();
}

// ---- the first puzzle: the exit buttons and the blank menu

void MainWindow::onExitClicked(int button)
{
    const ExitPress press = PressExit(button, exitScores_, stage_, lockOn_);
    surrenderItem->setVisible(press.surrenderOffered);
    helpSeparator->setVisible(press.surrenderOffered);
    surrenderButton->setEnabled(press.surrenderOffered);
    switch (press.problemButton) {
    case ProblemButtonOffer::Revealed:
        problemButton->setVisible(true);
        problemButton->setEnabled(false);
        blankMenu->setVisible(true);
        lockItem->setVisible(true);
        attackItem->setVisible(false);
        break;
    case ProblemButtonOffer::Withdrawn:
        problemButton->setVisible(false);
        blankMenu->setVisible(false);
        break;
    case ProblemButtonOffer::KeptAfterLock:
        blankMenu->setVisible(false);
        break;
    }
    jumpExits();
}

void MainWindow::jumpExits()
{
    const ExitJump jump = JumpExits(GameRandom());
    for (size_t i = 0; i < exitButtons.size(); ++i)
        exitButtons[i]->moveTo(jump.places[i].left, jump.places[i].top);
    // after Lock, buttons that meet offer Attack
    if (lockOn_ && jump.meet) {
        blankMenu->setVisible(true);
        lockItem->setEnabled(false);
        attackItem->setVisible(true);
    }
    repaint();
}

void MainWindow::onLockChosen()
{
    lockOn_ = true;
    stage_ = Stage::kLocked;
}

void MainWindow::onAttackChosen() { problemButton->setEnabled(true); }

// ---- the problem button, the surrender button and the last trick

void MainWindow::onProblemClicked()
{
    switch (ProblemButtonAt(stage_)) {
    case ProblemButtonAction::OpenPanels:
        hide();
        blankMenu->setVisible(false);
        openPanelsCard();
        stage_ = Stage::kPanelsOpen;
        break;
    case ProblemButtonAction::OpenQuiz:
        stage_ = Stage::kQuizOpen;
        hide();
        openQuizCard();
        break;
    case ProblemButtonAction::OpenStopwatch:
        stage_ = Stage::kStopwatchOpen;
        hide();
        openStopwatch();
        break;
    case ProblemButtonAction::NotYet:
        ShowMessage("ふふふ", "そう簡単には終了できないのでした");
        break;
    case ProblemButtonAction::StartEnding:
        endTime_ = ClockSeconds();
        congratulate();
    case ProblemButtonAction::Nothing:
        break;
    }
}

void MainWindow::onSurrenderClicked()
{
    if (const StageRow* row = StageRowOf(stage_); row && row->asksRiddle) {
        ShowMessage("This Word Means・・・", RiddleFor(G.course));
        stage_ = Stage::kRiddleShown;
    }
    surrenderIfConfirmed();
}

void MainWindow::onSwitchPressed(Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    const SwitchPress press = PressSwitch(stage_, G.course, button, keys);
    stage_ = press.stage;
    if (press.problemEnabled)
        problemButton->setEnabled(*press.problemEnabled);
}

void MainWindow::mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers keys) { stage_ = PressWindow(stage_, G.course, button, keys); }

// ---- closing and the menus

bool MainWindow::mayClose(CloseReason reason)
{
    // The ending runs to its end by itself and still has records to write: a player's
    // close during it would only cut that short.
    if (gameCleared_ && reason == CloseReason::Player)
        return false;
    if (leaving_ || gameCleared_ || reason == CloseReason::SessionEnd)
        return true;
    ShowMessage("だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning);
    return false;
}
