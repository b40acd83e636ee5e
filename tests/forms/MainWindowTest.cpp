// The main window: the opening, the first puzzle, the problem button, the last stage,
// the menus and the refusal to close.
#include "modules/Module3.h"

#include "GameTest.h"

#include <QMenuBar>
#include <QTest>

namespace {
const Box kRefusal{"だめだめ", "[閉じる]？出来るかっちゅーの", 48};

// "1" for each shown control, "0" for each hidden one.
std::string Shown(std::initializer_list<const Control*> controls)
{
    std::string s;
    for (const Control* c : controls)
        s += c->Visible() ? '1' : '0';
    return s;
}
}  // namespace

class Opening : public GameTest {};

TEST_F(Opening, AsksAfterThePauseWithTheFocusOnNo)
{
    std::vector<QString> captionsAtPause;
    fake.onSleep = [&](int) { captionsAtPause.push_back(Form1->Caption()); };
    StartToMainWindow();
    EXPECT_EQ(captionsAtPause, std::vector<QString>{"ぬるぴか ２"});  // the question comes after the pause
    EXPECT_EQ(Form1->Caption(), "Welcome to ぬるぴか");
    EXPECT_EQ(G.Stage, 10);
    EXPECT_EQ(Form1->Label1.Caption() + Form1->Label2.Caption() + Form1->Label3.Caption(), "やめるなら今のうちよやめとく？NORMAL");
    EXPECT_EQ(Form1->Label1.ForeColor(), vbCyan);
    EXPECT_EQ(Shown({&Form1->Label1, &Form1->Label2, &Form1->Label3, &Form1->Label4, &Form1->Label5}), "11100");
    const forms::Form1& f = *Form1;
    EXPECT_EQ(Shown({&f.Command1[0], &f.Command1[1], &f.Command2, &f.Command3, &f.Command4, &f.Command5, &f.Command6}), "0000110");
    EXPECT_FALSE(Form1->Space.Visible() || Form1->Kousan.Visible());
    EXPECT_EQ(Form1->window()->focusWidget(), Form1->Command5.widget());
}

TEST_F(Opening, TimeAttackShowsTheBestTimeOfTheCourseAndAnyOtherCourseIsNormal)
{
    WriteQuiz("q,a");
    WriteFile("NP2.INI", RecordFile(0, 0, "50", "98.5"));
    for (const char* course : {"ANOTHER", "another"}) {
        G = GameState{};
        rt::ResetForms();
        Main();
        G.Course = course;
        G.TimeAttack = true;
        Form0->Timer1_Timer();
        const bool another = std::string(course) == "ANOTHER";
        EXPECT_EQ(Form1->Label3.Caption(), another ? "ANOTHER" : "NORMAL");
        EXPECT_EQ(Form1->Label5.Caption(), another ? "BEST TIME 98.5 秒" : "BEST TIME 50 秒");
        EXPECT_EQ(Shown({&Form1->Label4, &Form1->Label5}), "11");
    }
}

TEST_F(Opening, NoStartsTheRunAndItsClockAfterTheBox)
{
    StartToMainWindow();
    fake.onBox = [&](const Box&) { fake.now += 7.0f; };  // the player reads the box for 7 s
    Form1->Command5_Click();
    EXPECT_EQ(G.StartTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    const forms::Form1& f = *Form1;
    EXPECT_EQ(Shown({&f.Command1[0], &f.Command1[1], &f.Command2, &f.Command3, &f.Command4, &f.Command5, &f.Command6}), "1110000");
    EXPECT_EQ(Shown({&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5}), "00000");
    EXPECT_FALSE(Form1->Command2.Enabled());
    EXPECT_TRUE(Form1->FIle.Visible() && Form1->Etc.Visible());
}

// ---- the exit buttons

struct Presses {
    const char* buttons;  // 0 = おわり (+2), 1 = 終了 (+3), L = the Lock menu
    int stage;
    bool surrenderOffered;
    bool problemShown;
};

void PrintTo(const Presses& p, std::ostream* os) { *os << '"' << p.buttons << '"'; }

class ExitButtons : public GameTest, public ::testing::WithParamInterface<Presses> {};

TEST_P(ExitButtons, SumAndDifferenceTests)
{
    StartRun();
    for (const char* b = GetParam().buttons; *b; ++b)
        *b == 'L' ? Form1->Lock_Click() : Form1->Command1_Click(*b - '0');
    EXPECT_EQ(G.Stage, GetParam().stage);
    EXPECT_EQ(Form1->Command2.Enabled(), GetParam().surrenderOffered);
    EXPECT_EQ(Form1->Kousan.Visible() && Form1->Bar1.Visible(), GetParam().surrenderOffered);
    EXPECT_EQ(Form1->Command3.Visible(), GetParam().problemShown);
    EXPECT_FALSE(GetParam().problemShown && Form1->Command3.Enabled());  // shown, but not pressable yet
    EXPECT_TRUE(G.LockOn || Form1->Space.Visible() == GetParam().problemShown);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ExitButtons,
                         ::testing::Values(Presses{"1", 11, true, false},            // sum 3, d = 3
                                           Presses{"0", 11, false, false},           // sum 2, d = 2
                                           Presses{"00011", 12, true, true},         // 6 and 6: d = 0
                                           Presses{"00000", 11, false, false},       // d = 10
                                           Presses{"00000001", 12, false, true},     // d = 11
                                           Presses{"000000001", 12, false, true},    // d = 13
                                           Presses{"0000000", 11, false, false},     // d = 14
                                           Presses{"000110", 11, false, false},      // back to 11 from 12
                                           Presses{"00011L0000", 13, false, true}));  // Lock: nothing lowers it

TEST_F(ExitButtons, ShuffleDrawsDigitsWithinTheBoundsAndReseedsPerButton)
{
    StartRun();
    fake.ScriptDigits("9999" "0120" "0240" "0495" "1215");  // 9999 is out of bounds: drawn again
    ShuffleExits();
    EXPECT_EQ(QRect(Form1->Command1[0].Left(), Form1->Command1[0].Top(), Form1->Command1[1].Left(), Form1->Command1[1].Top()),
              QRect(240, 120, 1215, 495));
    EXPECT_EQ(fake.randomizes, 2);
    QRect range(9999, 9999, 0, 0);  // min left, min top, max left, max top
    for (int i = 0; i < 2000; ++i) {
        ShuffleExits();
        for (int b = 0; b <= 1; ++b) {
            const int top = Form1->Command1[b].Top(), left = Form1->Command1[b].Left();
            ASSERT_TRUE(top >= 120 && top <= 2280 && left >= 240 && left <= 3840) << left << "," << top;
            range = QRect(std::min(range.x(), left), std::min(range.y(), top), std::max(range.width(), left), std::max(range.height(), top));
        }
    }
    EXPECT_TRUE(range.x() < 600 && range.y() < 300 && range.width() > 3500 && range.height() > 2100);  // the whole range
}

TEST_F(ExitButtons, AfterLockMeetingButtonsOfferAttackTouchingIncluded)
{
    StartRun();
    struct Case {
        const char* digits;
        bool locked, offered;
    };
    for (const Case& c : {Case{"0120" "0240" "0495" "1215", true, true}, Case{"0495" "1215" "0120" "0240", true, true},
                          Case{"0120" "0240" "0496" "1215", true, false}, Case{"0120" "0240" "0495" "1216", true, false},
                          Case{"1000" "2000" "1000" "2000", false, false}}) {
        Form1->Space.SetVisible(false);
        Form1->Lock.SetEnabled(true);
        G.LockOn = c.locked;
        fake.ScriptDigits(c.digits);
        ShuffleExits();
        EXPECT_EQ(Form1->Space.Visible(), c.offered) << c.digits;
        EXPECT_EQ(Form1->Lock.Enabled(), !c.offered) << c.digits;
        EXPECT_TRUE(!c.offered || Form1->Attack.Visible());
    }
    Form1->Attack_Click();
    EXPECT_TRUE(Form1->Command3.Enabled());
}

// ---- the problem button

struct Dispatch {
    int stage, newStage;
    int window;  // 4, 5 or 7 opened; 0 none
    bool message;
};

void PrintTo(const Dispatch& d, std::ostream* os) { *os << "stage " << d.stage; }

class ProblemButton : public GameTest, public ::testing::WithParamInterface<Dispatch> {};

TEST_P(ProblemButton, OpensTheWindowOfTheStage)
{
    const Dispatch& d = GetParam();
    StartRun();
    Form1->Space.SetVisible(true);
    G.Stage = static_cast<std::int16_t>(d.stage);
    fake.boxes.clear();
    Form1->Command3_Click();
    EXPECT_EQ(G.Stage, d.newStage);
    const std::vector<bool> opened{Form4.IsLoaded(), Form5.IsLoaded(), Form7.IsLoaded(), Form1->Visible()};
    const std::vector<bool> expected{d.window == 4, d.window == 5, d.window == 7, d.window == 0};
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(Form1->Space.Visible(), d.window != 4);
    const std::vector<Box> message{{"ふふふ", "そう簡単には終了できないのでした", 0}};
    EXPECT_EQ(fake.boxes, d.message ? message : std::vector<Box>());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ProblemButton,
                         ::testing::Values(Dispatch{10, 15, 4, false}, Dispatch{19, 15, 4, false}, Dispatch{20, 21, 5, false},
                                           Dispatch{29, 21, 5, false}, Dispatch{30, 31, 7, false}, Dispatch{39, 31, 7, false},
                                           Dispatch{40, 40, 0, true}, Dispatch{42, 42, 0, true}, Dispatch{43, 43, 0, false},
                                           Dispatch{45, 45, 0, false}));

// ---- the last stage

class LastStage : public GameTest {
protected:
    void AtStage(const char* course, int stage)
    {
        if (!Form1.IsLoaded())
            StartRun();
        G.Course = course;
        G.Stage = static_cast<std::int16_t>(stage);
        fake.boxes.clear();
    }
};

TEST_F(LastStage, TheSurrenderButtonShowsTheRiddleOfTheCourseFirst)
{
    const Box ask{"降参？", "本当に降参しちゃうの？", 292};
    AtStage("NORMAL", 44);
    Form1->Command2_Click();  // the surrender question is declined
    EXPECT_EQ(G.Stage, 41);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"This Word Means・・・", "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？", 0}, ask}));
    AtStage("ANOTHER", 40);
    Form1->Command2_Click();
    EXPECT_EQ(G.Stage, 41);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"This Word Means・・・", "＜S+C+A+Left＞ さて、何の暗号だろう？", 0}, ask}));
    AtStage("normal", 40);
    Form1->Command2_Click();
    EXPECT_EQ(G.Stage, 40);
    EXPECT_EQ(fake.boxes, std::vector<Box>{ask});
}

struct SwitchPress {
    const char* course;
    int stage, button, shift, newStage;
    int problemEnabled;  // 1 enabled, 0 disabled, -1 left as it was
};

void PrintTo(const SwitchPress& s, std::ostream* os) { *os << s.course << " stage " << s.stage << " " << s.button << "/" << s.shift; }

class Switch : public LastStage, public ::testing::WithParamInterface<SwitchPress> {};

TEST_P(Switch, OnlyTheRightPressSolvesIt)
{
    const SwitchPress& p = GetParam();
    for (bool before : {false, true}) {
        AtStage(p.course, p.stage);
        Form1->Command3.SetEnabled(before);
        Form1->Command6_MouseDown(p.button, p.shift, 0, 0);
        EXPECT_EQ(G.Stage, p.newStage);
        EXPECT_EQ(Form1->Command3.Enabled(), p.problemEnabled < 0 ? before : p.problemEnabled == 1);
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Switch,
                         ::testing::Values(SwitchPress{"NORMAL", 40, 1, 5, 44, 1}, SwitchPress{"NORMAL", 41, 1, 5, 44, 1},
                                           SwitchPress{"NORMAL", 40, 1, 7, 40, 0}, SwitchPress{"NORMAL", 41, 1, 7, 42, 0},
                                           SwitchPress{"NORMAL", 41, 2, 5, 42, 0}, SwitchPress{"NORMAL", 44, 1, 0, 44, 0},
                                           SwitchPress{"ANOTHER", 43, 2, 0, 44, 1}, SwitchPress{"ANOTHER", 41, 1, 5, 42, 0},
                                           SwitchPress{"ANOTHER", 44, 1, 5, 42, 0}, SwitchPress{"other", 41, 1, 5, 41, -1},
                                           SwitchPress{"NORMAL", 39, 1, 5, 39, -1}));

TEST_F(LastStage, TheSwitchIgnoresTheKeyboard)
{
    AtStage("NORMAL", 40);
    Form1->Command6.SetVisible(true);
    Form1->Command6.SetFocus();
    QTest::keyClick(Form1->Command6.widget(), Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(Form1->Command6.widget(), Qt::Key_Return);
    EXPECT_EQ(G.Stage, 40);
}

TEST_F(LastStage, AClickOnTheWindowWithAllThreeKeysOnAnother)
{
    for (int stage = 39; stage <= 44; ++stage) {
        AtStage("ANOTHER", stage);
        Form1->Form_MouseDown(1, 7, 0, 0);
        EXPECT_EQ(G.Stage, stage < 40 ? 39 : 43) << stage;
        AtStage("ANOTHER", stage);
        Form1->Form_MouseDown(1, 5, 0, 0);
        EXPECT_EQ(G.Stage, stage == 41 ? 42 : stage) << stage;
        AtStage("NORMAL", stage);
        Form1->Form_MouseDown(1, 7, 0, 0);
        EXPECT_EQ(G.Stage, stage) << stage;
    }
}

// ---- closing and menus

struct CloseCase {
    int reason;
    const char* flag;  // "", "Surrendered", "Aborting", "GameCleared"
    bool closes, refusalShown;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << "reason " << c.reason << " " << c.flag; }

class CloseRule : public GameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRule, RefusesThePlayerDuringTheGame)
{
    const CloseCase& c = GetParam();
    StartToMainWindow();
    fake.boxes.clear();
    const std::string flag = c.flag;
    G.Surrendered = flag == "Surrendered";
    G.Aborting = flag == "Aborting";
    G.GameCleared = flag == "GameCleared";
    if (c.reason == vbFormControlMenu)
        Form1->window()->close();  // the close box, Alt+F4 or the window manager
    else if (c.reason == vbFormCode)
        Form1->Exit_Click();
    else
        Form1->QueryAndUnload(c.reason);
    EXPECT_EQ(!Form1.IsLoaded(), c.closes);
    EXPECT_EQ(fake.boxes, c.refusalShown ? std::vector<Box>(1, kRefusal) : std::vector<Box>());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CloseRule,
                         ::testing::Values(CloseCase{0, "", false, true}, CloseCase{1, "", false, true},
                                           CloseCase{2, "", true, false}, CloseCase{3, "", true, false},
                                           CloseCase{0, "Surrendered", true, false}, CloseCase{1, "Aborting", true, false},
                                           CloseCase{0, "Aborting", true, false}, CloseCase{1, "GameCleared", true, false},
                                           // the ending finishes by itself: the player's close waits for it
                                           CloseCase{0, "GameCleared", false, false}));

class Menus : public GameTest {};

TEST_F(Menus, TheBlankTitleIsARealTitleThatOpens)
{
    StartRun();
    Form1->Space.SetVisible(true);
    EXPECT_EQ(Form1->Space.Caption(), "");
    EXPECT_GT(Form1->menuBar()->actionGeometry(Form1->Space.action()).width(), 4);
    EXPECT_EQ(Form1->Space.menu()->actions().size(), 2);
    EXPECT_TRUE(Form1->Bar1.action()->isSeparator());
}

TEST_F(Menus, TheVersionWindowExistsOnce)
{
    StartRun();
    Form1->Version_Click();
    forms::Form2* first = &*Form2;
    Form1->Version_Click();
    EXPECT_EQ(&*Form2, first);
    EXPECT_TRUE(Form2->Visible() && Form1->Visible());
    EXPECT_EQ(Form2->Label5.Caption(), "Ver 0.21");
    EXPECT_EQ(QSize(Form2->ScaleWidth(), Form2->ScaleHeight()), QSize(3675, 2070));
    rt::Dispatch([&] { first->Command1_Click(); });
    EXPECT_FALSE(Form2.IsLoaded());
    Form1->Version_Click();
    EXPECT_EQ(Form2->Label5.Caption(), "Ver 0.21");
    Form2->window()->close();  // no close box, but an about box closes for the player
    EXPECT_FALSE(Form2.IsLoaded());
}
