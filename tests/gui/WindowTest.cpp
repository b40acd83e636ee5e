// The window layer through Qt itself, headless: sizes, keys and clicks. (Window life,
// timers and close requests are played by the window tests; what only a real X server
// shows by RealXTest.cpp.)
#include "GameTest.h"

#include "gui/Dispatch.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>

namespace {

class SampleWindow : public Window {
public:
    SampleWindow() : Window("sample")
    {
        place(button, 120, 120, 975, 375);
        connect(button, &Button::clicked, this, [this] { ++clicks; });
        place(label, 120, 600, 975, 375);
        connect(label, &Label::clicked, this, [this] { ++labelClicks; });
    }
    Button* button = new Button(this, "button");
    Label* label = new Label(this);
    int clicks = 0, labelClicks = 0;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;

protected:
    void onLoad() override { centerOnScreen(3210, 3405); }
    void keyReleased(Qt::Key key, Qt::KeyboardModifiers modifiers) override { keys.emplace_back(key, modifiers); }
};

WindowSlot<SampleWindow> sample;

// Without a frame, so that no frame learnt from the window system moves it.
class FramelessSample : public SampleWindow {
public:
    FramelessSample() { setBorder(Border::None, false); }
};

class WindowLayer : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        sample.load().show();
    }
};

}  // namespace

TEST_F(WindowLayer, TwipsAreFifteenToAPixelTheClientAreaIsInsideANominalFrameAndAHalfTwipCounts)
{
    EXPECT_EQ(sample->clientArea()->size(), QSize(206, 202));  // 3210 × 3405 twips less a frame of 120 × 375
    EXPECT_EQ(sample->button->geometry(), QRect(8, 8, 65, 25));
    // centred on 15360 × 11520 twips: the top is 4057.5, which the window system makes 4058
    WindowSlot<FramelessSample> frameless;
    EXPECT_EQ(frameless.load().geometry().topLeft(), QPoint(405, 271));
}

TEST_F(WindowLayer, KeyReleasesCountButAutoRepeatedOnesDoNot)
{
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QKeyEvent down(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
    QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    for (QKeyEvent* e : {&repeated, &down, &other})
        QApplication::sendEvent(&*sample, e);
    EXPECT_EQ(sample->keys, (std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>{{Qt::Key_Down, Qt::ShiftModifier}, {Qt::Key_A, Qt::NoModifier}}));
}

TEST_F(WindowLayer, AClosedWindowsTimersStopAndTheNextUseMakesItAfresh)
{
    auto* timer = new Timer(&*sample, "timer");
    timer->start(1000);
    const QPointer<SampleWindow> closed(&*sample);
    ASSERT_TRUE(sample.close());
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(sample.isLoaded());
    EXPECT_NE(&sample.load(), closed.data());
}

// In an event loop, once a handler that closed a window has returned.
void CloseInTheEventLoop(const std::function<void()>& handler)
{
    QEventLoop loop;
    QMetaObject::invokeMethod(
        &loop,
        [&] {
            Dispatch(handler);
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    loop.exec();
}

TEST_F(WindowLayer, TheProgramEndsWhenNoWindowIsLoadedHiddenOnesIncludedAndOnlyOnceTheHandlerIsDone)
{
    WindowSlot<SampleWindow> next;
    CloseInTheEventLoop([&] {
        sample.close();  // the only loaded window, but the handler opens the next one
        next.load();     // and leaves it hidden
    });
    EXPECT_FALSE(fake.ended);
    CloseInTheEventLoop([&] { next.close(); });
    EXPECT_TRUE(fake.ended);
}

TEST_F(WindowLayer, ADoubleClickIsOneClickEnterOrSpacePressTheFocusedButtonOnceAndALabelCountsAReleaseOverIt)
{
    Button* b = sample->button;
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);  // the second press of a double click
    QTest::mouseRelease(b, Qt::LeftButton);
    EXPECT_EQ(sample->clicks, 1);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(b, Qt::Key_Space);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);  // a held Enter repeats
    QApplication::sendEvent(b, &held);
    EXPECT_EQ(sample->clicks, 4);
    QTest::mouseRelease(sample->label, Qt::LeftButton);  // pressed elsewhere
    QTest::mousePress(sample->label, Qt::LeftButton);
    QTest::mouseRelease(sample->label, Qt::LeftButton, Qt::NoModifier, QPoint(-5, -5));  // let go outside it
    EXPECT_EQ(sample->labelClicks, 0);
    QTest::mouseClick(sample->label, Qt::LeftButton);
    EXPECT_EQ(sample->labelClicks, 1);
}
