// Plays the game's real windows to the places worth a picture and saves each as a PNG.
// Message boxes are answered without being shown, the clock and the random numbers are
// scripted, so every run gives the same pictures. Run it through tools/screenshots.sh.
#include "rules/GameState.h"
#include "rules/Quiz.h"
#include "runtime/Random.h"
#include "app/QtServices.h"
#include "windows/StartUp.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <deque>
#include <functional>

namespace {

QString outDir;

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(15);
    }
}

// The window with its frame, as the screen shows it.
void Shot(const char* name, Window& form)
{
    Settle();
    const QWidget* w = &form;
    const QRect r = w->frameGeometry();
    const QPixmap pm = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const QString file = outDir + "/" + name + ".png";
    std::printf("%s %s\n", pm.save(file) ? "saved" : "FAILED", qPrintable(file));
}

class ShotServices : public QtServices {
public:
    Answer showMessage(const QString&, const QString&, MessageKind kind) override
    {
        return kind == MessageKind::YesNoQuestion ? Answer::Yes : Answer::Ok;
    }
    // the answer to the first question, the one the quiz draws here
    QString askText(const QString&, const QString&) override { return SplitQuizLine(DrawQuizLine(G.quizPath, 1).line).answer; }
    float clockSeconds() override { return now; }
    void pause(int ms) override
    {
        if (onPause)
            onPause();
        now += static_cast<float>(ms) / 1000.0f;
    }
    void processEvents() override {}
    void reseed() override {}
    float fraction() override
    {
        if (fractions.empty())
            return random.next();
        const float r = fractions.front();
        fractions.pop_front();
        return r;
    }
    [[noreturn]] void endProgram() override
    {
        std::fflush(stdout);
        std::_Exit(0);
    }
    bool anotherInstanceRunning(const QString&) override { return false; }
    QString programFolder() override { return outDir; }
    void digits(const char* digits)
    {
        for (const char* d = digits; *d; ++d)
            fractions.push_back(static_cast<float>(*d - '0') / 10.0f + 0.05f);
    }
    float now = 36000.0f;
    RandomNumbers random;
    std::deque<float> fractions;
    std::function<void()> onPause;
};

// The game is played through what each window shows: its controls by name, its menus,
// its timers run out at once.
template <typename T = QAbstractButton>
T* Find(const QObject* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    if (!found) {
        std::fprintf(stderr, "no %s\n", name);
        std::_Exit(1);
    }
    return found;
}

Window& Opened(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return *static_cast<Window*>(w);
    std::fprintf(stderr, "no %s\n", name);
    std::_Exit(1);
}

void RunOut(const QObject* window, const char* timer)
{
    Find<QTimer>(window, timer)->start(0);
    Settle();  // it fires, and its window closes
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetUpApplication();
    const QString mode = argc > 2 ? argv[2] : "game";
    outDir = argc > 1 ? argv[1] : ".";
    ShotServices services;
    ServicesGuard guard(services);

    GameWindows windows;
    StartGame(windows);
    G.timeAttack = true;  // every label of the opening is on
    G.course = mode == "game" ? Course::Normal : Course::Another;
    Shot("title", *windows.title);
    RunOut(&*windows.title, "handOverTimer");
    MainWindow& mainWindow = *windows.main;
    Shot("opening", mainWindow);

    Find(&mainWindow, "noButton")->click();
    for (const char* b : {"exitButton0", "exitButton0", "exitButton0", "exitButton1", "exitButton1"})
        Find(&mainWindow, b)->click();
    Find<QAction>(&mainWindow, "lockItem")->trigger();
    services.digits("1000200011002500");  // the buttons meet
    Find(&mainWindow, "exitButton0")->click();
    Find<QAction>(&mainWindow, "attackItem")->trigger();
    Shot("exit-buttons", mainWindow);
    Find(&mainWindow, "problemButton")->click();
    Shot("card", Opened("panelsCard"));
    RunOut(&Opened("panelsCard"), "closeTimer");
    Window& panels = Opened("panelsWindow");
    services.digits("010110100");
    Find(&panels, "startButton")->click();
    Shot("nine-panels", panels);
    for (const char* panel : {"panel4", "panel6", "panel7"}) {  // all red
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Find<QWidget>(&panels, panel), &press);
        QApplication::sendEvent(Find<QWidget>(&panels, panel), &release);
    }
    Find(&panels, "stopButton")->click();

    Find(&mainWindow, "problemButton")->click();
    RunOut(&Opened("quizCard"), "closeTimer");
    Window& quiz = Opened("quizWindow");
    services.fractions = {0.015f};
    Find(&quiz, "startButton")->click();
    Shot("quiz", quiz);
    if (mode == "surrender") {
        services.onPause = [&] { Shot("surrender", mainWindow); };
        Find(&quiz, "surrenderButton")->click();
    }
    Find(&quiz, "answerButton")->click();

    Find(&mainWindow, "problemButton")->click();
    Window& stopwatch = Opened("stopwatchWindow");
    Find(&stopwatch, "startButton")->click();
    services.now += 2.87f;
    Find(&stopwatch, "stopButton")->click();
    Shot("stopwatch", stopwatch);
    Find(&stopwatch, "goButton")->click();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(Find(&mainWindow, "switchButton"), &press);  // the last trick on NORMAL
    QApplication::sendEvent(Find(&mainWindow, "switchButton"), &release);
    services.now += 95.0f;
    int screen = 0;
    services.onPause = [&] {
        ++screen;
        if (screen == 8)
            Shot("ending", mainWindow);
    };
    Find(&mainWindow, "problemButton")->click();
    return 0;
}
