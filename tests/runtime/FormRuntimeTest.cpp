// The forms runtime: window life, close requests, timers and events through Qt itself.
#include "runtime/Form.h"
#include "runtime/QtBits.h"
#include "runtime/QtServices.h"

#include "GameTest.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct Log {
    int loads = 0;
    std::vector<int> queries;
    std::vector<std::pair<int, int>> keys;
    int clicks = 0;
    int ticks = 0;
};
Log logbook;

class Sample : public Form {
public:
    Sample() : Form("Sample")
    {
        Place(Button, 120, 120, 975, 375);
        Button.SetCaption("&Go");
        Button.OnClick([] { ++logbook.clicks; });
        Place(Text, 120, 600, 1500, 255);
        Text.SetCaption("label");
        Timer1.OnTimer([] { ++logbook.ticks; });
        Timer1.SetInterval(0);
    }
    CommandButton Button{this};
    Label Text{this};
    Timer Timer1{this};
    void Form_Load() override { ++logbook.loads; }
    void Form_QueryUnload(int&, int UnloadMode) override { logbook.queries.push_back(UnloadMode); }
    void Form_KeyUp(int KeyCode, int Shift) override { logbook.keys.emplace_back(KeyCode, Shift); }
    void MakeBorderless() { SetBorderStyle(BorderStyle::None, false); }  // the title window's kind
};

FormRef<Sample> SampleForm;

class FormRuntime : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        logbook = Log{};
    }
};

}  // namespace

TEST_F(FormRuntime, AWindowIsCreatedOnFirstUseAndAfreshAfterUnload)
{
    EXPECT_FALSE(SampleForm.IsLoaded());
    Sample* first = &*SampleForm;
    EXPECT_EQ(logbook.loads, 1);
    SampleForm->Show();
    EXPECT_EQ(&*SampleForm, first);
    EXPECT_EQ(logbook.loads, 1);

    // unloaded from inside its own handler: it stays alive until the handler is done
    rt::Dispatch([&] {
        EXPECT_TRUE(Unload(SampleForm));
        EXPECT_FALSE(SampleForm.IsLoaded());
        EXPECT_EQ(first->Text.Caption(), "label");
    });
    EXPECT_EQ(logbook.queries, std::vector<int>{vbFormCode});
    SampleForm->Show();
    EXPECT_EQ(logbook.loads, 2);
    EXPECT_TRUE(SampleForm->Visible());
}

TEST_F(FormRuntime, TimerIntervalRestartsZeroStopsAndDisabledStops)
{
    Timer& t = SampleForm->Timer1;
    EXPECT_TRUE(t.Enabled());
    EXPECT_FALSE(t.Running());  // interval 0
    t.SetInterval(20);
    EXPECT_TRUE(t.Running());
    t.SetEnabled(false);
    EXPECT_FALSE(t.Running());
    t.SetEnabled(true);
    EXPECT_TRUE(t.Running());
    t.SetInterval(0);
    EXPECT_FALSE(t.Running());
    t.SetInterval(15);
    QTRY_VERIFY_WITH_TIMEOUT(logbook.ticks >= 2, 2000);  // repeats while enabled
    t.SetEnabled(false);
    const int ticks = logbook.ticks;
    QTest::qWait(50);
    EXPECT_EQ(logbook.ticks, ticks);
}

TEST_F(FormRuntime, GeometryIsInTwipsAndTheClientAreaIsInsideANominalFrame)
{
    Sample& f = *SampleForm;
    f.SetHeight(3405);
    f.SetWidth(3210);
    EXPECT_EQ(f.ScaleWidth(), 3090);
    EXPECT_EQ(f.ScaleHeight(), 3030);
    EXPECT_EQ(f.client()->size(), QSize(206, 202));
    EXPECT_EQ(f.Button.widget()->geometry(), QRect(8, 8, 65, 25));
    f.MakeBorderless();
    f.SetHeight(1680);
    f.SetWidth(3855);
    EXPECT_EQ(f.client()->size(), QSize(257, 112));
}

TEST_F(FormRuntime, KeyReleasesCountButAutoRepeatOnesDoNot)
{
    SampleForm->Show();
    QWidget* w = SampleForm->window();
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w, &repeat);
    QKeyEvent real(QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier);
    QApplication::sendEvent(w, &real);
    QKeyEvent left(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(w, &left);
    EXPECT_EQ(logbook.keys, (std::vector<std::pair<int, int>>{{40, vbShiftMask}, {37, 0}}));
}

TEST_F(FormRuntime, ADoubleClickIsOneClickAndEnterPressesTheFocusedButton)
{
    SampleForm->Show();
    QWidget* b = SampleForm->Button.widget();
    // press, release, the second press as a double click, release
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);
    QTest::mouseRelease(b, Qt::LeftButton);
    EXPECT_EQ(logbook.clicks, 1);
    SampleForm->Button.SetFocus();
    QTest::keyClick(b, Qt::Key_Return);
    EXPECT_EQ(logbook.clicks, 2);
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(logbook.clicks, 3);
}

TEST_F(FormRuntime, ControlsAreNamedForScreenReaders)
{
    SampleForm->Show();
    auto name = [](QObject* o) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
        return a ? a->text(QAccessible::Name) : QString("<none>");
    };
    EXPECT_EQ(name(SampleForm->Button.widget()), "Go");
    EXPECT_EQ(name(SampleForm->Text.widget()), "label");
    SampleForm->Button.SetEnabled(false);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(SampleForm->Button.widget());
    EXPECT_TRUE(a->state().disabled);
}

// The real message box: Japanese buttons, No the default of the Yes/No question.
TEST(RealMessageBox, YesNoQuestionHasNoAsDefaultAndYesReturnsSix)
{
    rt::QtServices services;
    QStringList captions;
    QString defaultCaption;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            captions << b->text();
        defaultCaption = box->defaultButton()->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == "はい(&Y)")
                b->click();
    });
    EXPECT_EQ(services.MsgBox("本当に降参しちゃうの？", 292, "降参？"), rt::vbYes);
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"いいえ(&N)", "はい(&Y)"}));
    EXPECT_EQ(defaultCaption, "いいえ(&N)");

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->buttons().first()->text(), "OK");
        EXPECT_EQ(box->text(), "DATファイルが無くなっています\n実行を中断します");
        box->buttons().first()->click();
    });
    EXPECT_EQ(services.MsgBox("DATファイルが無くなっています\r\n実行を中断します", 16, ".DAT Don't Exist"), rt::vbOK);
}

TEST(RealInputBox, CancelGivesTheEmptyText)
{
    rt::QtServices services;
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->text() == "キャンセル")
                b->click();
    });
    EXPECT_EQ(services.InputBox("prompt", "答えは？"), "");
}
