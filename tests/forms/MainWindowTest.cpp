// The main window: the opening, the first puzzle, the problem button, the last stage,
// the menus and the refusal to close.
#include "modules/Module1.h"
#include "modules/Module3.h"

#include "GameTest.h"

#include <QMenuBar>
#include <QTest>

namespace {
const Box kWelcome1{"Welcome to ぬるぴか", "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか", 0};
const Box kWelcome2{"Welcome to ぬるぴか", "乞うご期待！", 0};
const Box kRefusal{"だめだめ", "[閉じる]？出来るかっちゅーの", 48};
}  // namespace

class Opening : public GameTest {};

TEST_F(Opening, WelcomesPausesAndAsksWithTheFocusOnNo)
{
    std::vector<QString> captionsAtPause;
    fake.onSleep = [&](int) { captionsAtPause.push_back(Form1->Caption()); };
    StartToMainWindow();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2}));
    EXPECT_EQ(fake.sleeps, std::vector<int>{1000});
    EXPECT_EQ(captionsAtPause, std::vector<QString>{"ぬるぴか ２"});  // the question comes after the pause
    EXPECT_EQ(Form1->Caption(), "Welcome to ぬるぴか");
    EXPECT_EQ(G.Stage, 10);
    EXPECT_EQ(Form1->Label1.Caption(), "やめるなら今のうちよ");
    EXPECT_EQ(Form1->Label2.Caption(), "やめとく？");
    EXPECT_EQ(Form1->Label1.ForeColor(), vbCyan);
    EXPECT_EQ(Form1->Label3.Caption(), "NORMAL");
    EXPECT_TRUE(Form1->Label3.Visible());
    EXPECT_FALSE(Form1->Label4.Visible());
    EXPECT_FALSE(Form1->Label5.Visible());
    EXPECT_TRUE(Form1->Command4.Visible());
    EXPECT_TRUE(Form1->Command5.Visible());
    for (CommandButton* b : {&Form1->Command1[0], &Form1->Command1[1], &Form1->Command2, &Form1->Command3, &Form1->Command6})
        EXPECT_FALSE(b->Visible());
    EXPECT_FALSE(Form1->Space.Visible());
    EXPECT_FALSE(Form1->Kousan.Visible());
    EXPECT_EQ(Form1->window()->focusWidget(), Form1->Command5.widget());
    EXPECT_EQ(Form1->BackColor(), RGB(0, 128, 128));
}

TEST_F(Opening, TimeAttackShowsTheBestTimeOfTheCourse)
{
    WriteQuiz("q,a");
    WriteFile("NP2.INI", RecordFile(0, 0, "9999", "98.5"));
    Main();
    G.Course = "ANOTHER";
    G.TimeAttack = true;
    rt::Dispatch([] { Form0->Timer1_Timer(); });
    EXPECT_EQ(Form1->Label3.Caption(), "ANOTHER");
    EXPECT_TRUE(Form1->Label4.Visible());
    EXPECT_EQ(Form1->Label4.Caption(), "TIME ATTACK");
    EXPECT_TRUE(Form1->Label5.Visible());
    EXPECT_EQ(Form1->Label5.Caption(), "BEST TIME 98.5 秒");
    EXPECT_EQ(G.BestTime, 98.5f);
}

TEST_F(Opening, AnyOtherCourseTextCountsAsNormal)
{
    WriteQuiz("q,a");
    WriteFile("NP2.INI", RecordFile(0, 0, "50", "98.5"));
    Main();
    G.Course = "another";
    G.TimeAttack = true;
    Form0->Timer1_Timer();
    EXPECT_EQ(Form1->Label3.Caption(), "NORMAL");
    EXPECT_EQ(Form1->Label5.Caption(), "BEST TIME 50 秒");
}

TEST_F(Opening, YesCountsTheQuitAndEnds)
{
    WriteFile("NP2.INI", RecordFile(0, 4, "9999", "9999"));
    StartToMainWindow();
    fake.boxes.clear();
    EXPECT_TRUE(Ends([] { Form1->Command4_Click(); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"Welcome to ぬるぴか", "あ・・・そう？根性なしねぇ。じゃぁね。", 0}}));
    std::string expected = RecordFile(0, 4, "9999", "9999");
    expected.replace(expected.find("Kaisu = 4"), 9, "Kaisu=5");
    EXPECT_EQ(ReadFile("NP2.INI"), expected);
}

TEST_F(Opening, NoStartsTheRunAndItsClockAfterTheBox)
{
    StartToMainWindow();
    fake.boxes.clear();
    fake.onBox = [&](const Box&) { fake.now += 7.0f; };  // the player reads the box for 7 s
    Form1->Command5_Click();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"Welcome to ぬるぴか", "そうこなくっちゃね。お一人様ごあんな～い", 0}}));
    EXPECT_EQ(G.StartTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    EXPECT_TRUE(Form1->Command1[0].Visible());
    EXPECT_TRUE(Form1->Command1[1].Visible());
    EXPECT_TRUE(Form1->Command2.Visible());
    EXPECT_FALSE(Form1->Command2.Enabled());
    for (CommandButton* b : {&Form1->Command3, &Form1->Command4, &Form1->Command5, &Form1->Command6})
        EXPECT_FALSE(b->Visible());
    for (Label* l : {&Form1->Label1, &Form1->Label2, &Form1->Label3, &Form1->Label4, &Form1->Label5})
        EXPECT_FALSE(l->Visible());
    EXPECT_TRUE(Form1->FIle.Visible());
    EXPECT_TRUE(Form1->Etc.Visible());
    EXPECT_FALSE(Form1->Kousan.Visible());
    EXPECT_EQ(G.Stage, 10);
}

TEST_F(Opening, NoInTimeAttackSaysSo)
{
    StartToMainWindow();
    G.TimeAttack = true;
    fake.boxes.clear();
    Form1->Command5_Click();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です", 0}}));
}

// ---- the exit buttons

struct Presses {
    const char* buttons;  // 0 = おわり (+2), 1 = 終了 (+3), L = the Lock menu
    int stage;
    bool surrenderOffered;
    bool problemShown;
    bool blankMenuShown;
};

void PrintTo(const Presses& p, std::ostream* os) { *os << '"' << p.buttons << '"'; }

class ExitButtons : public GameTest, public ::testing::WithParamInterface<Presses> {};

TEST_P(ExitButtons, SumAndDifferenceTests)
{
    StartRun();
    fake.screenWidth = fake.screenHeight = 100000;
    for (const char* b = GetParam().buttons; *b; ++b) {
        if (*b == 'L')
            Form1->Lock_Click();
        else
            Form1->Command1_Click(*b - '0');
    }
    EXPECT_EQ(G.Stage, GetParam().stage);
    EXPECT_EQ(Form1->Command2.Enabled(), GetParam().surrenderOffered);
    EXPECT_EQ(Form1->Kousan.Visible(), GetParam().surrenderOffered);
    EXPECT_EQ(Form1->Bar1.Visible(), GetParam().surrenderOffered);
    EXPECT_EQ(Form1->Command3.Visible(), GetParam().problemShown);
    if (GetParam().problemShown) {
        EXPECT_FALSE(Form1->Command3.Enabled());  // shown, but not pressable yet
    }
    if (!G.LockOn) {
        EXPECT_EQ(Form1->Space.Visible(), GetParam().blankMenuShown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ExitButtons,
    ::testing::Values(Presses{"1", 11, true, false, false},               // sum 3, d = 3
                      Presses{"0", 11, false, false, false},              // sum 2, d = 2
                      Presses{"00011", 12, true, true, true},             // 6 and 6: d = 0
                      Presses{"00000", 11, false, false, false},          // d = 10
                      Presses{"00000001", 12, false, true, true},         // d = 11
                      Presses{"000000", 12, true, true, true},            // d = 12
                      Presses{"000000001", 12, false, true, true},        // d = 13
                      Presses{"0000000", 11, false, false, false},        // d = 14
                      Presses{"000110", 11, false, false, false},         // 12 at d = 0, then back to 11
                      Presses{"00011L0000", 13, false, true, false},      // after Lock nothing lowers the stage
                      Presses{"00011L0", 13, false, true, false}));

TEST_F(ExitButtons, ShuffleKeepsEveryCoordinateWithinItsBounds)
{
    StartRun();
    int minTop = 99999, maxTop = -1, minLeft = 99999, maxLeft = -1;
    for (int i = 0; i < 2000; ++i) {
        ShuffleExits();
        for (int b = 0; b <= 1; ++b) {
            const int top = Form1->Command1[b].Top();
            const int left = Form1->Command1[b].Left();
            ASSERT_TRUE(top >= 120 && top <= 2280) << top;
            ASSERT_TRUE(left >= 240 && left <= 3840) << left;
            minTop = std::min(minTop, top);
            maxTop = std::max(maxTop, top);
            minLeft = std::min(minLeft, left);
            maxLeft = std::max(maxLeft, left);
        }
    }
    // spread over the whole range, not stuck in a corner
    EXPECT_LT(minTop, 300);
    EXPECT_GT(maxTop, 2100);
    EXPECT_LT(minLeft, 600);
    EXPECT_GT(maxLeft, 3500);
    EXPECT_EQ(fake.randomizes, 4000);  // reseeded before each button
}

TEST_F(ExitButtons, DrawsDigitByDigitAndAgainWhenOutOfBounds)
{
    StartRun();
    fake.ScriptDigits("9999" "0120" "0240" "0495" "1215");
    ShuffleExits();
    EXPECT_EQ(Form1->Command1[0].Top(), 120);
    EXPECT_EQ(Form1->Command1[0].Left(), 240);
    EXPECT_EQ(Form1->Command1[1].Top(), 495);
    EXPECT_EQ(Form1->Command1[1].Left(), 1215);
}

struct Meeting {
    const char* digits;
    bool locked;
    bool attackOffered;
};

void PrintTo(const Meeting& m, std::ostream* os) { *os << m.digits << (m.locked ? " locked" : ""); }

class Meetings : public GameTest, public ::testing::WithParamInterface<Meeting> {};

TEST_P(Meetings, TouchingCountsAtExactly375And975)
{
    StartRun();
    G.LockOn = GetParam().locked;
    fake.ScriptDigits(GetParam().digits);
    ShuffleExits();
    EXPECT_EQ(Form1->Space.Visible(), GetParam().attackOffered);
    EXPECT_EQ(Form1->Lock.Enabled(), !GetParam().attackOffered);
    if (GetParam().attackOffered) {
        EXPECT_TRUE(Form1->Attack.Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, Meetings,
                         ::testing::Values(Meeting{"0120" "0240" "0495" "1215", true, true},
                                           Meeting{"0495" "1215" "0120" "0240", true, true},
                                           Meeting{"0120" "0240" "0496" "1215", true, false},
                                           Meeting{"0120" "0240" "0495" "1216", true, false},
                                           Meeting{"1000" "2000" "1000" "2000", true, true},
                                           Meeting{"1000" "2000" "1000" "2000", false, false}));

TEST_F(ExitButtons, LockThenAttackMakesTheProblemButtonPressable)
{
    StartRun();
    Form1->Lock_Click();
    EXPECT_TRUE(G.LockOn);
    EXPECT_EQ(G.Stage, 13);
    Form1->Attack_Click();
    EXPECT_TRUE(Form1->Command3.Enabled());
}

// ---- the problem button

struct Dispatch {
    int stage;
    int newStage;
    int window;  // 4, 5 or 7 opened; 0 none
    bool message;
};

void PrintTo(const Dispatch& d, std::ostream* os) { *os << "stage " << d.stage; }

class ProblemButton : public GameTest, public ::testing::WithParamInterface<Dispatch> {};

TEST_P(ProblemButton, OpensTheWindowOfTheStage)
{
    StartRun();
    Form1->Space.SetVisible(true);
    G.Stage = static_cast<std::int16_t>(GetParam().stage);
    fake.boxes.clear();
    Form1->Command3_Click();
    EXPECT_EQ(G.Stage, GetParam().newStage);
    EXPECT_EQ(Form4.IsLoaded(), GetParam().window == 4);
    EXPECT_EQ(Form5.IsLoaded(), GetParam().window == 5);
    EXPECT_EQ(Form7.IsLoaded(), GetParam().window == 7);
    EXPECT_EQ(Form1->Visible(), GetParam().window == 0);
    if (GetParam().window == 4) {
        EXPECT_FALSE(Form1->Space.Visible());
    }
    if (GetParam().message)
        EXPECT_EQ(fake.boxes, (std::vector<Box>{{"ふふふ", "そう簡単には終了できないのでした", 0}}));
    else
        EXPECT_TRUE(fake.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ProblemButton,
                         ::testing::Values(Dispatch{10, 15, 4, false}, Dispatch{13, 15, 4, false},
                                           Dispatch{19, 15, 4, false}, Dispatch{20, 21, 5, false},
                                           Dispatch{29, 21, 5, false}, Dispatch{30, 31, 7, false},
                                           Dispatch{39, 31, 7, false}, Dispatch{40, 40, 0, true},
                                           Dispatch{42, 42, 0, true}, Dispatch{43, 43, 0, false},
                                           Dispatch{45, 45, 0, false}));

// ---- the last stage

class LastStage : public GameTest {
protected:
    void AtStage(const char* course, int stage)
    {
        StartRun();
        G.Course = course;
        G.Stage = static_cast<std::int16_t>(stage);
        fake.boxes.clear();
    }
};

TEST_F(LastStage, TheSurrenderButtonShowsTheRiddleOfTheCourse)
{
    AtStage("NORMAL", 44);
    Form1->Command2_Click();  // the surrender question is declined
    EXPECT_EQ(G.Stage, 41);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"This Word Means・・・", "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？", 0},
                                            {"降参？", "本当に降参しちゃうの？", 292}}));
    AtStage("ANOTHER", 40);
    Form1->Command2_Click();
    EXPECT_EQ(G.Stage, 41);
    EXPECT_EQ(fake.boxes[0], (Box{"This Word Means・・・", "＜S+C+A+Left＞ さて、何の暗号だろう？", 0}));
    AtStage("normal", 40);
    Form1->Command2_Click();
    EXPECT_EQ(G.Stage, 40);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"降参？", "本当に降参しちゃうの？", 292}}));
    AtStage("NORMAL", 39);
    Form1->Command2_Click();
    EXPECT_EQ(G.Stage, 39);
}

struct SwitchPress {
    const char* course;
    int stage;
    int button;
    int shift;
    int newStage;
    int problemEnabled;  // 1 enabled, 0 disabled, -1 left as it was
};

void PrintTo(const SwitchPress& s, std::ostream* os)
{
    *os << s.course << " stage " << s.stage << " button " << s.button << " shift " << s.shift;
}

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
                         ::testing::Values(SwitchPress{"NORMAL", 40, 1, 5, 44, 1},
                                           SwitchPress{"NORMAL", 41, 1, 5, 44, 1},
                                           SwitchPress{"NORMAL", 40, 1, 7, 40, 0},
                                           SwitchPress{"NORMAL", 41, 1, 7, 42, 0},
                                           SwitchPress{"NORMAL", 41, 2, 5, 42, 0},
                                           SwitchPress{"NORMAL", 44, 1, 0, 44, 0},
                                           SwitchPress{"ANOTHER", 43, 2, 0, 44, 1},
                                           SwitchPress{"ANOTHER", 41, 1, 5, 42, 0},
                                           SwitchPress{"ANOTHER", 44, 1, 5, 42, 0},
                                           SwitchPress{"other", 41, 1, 5, 41, -1},
                                           SwitchPress{"NORMAL", 39, 1, 5, 39, -1}));

TEST_F(LastStage, TheSwitchIgnoresTheKeyboard)
{
    AtStage("NORMAL", 40);
    Form1->Command6.SetVisible(true);
    Form1->Command6.SetFocus();
    Form1->Show();
    QTest::keyClick(Form1->Command6.widget(), Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(Form1->Command6.widget(), Qt::Key_Return);
    EXPECT_EQ(G.Stage, 40);
}

TEST_F(LastStage, AClickOnTheWindowWithAllThreeKeysOnAnother)
{
    for (int stage = 40; stage <= 44; ++stage) {
        AtStage("ANOTHER", stage);
        Form1->Form_MouseDown(1, 7, 0, 0);
        EXPECT_EQ(G.Stage, 43) << stage;
        AtStage("ANOTHER", stage);
        Form1->Form_MouseDown(1, 5, 0, 0);
        EXPECT_EQ(G.Stage, stage == 41 ? 42 : stage) << stage;
        AtStage("NORMAL", stage);
        Form1->Form_MouseDown(1, 7, 0, 0);
        EXPECT_EQ(G.Stage, stage) << stage;
    }
    AtStage("ANOTHER", 39);
    Form1->Form_MouseDown(1, 7, 0, 0);
    EXPECT_EQ(G.Stage, 39);
}

// ---- closing

struct CloseCase {
    int reason;
    const char* flag;  // "", "Surrendered", "Aborting", "GameCleared"
    bool closes;
    bool refusalShown;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << "reason " << c.reason << " " << c.flag; }

class CloseRule : public GameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRule, RefusesThePlayerDuringTheGame)
{
    const CloseCase& c = GetParam();
    StartToMainWindow();
    fake.boxes.clear();
    G.Surrendered = std::string(c.flag) == "Surrendered";
    G.Aborting = std::string(c.flag) == "Aborting";
    G.GameCleared = std::string(c.flag) == "GameCleared";
    if (c.reason == vbFormControlMenu)
        Form1->window()->close();  // the close box, Alt+F4 or the window manager
    else
        Form1->QueryAndUnload(c.reason);
    EXPECT_EQ(!Form1.IsLoaded(), c.closes);
    EXPECT_EQ(fake.boxes, c.refusalShown ? std::vector<Box>{kRefusal} : std::vector<Box>{});
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CloseRule,
                         ::testing::Values(CloseCase{0, "", false, true}, CloseCase{1, "", false, true},
                                           CloseCase{2, "", true, false}, CloseCase{3, "", true, false},
                                           CloseCase{0, "Surrendered", true, false}, CloseCase{1, "Surrendered", true, false},
                                           CloseCase{0, "Aborting", true, false}, CloseCase{1, "Aborting", true, false},
                                           CloseCase{1, "GameCleared", true, false},
                                           // the ending finishes by itself: the player's close waits for it
                                           CloseCase{0, "GameCleared", false, false}));

class Menus : public GameTest {};

TEST_F(Menus, ExitOnlyBringsTheRefusal)
{
    StartRun();
    fake.boxes.clear();
    Form1->Exit_Click();
    EXPECT_TRUE(Form1.IsLoaded());
    EXPECT_EQ(fake.boxes, std::vector<Box>{kRefusal});
}

TEST_F(Menus, CaptionsWithAccessKeysAndTheBlankTitle)
{
    StartRun();
    EXPECT_EQ(Form1->FIle.Caption(), "ﾌｧｲﾙ(&F)");
    EXPECT_EQ(Form1->Exit.Caption(), "終了(&X)");
    EXPECT_EQ(Form1->Etc.Caption(), "ﾍﾙﾌﾟ(&H)");
    EXPECT_EQ(Form1->Kousan.Caption(), "降参(&C)");
    EXPECT_EQ(Form1->Version.Caption(), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
    EXPECT_EQ(Form1->Lock.Caption(), "Lock(&L)");
    EXPECT_EQ(Form1->Attack.Caption(), "Attack(&A)");
    EXPECT_EQ(Form1->Space.Caption(), "");
    EXPECT_TRUE(Form1->Bar1.action()->isSeparator());
    // the blank title is a real title on the menu bar, wide enough to click
    Form1->Space.SetVisible(true);
    QMenuBar* bar = Form1->menuBar();
    EXPECT_GT(bar->actionGeometry(Form1->Space.action()).width(), 4);
    EXPECT_EQ(Form1->Space.menu()->actions().size(), 2);
}

TEST_F(Menus, TheVersionWindowExistsOnce)
{
    StartRun();
    Form1->Version_Click();
    forms::Form2* first = &*Form2;
    Form1->Version_Click();
    EXPECT_EQ(&*Form2, first);
    EXPECT_TRUE(Form2->Visible());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form2->Label5.Caption(), "Ver 0.21");
    EXPECT_EQ(Form2->Caption(), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(Form2->ScaleWidth(), 3675);
    EXPECT_EQ(Form2->ScaleHeight(), 2070);
    rt::Dispatch([&] { first->Command1_Click(); });
    EXPECT_FALSE(Form2.IsLoaded());
    Form1->Version_Click();
    EXPECT_EQ(Form2->Label5.Caption(), "Ver 0.21");
    Form2->window()->close();  // no close box, but an about box closes for the player
    EXPECT_FALSE(Form2.IsLoaded());
}
