// Plays the game's real windows to the places worth a picture and saves each as a PNG.
// Message boxes are answered without being shown, the clock and the random numbers are
// scripted, so every run gives the same pictures. Run it through tools/screenshots.sh.
#include "rules/GameState.h"
#include "rules/Quiz.h"
#include "runtime/Random.h"
#include "app/QtServices.h"
#include "windows/StartUp.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QThread>
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
    windows.title->onHandOver();
    MainWindow& mainWindow = *windows.main;
    Shot("opening", mainWindow);

    mainWindow.onNoClicked();
    for (int b : {0, 0, 0, 1, 1})
        mainWindow.onExitClicked(b);
    mainWindow.onLockChosen();
    services.digits("1000200011002500");  // the buttons meet
    mainWindow.onExitClicked(0);
    mainWindow.onAttackChosen();
    Shot("exit-buttons", mainWindow);
    mainWindow.onProblemClicked();
    Shot("card", *mainWindow.panelsCard);
    mainWindow.panelsCard->onTimeUp();
    services.digits("010110100");
    mainWindow.panelsWindow->onStartClicked();
    Shot("nine-panels", *mainWindow.panelsWindow);
    mainWindow.panelsWindow->onStopClicked();

    mainWindow.onProblemClicked();
    mainWindow.quizCard->onTimeUp();
    services.fractions = {0.015f};
    mainWindow.quizWindow->onStartClicked();
    Shot("quiz", *mainWindow.quizWindow);
    if (mode == "surrender") {
        services.onPause = [&] { Shot("surrender", mainWindow); };
        mainWindow.quizWindow->onSurrenderClicked();
    }
    mainWindow.quizWindow->onAnswerClicked();

    mainWindow.onProblemClicked();
    mainWindow.stopwatchWindow->onStartClicked();
    services.now += 2.87f;
    mainWindow.stopwatchWindow->onStopClicked();
    Shot("stopwatch", *mainWindow.stopwatchWindow);
    mainWindow.stopwatchWindow->onGoClicked();
    mainWindow.onSwitchPressed(MouseButton::Left, ShiftKey | AltKey);
    services.now += 95.0f;
    int screen = 0;
    services.onPause = [&] {
        ++screen;
        if (screen == 8)
            Shot("ending", mainWindow);
    };
    mainWindow.onProblemClicked();
    return 0;
}
