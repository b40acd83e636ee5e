// The window layer through Qt itself: sizes, keys and clicks, and the real message and
// input boxes. (Window life, timers and close requests are played by the window tests.)
#include "runtime/gui/Application.h"
#include "runtime/gui/Harness.h"
#include "runtime/gui/Window.h"

#include "FolderTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class SampleWindow : public Window {
public:
    SampleWindow() : Window("sample")
    {
        place(button, 120, 120, 975, 375);
        button.onClick([this] { ++clicks; });
    }
    Button button{this};
    Timer ticker{this};
    int clicks = 0;
    int closeRequests = 0;
    std::vector<std::pair<Key, Modifiers>> keys;
    void sizeAsPanels() { centerOnScreen(3405, 3210); }
    void sizeAsTitle()
    {
        setBorder(Border::None, false);
        centerOnScreen(1680, 3855);
    }

protected:
    void keyReleased(Key key, Modifiers modifiers) override { keys.emplace_back(key, modifiers); }
    bool mayClose(CloseReason) override
    {
        ++closeRequests;
        return false;
    }
};

WindowSlot<SampleWindow> sample;

class WindowLayer : public FolderTest {
protected:
    void SetUp() override
    {
        FolderTest::SetUp();
        sample->show();
    }
    void TearDown() override
    {
        ResetWindows();
        FolderTest::TearDown();
    }
};

QMessageBox* OpenBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

}  // namespace

TEST_F(WindowLayer, TwipsAreFifteenToAPixelAndTheClientAreaIsInsideANominalFrame)
{
    SampleWindow& w = *sample;
    w.sizeAsPanels();
    EXPECT_EQ(QSize(w.clientWidth(), w.clientHeight()), QSize(3090, 3030));
    EXPECT_EQ(w.clientArea()->size(), QSize(206, 202));
    EXPECT_EQ(w.button.widget()->geometry(), QRect(8, 8, 65, 25));
    fake.screenWidth = 3001;  // narrower than the window: it sticks out on both sides
    w.sizeAsTitle();
    EXPECT_EQ(w.clientArea()->size(), QSize(257, 112));
    EXPECT_EQ(w.left(), -427);  // (3001 - 3855) / 2
}

TEST_F(WindowLayer, KeyReleasesCountButAutoRepeatedOnesDoNot)
{
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QKeyEvent down(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
    QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    for (QKeyEvent* e : {&repeated, &down, &other})
        QApplication::sendEvent(sample->widget(), e);
    EXPECT_EQ(sample->keys, (std::vector<std::pair<Key, Modifiers>>{{Key::Down, ShiftKey}, {Key::Other, NoModifier}}));
}

TEST_F(WindowLayer, ADoubleClickIsOneClickAndEitherEnterOrSpacePressTheFocusedButton)
{
    QWidget* b = sample->button.widget();
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);  // the second press of a double click
    QTest::mouseRelease(b, Qt::LeftButton);
    EXPECT_EQ(sample->clicks, 1);
    sample->button.setFocus();
    QTest::keyClick(b, Qt::Key_Return);
    QTest::keyClick(b, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(sample->clicks, 4);
}

TEST_F(WindowLayer, ADisabledWindowTakesNoInputAndNoCloseRequest)
{
    sample->setEnabled(false);
    QTest::mouseClick(sample->button.widget(), Qt::LeftButton);
    sample->widget()->close();
    EXPECT_EQ(sample->clicks + sample->closeRequests, 0);
    sample->setEnabled(true);
    sample->widget()->close();
    EXPECT_EQ(sample->closeRequests, 1);
}

TEST_F(WindowLayer, ATimersHandlerIsNotEnteredAgainWhileItRuns)
{
    int entered = 0, running = 0;
    sample->ticker.onTimeout([&] {
        ++entered;
        EXPECT_EQ(++running, 1);
        QTest::qWait(60);  // as a message box would: the event loop runs on, the timer fires again
        --running;
        sample->ticker.stop();
    });
    sample->ticker.start(10);
    QTRY_VERIFY_WITH_TIMEOUT(entered > 0 && running == 0, 2000);
    EXPECT_EQ(entered, 1);
}

TEST(RealBoxes, JapaneseButtonsNoTheDefaultOfAQuestionAndCancelGivesTheEmptyText)
{
    QtServices services;
    QStringList captions;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = OpenBox();
        ASSERT_NE(box, nullptr);
        captions << box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "はい(&Y)")
                b->click();
    });
    EXPECT_EQ(services.showMessage("降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion), Answer::Yes);
    EXPECT_EQ(captions, (QStringList{"いいえ(&N)", "はい(&Y)", "いいえ(&N)"}));  // the default first

    QTimer::singleShot(0, [] {
        ASSERT_NE(OpenBox(), nullptr);
        ASSERT_EQ(OpenBox()->buttons().size(), 1);
        EXPECT_EQ(OpenBox()->buttons().first()->text(), "OK");
        EXPECT_EQ(OpenBox()->text(), "DATファイルが無くなっています\n実行を中断します");
        OpenBox()->buttons().first()->click();
    });
    EXPECT_EQ(services.showMessage(".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop), Answer::Ok);

    QTimer::singleShot(0, [] {
        for (auto* b : QApplication::activeModalWidget()->findChildren<QPushButton*>())
            if (b->text() == "キャンセル")
                b->click();
    });
    EXPECT_EQ(services.askText("答えは？", "prompt"), "");
}
