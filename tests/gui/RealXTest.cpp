// What only a real X server shows: clicks and keys from the X server's own input devices
// (xdotool) while the game blocks, and a timer against a real message box. Run through
// tests/gui/on_xvfb.sh.
#include "GameTest.h"

#include "app/QtServices.h"

#include <QApplication>
#include <QProcess>
#include <QStyleHints>
#include <QTest>

namespace {

// Starts xdotool with these arguments; wait() lets it send everything.
struct Xdo : QProcess {
    explicit Xdo(const QStringList& args) { start(QStringLiteral("xdotool"), args); }
    bool wait() { return waitForFinished(5000) && exitCode() == 0; }
};

// xdotool's words for moving the pointer to a point of a widget, its centre by default.
QStringList MouseTo(const QWidget* w, QPoint at = QPoint(-1, -1))
{
    const QPoint p = w->mapToGlobal(at.x() < 0 ? w->rect().center() : at);
    return {"mousemove", QString::number(p.x()), QString::number(p.y())};
}
const QStringList kClick{"click", "1"};

void Settle() { QTest::qWait(300); }  // what the X server sent us arrives and is handled

}  // namespace

class RealX : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        // one test's first click on a spot must not pass for the second press of a double
        // click with the test before
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(1);
    }
    // The main window at the last trick of ANOTHER, where a press on the window with
    // Shift, Ctrl and Alt leads on to stage 43, and then any press on the switch to 44; 降参
    // has the focus.
    Window& lastTrickOfAnother()
    {
        playTo(Stage::kLastTrick, Course::Another);
        Window& w = *Opened("mainWindow");
        Find("mainWindow", "surrenderButton")->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        fake.boxes.clear();
        return w;
    }
    static QStringList ModifierClickOnTheSurface(const Window& w)
    {
        return QStringList{"keydown", "shift", "ctrl", "alt"} + MouseTo(w.clientArea(), QPoint(5, 5)) + kClick +
               QStringList{"keyup", "shift", "ctrl", "alt"};
    }
};

TEST_F(RealX, ClicksAndKeysDuringAPauseDoNothingAfterwardsOnAWindowThatTakesNoInput)
{
    Window& w = lastTrickOfAnother();
    QtServices real;
    Xdo player(QStringList{"sleep", "0.1"} + ModifierClickOnTheSurface(w) + QStringList{"key", "Return"});
    w.setTakesInput(false);  // as the surrender does before its pause
    real.pause(500);
    ASSERT_TRUE(player.wait());
    Settle();
    EXPECT_TRUE(fake.boxes.empty());  // Return on 降参 asked nothing
    w.setTakesInput(true);
    Click("mainWindow", "switchButton");  // at 40 the switch leads to 42: the click did nothing
    EXPECT_EQ(Enabled("mainWindow", {"problemButton"}), "0");

    ResetWindows();
    Window& again = lastTrickOfAnother();  // the same click now counts
    ASSERT_TRUE(Xdo(ModifierClickOnTheSurface(again)).wait());
    Settle();
    Click("mainWindow", "switchButton");
    EXPECT_EQ(Enabled("mainWindow", {"problemButton"}), "1");
}

TEST_F(RealX, ATimersHandlerIsNotEnteredAgainWhileItsMessageBoxIsOpen)
{
    playTo(Stage::kOpening);
    QtServices real;
    auto* timer = new Timer(Opened("mainWindow"), "timer");
    int entered = 0;
    bool done = false;
    QObject::connect(timer, &Timer::timeUp, [&] {
        ++entered;
        timer->start(10);  // started again before its box: it fires on meanwhile
        real.showMessage("時間切れ", "box", MessageKind::Warning);
        timer->stop();
        done = true;
    });
    QTimer closer;  // the box goes after a while, and so would boxes of handlers entered again
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QTimer::singleShot(300, [&] { closer.start(50); });
    timer->start(10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }));
    EXPECT_EQ(entered, 1);
}
