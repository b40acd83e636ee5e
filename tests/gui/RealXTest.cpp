// What only a real X server shows: clicks and keys made by the X server's own input
// devices (xdotool), the window manager's close request, timers against a real message
// box, and the pixels on screen. Run through tests/gui/on_xvfb.sh.
#include "GameTest.h"

#include "app/QtServices.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Runs xdotool with these arguments and waits until it has sent everything.
void Xdo(const QStringList& args)
{
    QProcess xdo;
    xdo.start(QStringLiteral("xdotool"), args);
    ASSERT_TRUE(xdo.waitForFinished(5000));
    ASSERT_EQ(xdo.exitCode(), 0) << xdo.readAllStandardError().toStdString();
}

// The same, started now and left to run while the game is busy.
std::unique_ptr<QProcess> XdoMeanwhile(const QStringList& args)
{
    auto xdo = std::make_unique<QProcess>();
    xdo->start(QStringLiteral("xdotool"), args);
    return xdo;
}

// xdotool's words for moving the pointer to a point of a widget (its centre by default).
QStringList MouseTo(const QWidget* w, QPoint at = QPoint(-1, -1))
{
    const QPoint p = w->mapToGlobal(at.x() < 0 ? w->rect().center() : at);
    return {"mousemove", QString::number(p.x()), QString::number(p.y())};
}

const QStringList kHoldModifiers{"keydown", "shift", "ctrl", "alt"};
const QStringList kLetGoModifiers{"keyup", "shift", "ctrl", "alt"};

// Lets what the X server sent us arrive and be handled.
void Settle() { QTest::qWait(300); }

// A close request as a window manager sends it: the WM_DELETE_WINDOW protocol message.
void WindowManagerCloses(const QWidget* window)
{
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    auto atom = [x](const char* name) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return a;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // a round trip: it is sent
    xcb_disconnect(x);
}

QColor ScreenPixel(const QWidget* w)
{
    const QPoint p = w->mapToGlobal(w->rect().center());
    return QGuiApplication::primaryScreen()->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixelColor(0, 0);
}

}  // namespace

class RealX : public GameTest {
protected:
    // The main window at the last stage of ANOTHER, where a press on the window with
    // Shift, Ctrl and Alt held leads on to stage 43.
    MainWindow& lastStageOfAnother()
    {
        startRun();
        G.course = "ANOTHER";
        G.stage = 40;
        MainWindow& w = *mainWindow;
        for (Button* b : w.exitButtons)
            b->hide();
        w.problemButton->setVisible(true);  // "終了", not pressable yet
        w.problemButton->setEnabled(false);
        w.surrenderButton->setFocus();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        fake.boxes.clear();
        return *mainWindow;
    }
    // A point of the main window's surface with no control on it.
    static QStringList MouseToEmptySurface(const MainWindow& w) { return MouseTo(w.clientArea(), QPoint(5, 5)); }
};

TEST_F(RealX, APanelCountsAClickOnlyWhenTheButtonIsLetGoOverIt)
{
    startRun();
    G.stage = 15;
    mainWindow->hide();
    panelsWindow->show();
    PanelsWindow& w = *panelsWindow;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Xdo(MouseTo(w.panels[0]) + QStringList{"mousedown", "1"} + MouseTo(w.panels[2]) + QStringList{"mouseup", "1"});
    Xdo(MouseTo(w.clientArea(), QPoint(2, 2)) + QStringList{"mousedown", "1"} + MouseTo(w.panels[0]) + QStringList{"mouseup", "1"});
    Settle();
    EXPECT_EQ(w.panels[0]->backColor(), kBlue);  // neither was a click
    EXPECT_EQ(w.panels[2]->backColor(), kBlue);
    Xdo(MouseTo(w.panels[4]) + QStringList{"mousedown", "1", "mouseup", "1"});
    QTRY_COMPARE_WITH_TIMEOUT(w.panels[4]->backColor(), kRed, 2000);
    EXPECT_EQ(w.panels[1]->backColor(), kRed);  // with its neighbours
    EXPECT_EQ(w.panels[0]->backColor(), kBlue);
}

TEST_F(RealX, AControlSetToRedShowsRedPixelsOnTheScreen)
{
    startRun();
    G.stage = 15;
    mainWindow->hide();
    panelsWindow->show();
    PanelsWindow& w = *panelsWindow;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.onPanelClicked(5);
    QTest::qWait(100);  // painted
    EXPECT_EQ(ScreenPixel(w.panels[4]), QColor(255, 0, 0));
    EXPECT_EQ(ScreenPixel(w.panels[0]), QColor(0, 0, 255));
}

TEST_F(RealX, TheWindowManagersCloseIsRefusedByTheMainWindowIgnoredByAPuzzleAndTakenByTheVersionWindow)
{
    startRun();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*mainWindow));
    fake.boxes.clear();
    WindowManagerCloses(&*mainWindow);
    QTRY_COMPARE_WITH_TIMEOUT(fake.boxes.size(), size_t{1}, 2000);
    EXPECT_EQ(fake.boxes[0], (Box{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning}));
    EXPECT_TRUE(mainWindow.isLoaded() && mainWindow->isVisible());

    mainWindow->onVersionChosen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*versionWindow));
    WindowManagerCloses(&*versionWindow);  // an about box closes, close box or not
    QTRY_VERIFY_WITH_TIMEOUT(!versionWindow.isLoaded(), 2000);

    G.stage = 15;
    mainWindow->hide();
    panelsWindow->show();
    const QPointer<PanelsWindow> panels(&*panelsWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panels));
    WindowManagerCloses(panels);  // a puzzle without a close box stays
    Xdo(MouseTo(panels->panels[4]) + QStringList{"click", "1"});
    QTRY_VERIFY_WITH_TIMEOUT(!panels || panels->panels[4]->backColor() == kRed, 2000);  // the close came before it
    ASSERT_TRUE(panels) << "the window manager closed the puzzle";
    EXPECT_TRUE(panelsWindow.isLoaded() && panels->isVisible());
    EXPECT_EQ(fake.boxes.size(), 1u);
}

TEST_F(RealX, ClicksKeysAndClosesDuringAPauseDoNothingAfterwardsOnAWindowThatTakesNoInput)
{
    MainWindow& w = lastStageOfAnother();
    QtServices real;
    std::unique_ptr<QProcess> player;
    RunAsHandler([&] {
        w.setTakesInput(false);  // as the surrender does before its pause
        WindowManagerCloses(&w);
        player = XdoMeanwhile(QStringList{"sleep", "0.1"} + kHoldModifiers + MouseToEmptySurface(w) +
                              QStringList{"click", "1"} + kLetGoModifiers + QStringList{"key", "Return"});
        real.pause(500);
    });
    ASSERT_TRUE(player->waitForFinished(5000));
    Settle();
    EXPECT_EQ(G.stage, 40);
    EXPECT_TRUE(fake.boxes.empty());  // Return on 降参 asked nothing, nor did the close request
    EXPECT_TRUE(mainWindow.isLoaded() && w.isVisible());

    w.setTakesInput(true);  // the same click now counts
    Xdo(kHoldModifiers + MouseToEmptySurface(w) + QStringList{"click", "1"} + kLetGoModifiers);
    QTRY_COMPARE_WITH_TIMEOUT(G.stage, std::int16_t{43}, 2000);
}

TEST_F(RealX, APressOnADisabledButtonIsNotAPressOnTheWindow)
{
    MainWindow& w = lastStageOfAnother();
    Xdo(kHoldModifiers + MouseTo(w.problemButton) + QStringList{"click", "1"} + kLetGoModifiers);
    Settle();
    EXPECT_EQ(G.stage, 40);
    Xdo(kHoldModifiers + MouseToEmptySurface(w) + QStringList{"click", "1"} + kLetGoModifiers);
    QTRY_COMPARE_WITH_TIMEOUT(G.stage, std::int16_t{43}, 2000);
}

TEST_F(RealX, ATimersHandlerIsNotEnteredAgainWhileItsMessageBoxIsOpen)
{
    startToMainWindow();
    QtServices real;
    auto* timer = new Timer(&*mainWindow);
    int entered = 0;
    bool done = false;
    timer->onTimeout([&] {
        ++entered;
        timer->start(10);  // started again before its box: it fires on meanwhile
        real.showMessage("時間切れ", "box", MessageKind::Warning);
        timer->stop();
        done = true;
    });
    // the box goes after a while; boxes of handlers entered again go too, so that the test ends
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    QTimer::singleShot(300, [&] { closer.start(50); });
    timer->start(10);
    QTRY_VERIFY_WITH_TIMEOUT(done, 5000);
    EXPECT_EQ(entered, 1);
}

TEST_F(RealX, AnAutoRepeatedEnterOnAFocusedButtonClicksItOnce)
{
    startToMainWindow();
    MainWindow& w = *mainWindow;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    int clicks = 0, repeats = 0;
    auto* counted = new Button(w.clientArea());
    counted->setGeometry(8, 8, 65, 25);
    counted->show();
    counted->onClick([&] { ++clicks; });
    struct RepeatCounter : QObject {
        int& n;
        explicit RepeatCounter(int& count) : n(count) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            n += e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->isAutoRepeat() ? 1 : 0;
            return false;
        }
    } counter(repeats);
    counted->installEventFilter(&counter);
    counted->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(counted->hasFocus() && QApplication::focusWindow() == w.windowHandle(), 2000);
    Xdo({"keydown", "Return", "sleep", "0.4", "keyup", "Return"});
    Settle();
    EXPECT_GT(repeats, 3);  // the key did repeat
    EXPECT_EQ(clicks, 1);
}
