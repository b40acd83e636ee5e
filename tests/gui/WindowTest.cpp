// The window layer through Qt itself: sizes, keys and clicks, and the real message and
// input boxes. (Window life, timers and close requests are played by the window tests.)
#include "gui/Button.h"
#include "Harness.h"
#include "app/QtServices.h"
#include "gui/Window.h"

#include "FolderTest.h"

#include <QApplication>
#include <QDir>
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
        button->onClick([this] { ++clicks; });
    }
    Button* button = new Button(this);
    int clicks = 0;
    std::vector<std::pair<Key, Modifiers>> keys;

protected:
    void onLoad() override { centerOnScreen(3210, 3405); }
    void keyReleased(Key key, Modifiers modifiers) override { keys.emplace_back(key, modifiers); }
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

// Presses the button of the box that is open, with the given caption, and returns the
// captions of all its buttons, the default first.
QStringList Press(const QString& caption)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return {"<no box>"};
    QStringList captions{box->defaultButton() ? box->defaultButton()->text() : "<none>", box->text()};
    QAbstractButton* chosen = nullptr;
    for (QAbstractButton* b : box->buttons()) {
        captions << b->text();
        chosen = b->text() == caption ? b : chosen;
    }
    if (chosen)
        chosen->click();
    return captions;
}

}  // namespace

TEST_F(WindowLayer, TwipsAreFifteenToAPixelAndTheClientAreaIsInsideANominalFrame)
{
    SampleWindow& w = *sample;
    EXPECT_EQ(w.clientArea()->size(), QSize(206, 202));  // 3210 × 3405 twips less a frame of 120 × 375
    EXPECT_EQ(w.button->geometry(), QRect(8, 8, 65, 25));
}

TEST_F(WindowLayer, KeyReleasesCountButAutoRepeatedOnesDoNot)
{
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QKeyEvent down(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
    QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
    for (QKeyEvent* e : {&repeated, &down, &other})
        QApplication::sendEvent(&*sample, e);
    EXPECT_EQ(sample->keys, (std::vector<std::pair<Key, Modifiers>>{{Key::Down, ShiftKey}, {Key::Other, NoModifier}}));
}

TEST_F(WindowLayer, ADoubleClickIsOneClickAndEitherEnterOrSpacePressTheFocusedButton)
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
    EXPECT_EQ(sample->clicks, 4);
}

TEST(RealBoxes, JapaneseButtonsNoTheDefaultOfAQuestionLinesAsGivenAndCancelGivesTheEmptyText)
{
    QtServices services;
    QStringList seen;
    QTimer::singleShot(0, [&] { seen = Press("はい(&Y)"); });
    EXPECT_EQ(services.showMessage("降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion), Answer::Yes);
    EXPECT_EQ(seen, (QStringList{"いいえ(&N)", "本当に降参しちゃうの？", "はい(&Y)", "いいえ(&N)"}));
    QTimer::singleShot(0, [&] { seen = Press("OK"); });
    EXPECT_EQ(services.showMessage(".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop), Answer::Ok);
    EXPECT_EQ(seen, (QStringList{"<none>", "DATファイルが無くなっています\n実行を中断します", "OK"}));
    QTimer::singleShot(0, [] {
        for (auto* b : QApplication::activeModalWidget()->findChildren<QPushButton*>())
            if (b->text() == "キャンセル")
                b->click();
    });
    EXPECT_EQ(services.askText("答えは？", "prompt"), "");
}

TEST(RealServices, ARelativeDataFolderIsIgnoredForTheOneInTheHomeFolder)
{
    const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    QtServices services;
    qputenv("XDG_DATA_HOME", "data");
    EXPECT_EQ(services.userDataFolder(), QDir::homePath() + "/.local/share");
    qputenv("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(services.userDataFolder(), "/srv/data");
    wasSet ? qputenv("XDG_DATA_HOME", saved) : qunsetenv("XDG_DATA_HOME");
}
