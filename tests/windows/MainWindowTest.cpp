// The main window: the opening, what the exit buttons and the problem button change on it,
// the last stage, the menus and the refusal to close.
#include "GameTest.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
std::string Lines(const MainWindow& w) { return Shown({&w.upperLine, &w.lowerLine, &w.courseLabel, &w.timeAttackLabel, &w.bestTimeLabel}); }
std::string Buttons(const MainWindow& w)
{
    return Shown({&w.exitButtons[0], &w.exitButtons[1], &w.surrenderButton, &w.problemButton, &w.yesButton, &w.noButton, &w.switchButton});
}
}  // namespace

class MainWindowTest : public GameTest {};

TEST_F(MainWindowTest, TheOpeningAsksAfterThePauseWithTheFocusOnNo)
{
    std::vector<QString> captionsAtPause;
    fake.onPause = [&](int) { captionsAtPause.push_back(mainWindow->caption()); };
    startToMainWindow();
    const MainWindow& w = *mainWindow;
    EXPECT_EQ(captionsAtPause, std::vector<QString>{"ぬるぴか ２"});  // the question comes after the pause
    EXPECT_EQ(w.caption() + w.upperLine.text() + w.lowerLine.text() + w.courseLabel.text(),
              "Welcome to ぬるぴかやめるなら今のうちよやめとく？NORMAL");
    EXPECT_EQ(w.upperLine.textColor(), kCyan);
    EXPECT_EQ(Lines(w) + Buttons(w), "11100" "0000110");
    EXPECT_FALSE(w.blankMenu.isVisible() || w.surrenderItem.isVisible());
    EXPECT_EQ(w.widget()->focusWidget(), w.noButton.widget());

    fake.onBox = [&](const Box&) { fake.now += 7.0f; };  // the player reads the box for 7 s
    mainWindow->onNoClicked();
    EXPECT_EQ(G.startTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(w.caption(), "ぬるぴか");
    EXPECT_EQ(Lines(w) + Buttons(w), "00000" "1110000");
    EXPECT_FALSE(w.surrenderButton.isEnabled());
    EXPECT_TRUE(w.fileMenu.isVisible() && w.helpMenu.isVisible());
}

TEST_F(MainWindowTest, TimeAttackShowsTheBestTimeOfTheCourse)
{
    writeQuiz("q,a");
    writeFile("NP2.INI", RecordFile(0, 0, "50", "98.5"));
    G.timeAttack = true;
    startToMainWindow();
    EXPECT_EQ(mainWindow->bestTimeLabel.text(), "BEST TIME 50 秒");
    EXPECT_EQ(Lines(*mainWindow), "11111");
}

TEST_F(MainWindowTest, TheScoresOfferTheSurrenderAndTheProblemButtonThenLockAndMeetingButtonsAttack)
{
    startRun();
    MainWindow& w = *mainWindow;
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet, but nothing is locked yet
    w.onExitClicked(1);  // 0 and 3
    EXPECT_TRUE(w.surrenderButton.isEnabled() && w.surrenderItem.isVisible() && w.helpSeparator.isVisible());
    EXPECT_FALSE(w.blankMenu.isVisible());
    for (int b : {0, 0, 0, 1})  // 6 and 6
        w.onExitClicked(b);
    EXPECT_TRUE(w.problemButton.isVisible() && !w.problemButton.isEnabled());
    EXPECT_TRUE(w.blankMenu.isVisible() && w.lockItem.isVisible() && !w.attackItem.isVisible());
    EXPECT_GT(w.widget()->findChild<QMenuBar*>()->actionGeometry(w.blankMenu.action()).width(), 4);  // a real title
    w.onExitClicked(0);  // 8 and 6
    EXPECT_FALSE(w.problemButton.isVisible() || w.blankMenu.isVisible() || w.surrenderButton.isEnabled() || w.surrenderItem.isVisible());
    w.onLockChosen();
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet
    w.onExitClicked(1);
    EXPECT_EQ(QPoint(w.exitButtons[1].left(), w.exitButtons[1].top()), QPoint(2500, 1100));
    EXPECT_TRUE(w.blankMenu.isVisible() && w.attackItem.isVisible() && !w.lockItem.isEnabled());
    w.onAttackChosen();
    EXPECT_TRUE(w.problemButton.isEnabled());
}

TEST_F(MainWindowTest, TheProblemButtonOpensTheWindowOfTheStage)
{
    struct Row {
        int stage, newStage;
        WindowSlotBase* opened;
    };
    for (const Row& r : {Row{19, 15, &panelsCard}, Row{29, 21, &quizCard}, Row{39, 31, &stopwatchWindow}, Row{42, 42, nullptr},
                         Row{43, 43, nullptr}}) {
        ResetWindows();
        startRun();
        mainWindow->blankMenu.setVisible(true);
        G.stage = static_cast<std::int16_t>(r.stage);
        fake.boxes.clear();
        mainWindow->onProblemClicked();
        EXPECT_EQ(G.stage, r.newStage);
        EXPECT_EQ(mainWindow->isVisible(), r.opened == nullptr) << r.stage;
        for (WindowSlotBase* slot : std::initializer_list<WindowSlotBase*>{&panelsCard, &quizCard, &stopwatchWindow})
            EXPECT_EQ(slot->isLoaded(), slot == r.opened) << r.stage;
        EXPECT_EQ(mainWindow->blankMenu.isVisible(), r.opened != &panelsCard) << r.stage;
        EXPECT_EQ(fake.boxes.size(), r.stage == 42 ? 1u : 0u) << r.stage;  // "そう簡単には終了できないのでした"
    }
}

TEST_F(MainWindowTest, TheLastStageAsksTheRiddleOfTheCourseAndTheSwitchIgnoresTheKeyboard)
{
    startRun();
    for (const auto& [course, riddle] : {std::pair<const char*, const char*>{"NORMAL", "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？"},
                                         {"ANOTHER", "＜S+C+A+Left＞ さて、何の暗号だろう？"}}) {
        G.course = course;
        G.stage = 44;
        fake.boxes.clear();
        mainWindow->onSurrenderClicked();  // the surrender is declined
        EXPECT_EQ(G.stage, 41);
        EXPECT_EQ(fake.boxes, (std::vector<Box>{{"This Word Means・・・", riddle}, {"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion}}));
    }
    G.course = "NORMAL";
    Button& s = mainWindow->switchButton;
    s.setVisible(true);
    s.setFocus();
    QTest::keyClick(s.widget(), Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(s.widget(), Qt::Key_Return);
    EXPECT_EQ(G.stage, 41);
    QTest::mouseClick(s.widget(), Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(G.stage, 44);
    EXPECT_TRUE(mainWindow->problemButton.isEnabled());
}

struct CloseCase {
    CloseReason reason;
    const char* flag;  // "", "surrendered", "aborting", "gameCleared"
    bool closes, refused;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << "reason " << static_cast<int>(c.reason) << " " << c.flag; }

class CloseRule : public GameTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRule, RefusesThePlayerDuringTheGame)
{
    const CloseCase& c = GetParam();
    startToMainWindow();
    fake.boxes.clear();
    const std::string flag = c.flag;
    G.surrendered = flag == "surrendered";
    G.aborting = flag == "aborting";
    G.gameCleared = flag == "gameCleared";
    bool closes = false;
    if (c.reason == CloseReason::Player)
        mainWindow->widget()->close();  // the close box, Alt+F4 or the window manager
    else if (c.reason == CloseReason::Program)
        mainWindow->onExitChosen();  // 終了(&X)
    else
        closes = mainWindow->mayClose(CloseReason::SessionEnd);  // a log-off then ends the program
    closes = closes || !mainWindow.isLoaded();
    EXPECT_EQ(closes, c.closes);
    const Box refusal{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning};
    EXPECT_EQ(fake.boxes, c.refused ? std::vector<Box>{refusal} : std::vector<Box>());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CloseRule,
                         ::testing::Values(CloseCase{CloseReason::Player, "", false, true},
                                           CloseCase{CloseReason::Program, "", false, true},
                                           CloseCase{CloseReason::SessionEnd, "", true, false},
                                           CloseCase{CloseReason::Player, "surrendered", true, false},
                                           CloseCase{CloseReason::Program, "aborting", true, false},
                                           CloseCase{CloseReason::Program, "gameCleared", true, false},
                                           // the ending finishes by itself: the player's close waits for it
                                           CloseCase{CloseReason::Player, "gameCleared", false, false}));

TEST_F(MainWindowTest, TheVersionWindowExistsOnceAndClosesForThePlayer)
{
    startRun();
    mainWindow->onVersionChosen();
    VersionWindow* first = &*versionWindow;
    mainWindow->onVersionChosen();
    EXPECT_EQ(&*versionWindow, first);
    EXPECT_TRUE(versionWindow->isVisible() && mainWindow->isVisible());
    EXPECT_EQ(versionWindow->versionLabel.text(), "Ver 0.21");
    RunAsHandler([&] { first->onOkClicked(); });
    EXPECT_FALSE(versionWindow.isLoaded());
    mainWindow->onVersionChosen();
    versionWindow->widget()->close();  // no close box, but an about box closes for the player
    EXPECT_FALSE(versionWindow.isLoaded());
}
