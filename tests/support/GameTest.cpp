#include "GameTest.h"

#include "runtime/Files.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>

void ResetWindows()
{
    QCoreApplication::removePostedEvents(qApp);  // the checks for a game without windows, the deletions
    for (bool any = true; any;) {
        const QWidgetList all = QApplication::topLevelWidgets();  // loaded or closed
        const auto w = std::find_if(all.begin(), all.end(), [](QWidget* w) { return dynamic_cast<Window*>(w); });
        if ((any = w != all.end()))
            delete *w;  // with the windows it keeps
    }
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

int RunningTimerCount()
{
    int n = 0;
    for (const Window* w : LoadedWindows())
        for (const QTimer* t : w->findChildren<QTimer*>())
            n += t->isActive() ? 1 : 0;
    return n;
}

Window* Opened(const char* window)
{
    const std::vector<Window*> loaded = LoadedWindows();
    const auto w = std::find_if(loaded.begin(), loaded.end(), [&](Window* w) { return w->objectName() == window; });
    return w == loaded.end() ? nullptr : *w;
}

QString Text(const char* window, const char* control)
{
    const QWidget* c = Find(window, control);
    const auto* label = qobject_cast<const QLabel*>(c);
    return label ? label->text() : c ? qobject_cast<const QAbstractButton*>(c)->text() : QString();
}

void Click(const char* window, const char* control, Qt::KeyboardModifiers keys)
{
    if (QWidget* c = Find(window, control))
        QTest::mouseClick(c, Qt::LeftButton, keys, c->rect().center());
}

void Choose(const char* window, const char* menuItem)
{
    if (QAction* item = Find<QAction>(window, menuItem))
        item->trigger();
}

void RunOut(const char* window, const char* timer)
{
    QTimer* t = Find<QTimer>(window, timer);
    ASSERT_TRUE(t && t->isActive()) << timer << " is not running";
    t->start(0);
    RunWhatIsDue();
}

void PlayerCloses(QWidget* window)
{
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    qApp->notify(window, &request);  // as the window system does: sendEvent() would make it the program's own
}

std::string Shown(const char* window, std::initializer_list<const char*> controls)
{
    std::string s;
    for (const char* c : controls)
        s += Find(window, c) && !Find(window, c)->isHidden() ? '1' : '0';
    return s;
}

std::string Enabled(const char* window, std::initializer_list<const char*> controls)
{
    std::string s;
    for (const char* c : controls)
        s += Find(window, c) && Find(window, c)->isEnabled() ? '1' : '0';
    return s;
}

void GameTest::SetUp()
{
    ResetWindows();
    G = GameState{};
    FolderTest::SetUp();
    fake.whileOpen = RunBoxLoop;
}

void GameTest::TearDown()
{
    ResetWindows();  // nothing of one test reaches the next
    G = GameState{};
    FolderTest::TearDown();
}

void GameTest::playTo(std::int16_t stage, Course course, bool timeAttack)
{
    if (!IsOrdinaryFile(path("NP2.DAT")))
        writeQuiz("# クイズ\n日本の首都は？,東京\n1+1は？,2");
    StartGame(windows);
    for (int i = 0; i < 2; ++i) {
        if (course == Course::Another)
            QTest::keyClick(Opened("titleWindow"), Qt::Key_Down);
        if (timeAttack)
            QTest::keyClick(Opened("titleWindow"), Qt::Key_Left);
    }
    RunOut("titleWindow", "handOverTimer");
    if (stage == Stage::kOpening)
        return;
    for (const char* control : {"noButton", "exitButton1"})  // 0 and 3: the surrender is offered
        Click("mainWindow", control);
    if (stage == Stage::kExitsPressed)
        return;
    for (const char* control : {"exitButton1", "exitButton0", "exitButton0", "exitButton0"})  // 6 and 6
        Click("mainWindow", control);
    if (stage == Stage::kProblemButtonShown)
        return;
    Choose("mainWindow", "lockItem");
    if (stage == Stage::kLocked)
        return;
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet
    Click("mainWindow", "exitButton0");
    Choose("mainWindow", "attackItem");
    Click("mainWindow", "problemButton");
    RunOut("panelsCard", "closeTimer");
    if (stage == Stage::kPanelsOpen)
        return;
    fake.scriptDigits("000000000");
    for (const char* control : {"startButton", "panel1", "panel3", "panel7", "panel9", "panel5", "stopButton"})  // all red
        Click("panelsWindow", control);
    if (stage == Stage::kPanelsSolved)
        return;
    Click("mainWindow", "problemButton");
    RunOut("quizCard", "closeTimer");
    fake.fractions = {0.015f};  // the first question
    Click("quizWindow", "startButton");
    if (stage == Stage::kQuizOpen)
        return;
    fake.onAskText = [](const QString&) { return QString("東京"); };
    Click("quizWindow", "answerButton");
    if (stage == Stage::kQuizSolved)
        return;
    Click("mainWindow", "problemButton");
    if (stage == Stage::kStopwatchOpen)
        return;
    Click("stopwatchWindow", "startButton");
    if (course == Course::Another) {
        fake.now += 10.0f;  // the way through: never STOP
        RunOut("stopwatchWindow", "timeLimit");
    } else {
        fake.now += 2.9f;
        for (const char* control : {"stopButton", "goButton"})
            Click("stopwatchWindow", control);
    }
    if (stage == Stage::kLastTrick)
        return;
    if (stage == Stage::kRiddleShown || stage == Stage::kWrongTry)
        Click("mainWindow", "surrenderButton");  // the riddle, and the surrender declined
    if (stage == Stage::kWrongTry)
        Click("mainWindow", "switchButton");
    if (stage == Stage::kWindowClicked || (stage == Stage::kSolved && course == Course::Another))
        QTest::mouseClick(Opened("mainWindow")->clientArea(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, QPoint(5, 5));
    if (stage == Stage::kSolved)
        Click("mainWindow", "switchButton", course == Course::Another ? Qt::NoModifier : Qt::ShiftModifier | Qt::AltModifier);
}
