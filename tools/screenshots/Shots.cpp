// Plays the game's real windows to the places worth a picture and saves each as a PNG.
// Message boxes are answered without being shown, the clock and the random numbers are
// scripted, so every run gives the same pictures. Run it through tools/screenshots.sh.
#include "forms/Forms.h"
#include "modules/GameState.h"
#include "modules/Module1.h"
#include "runtime/Form.h"
#include "runtime/QtServices.h"
#include "runtime/Random.h"

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
void Shot(const char* name, Form& form)
{
    Settle();
    QWidget* w = form.window();
    const QRect r = w->frameGeometry();
    const QPixmap pm = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const QString file = outDir + "/" + name + ".png";
    std::printf("%s %s\n", pm.save(file) ? "saved" : "FAILED", qPrintable(file));
}

class ShotServices : public rt::QtServices {
public:
    int MsgBox(const QString&, int style, const QString&) override { return (style & 7) == 4 ? rt::vbYes : rt::vbOK; }
    QString InputBox(const QString&, const QString&) override { return G.QuizAnswer; }
    float Clock() override { return now; }
    void Sleep(int ms) override
    {
        if (onSleep)
            onSleep();
        now += static_cast<float>(ms) / 1000.0f;
    }
    void DoEvents() override {}
    void Randomize() override {}
    float Rnd() override
    {
        if (rnds.empty())
            return random.Next();
        const float r = rnds.front();
        rnds.pop_front();
        return r;
    }
    [[noreturn]] void End() override
    {
        std::fflush(stdout);
        std::_Exit(0);
    }
    bool PrevInstance() override { return false; }
    QString AppPath() override { return outDir; }
    void Digits(const char* digits)
    {
        for (const char* d = digits; *d; ++d)
            rnds.push_back(static_cast<float>(*d - '0') / 10.0f + 0.05f);
    }
    float now = 36000.0f;
    rt::Random random;
    std::deque<float> rnds;
    std::function<void()> onSleep;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    rt::SetUpApplication();
    const QString mode = argc > 2 ? argv[2] : "game";
    outDir = argc > 1 ? argv[1] : ".";
    ShotServices services;
    rt::ServicesGuard guard(services);

    Main();
    for (int key : {40, 40, 37, 37})  // ANOTHER with time attack: every label of the opening is on
        Form0->Form_KeyUp(key, 0);
    G.Course = mode == "game" ? "NORMAL" : "ANOTHER";
    Shot("title", *Form0);
    Form0->Timer1_Timer();
    Shot("opening", *Form1);

    Form1->Command5_Click();
    for (int i : {0, 0, 0, 1, 1})
        Form1->Command1_Click(i);
    Form1->Lock_Click();
    services.Digits("1000200011002500");  // the buttons meet
    Form1->Command1_Click(0);
    Form1->Attack_Click();
    Shot("exit-buttons", *Form1);
    Form1->Command3_Click();
    Shot("card", *Form4);
    Form4->Timer1_Timer();
    services.Digits("010110100");
    Form3->Command2_Click();
    Shot("nine-panels", *Form3);
    Form3->Command1.SetEnabled(true);
    Form3->Command1_Click();

    Form1->Command3_Click();
    Form5->Timer1_Timer();
    services.rnds = {0.015f};
    Form6->Command2_Click();
    Shot("quiz", *Form6);
    if (mode == "surrender") {
        services.onSleep = [] { Shot("surrender", *Form1); };
        Form6->Command3_Click();
    }
    Form6->Command1_Click();

    Form1->Command3_Click();
    Form7->Command1_Click();
    services.now += 2.87f;
    Form7->Command2_Click();
    Shot("stopwatch", *Form7);
    Form7->Command4_Click();
    Form1->Command6_MouseDown(1, 5, 0, 0);
    services.now += 95.0f;
    int screen = 0;
    services.onSleep = [&] {
        ++screen;
        if (screen == 8)
            Shot("ending", *Form1);
    };
    G.TimeAttack = true;
    Form1->Command3_Click();
    return 0;
}
