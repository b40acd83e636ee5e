#include "GameTest.h"

#include "gui/Dispatch.h"
#include "runtime/Files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPointer>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>

void RunAsHandler(const std::function<void()>& handler) { Dispatch(handler); }

void ResetWindows()
{
    QCoreApplication::removePostedEvents(qApp);  // the checks for a game without windows, the deletions
    const auto anyWindow = [] {
        const QWidgetList all = QApplication::topLevelWidgets();
        const auto w = std::find_if(all.begin(), all.end(), [](QWidget* w) { return dynamic_cast<Window*>(w); });
        return w == all.end() ? nullptr : *w;
    };
    for (QWidget* w = anyWindow(); w; w = anyWindow())
        delete w;  // loaded or closed, each with the windows it keeps
}

int RunningTimerCount()
{
    int n = 0;
    for (const Window* w : LoadedWindows())
        for (const QTimer* t : w->findChildren<QTimer*>())
            n += t->isActive() ? 1 : 0;
    return n;
}

void RunWhatIsDue()
{
    QEventLoop loop;
    QTimer done;  // due now, after every timer that ran out before it
    done.setSingleShot(true);
    QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
    done.start(0);
    loop.exec();
}

bool RunBoxLoop()
{
    const QPointer<Window> front = WindowInFront();
    RunWhatIsDue();
    return !front || front->isLoaded();
}

void Click(QWidget* control, Qt::KeyboardModifiers keys) { QTest::mouseClick(control, Qt::LeftButton, keys); }

void GameTest::playTo(std::int16_t stage, Course course, bool timeAttack)
{
    if (!IsOrdinaryFile(path("NP2.DAT")))
        writeQuiz("# クイズ\n日本の首都は？,東京\n1+1は？,2");
    StartGame(windows);
    for (int i = 0; i < 2; ++i) {
        if (course == Course::Another)
            QTest::keyClick(&*titleWindow, Qt::Key_Down);
        if (timeAttack)
            QTest::keyClick(&*titleWindow, Qt::Key_Left);
    }
    RunAsHandler([&] { titleWindow->onHandOver(); });
    if (stage == Stage::kOpening)
        return;
    MainWindow& w = *mainWindow;
    Click(w.noButton);
    Click(w.exitButtons[1]);  // 0 and 3: the surrender is offered
    if (stage == Stage::kExitsPressed)
        return;
    for (int b : {1, 0, 0, 0})  // 6 and 6
        Click(w.exitButtons[static_cast<size_t>(b)]);
    if (stage == Stage::kProblemButtonShown)
        return;
    w.lockItem->trigger();
    if (stage == Stage::kLocked)
        return;
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet
    Click(w.exitButtons[0]);
    w.attackItem->trigger();
    Click(w.problemButton);
    RunAsHandler([&] { w.panelsCard->onTimeUp(); });
    if (stage == Stage::kPanelsOpen)
        return;
    fake.scriptDigits("000000000");
    Click(w.panelsWindow->startButton);
    for (int n : {1, 3, 7, 9, 5})
        Click(w.panelsWindow->panels[static_cast<size_t>(n - 1)]);
    Click(w.panelsWindow->stopButton);
    if (stage == Stage::kPanelsSolved)
        return;
    Click(w.problemButton);
    RunAsHandler([&] { w.quizCard->onTimeUp(); });
    fake.fractions = {0.015f};  // the first question
    Click(w.quizWindow->startButton);
    if (stage == Stage::kQuizOpen)
        return;
    fake.onAskText = [](const QString&) { return QString("東京"); };
    Click(w.quizWindow->answerButton);
    if (stage == Stage::kQuizSolved)
        return;
    Click(w.problemButton);
    if (stage == Stage::kStopwatchOpen)
        return;
    Click(w.stopwatchWindow->startButton);
    if (course == Course::Another) {
        fake.now += 10.0f;  // the way through: never STOP
        RunAsHandler([&] { w.stopwatchWindow->onTimeUp(); });
    } else {
        fake.now += 2.9f;
        Click(w.stopwatchWindow->stopButton);
        Click(w.stopwatchWindow->goButton);
    }
    if (stage == Stage::kLastTrick)
        return;
    if (stage == Stage::kRiddleShown || stage == Stage::kWrongTry)
        Click(w.surrenderButton);  // the riddle, and the surrender declined
    if (stage == Stage::kWrongTry)
        Click(w.switchButton);
    if (stage == Stage::kWindowClicked || (stage == Stage::kSolved && course == Course::Another))
        QTest::mouseClick(w.clientArea(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, QPoint(5, 5));
    if (stage == Stage::kSolved)
        Click(w.switchButton, course == Course::Another ? Qt::NoModifier : Qt::ShiftModifier | Qt::AltModifier);
}

namespace {
std::string Flags(std::initializer_list<const QWidget*> controls, const std::function<bool(const QWidget*)>& test)
{
    std::string s;
    for (const QWidget* c : controls)
        s += test(c) ? '1' : '0';
    return s;
}
}  // namespace

// shown by the game, whether or not its window is on screen now
std::string Shown(std::initializer_list<const QWidget*> controls) { return Flags(controls, [](const QWidget* c) { return !c->isHidden(); }); }
std::string Enabled(std::initializer_list<const QWidget*> controls) { return Flags(controls, &QWidget::isEnabled); }

void PlayerCloses(QWidget* window)
{
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(window, &request);  // as the window system does: sendEvent() would make it the program's own
}
