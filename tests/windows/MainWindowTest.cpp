// The main window: what the exit buttons and the problem button change on it, the last
// stage, the refusal to close, a surrender without a hint. (The opening is in the whole games.)
#include "GameTest.h"

#include <QMenuBar>
#include <QTest>

class MainWindowTest : public GameTest {};

TEST_F(MainWindowTest, TheScoresOfferTheSurrenderAndTheProblemButtonThenLockAndMeetingButtonsAttack)
{
    startRun();
    MainWindow& w = *mainWindow;
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet, but nothing is locked yet
    w.onExitClicked(1);  // 0 and 3
    EXPECT_TRUE(w.surrenderButton->isEnabled() && w.surrenderItem->isVisible() && w.helpSeparator->isVisible());
    EXPECT_FALSE(w.blankMenu->isVisible());
    for (int b : {0, 0, 0, 1})  // 6 and 6
        w.onExitClicked(b);
    EXPECT_TRUE(w.problemButton->isVisible() && !w.problemButton->isEnabled());
    EXPECT_TRUE(w.blankMenu->isVisible() && w.lockItem->isVisible() && !w.attackItem->isVisible());
    EXPECT_GT(w.menuBar()->actionGeometry(w.blankMenu).width(), 4);  // a real title
    w.onExitClicked(0);  // 8 and 6
    EXPECT_FALSE(w.problemButton->isVisible() || w.blankMenu->isVisible() || w.surrenderButton->isEnabled() || w.surrenderItem->isVisible());
    w.onLockChosen();
    fake.scriptDigits("1000" "2000" "1100" "2500");  // the buttons meet
    w.onExitClicked(1);
    EXPECT_EQ(w.exitButtons[1]->pos(), QPoint(Px(2500), Px(1100)));
    EXPECT_TRUE(w.blankMenu->isVisible() && w.attackItem->isVisible() && !w.lockItem->isEnabled());
    w.onAttackChosen();
    EXPECT_TRUE(w.problemButton->isEnabled());
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
        mainWindow->blankMenu->setVisible(true);
        G.stage = static_cast<std::int16_t>(r.stage);
        fake.boxes.clear();
        mainWindow->onProblemClicked();
        EXPECT_EQ(G.stage, r.newStage);
        EXPECT_EQ(mainWindow->isVisible(), r.opened == nullptr) << r.stage;
        for (WindowSlotBase* slot : std::initializer_list<WindowSlotBase*>{&panelsCard, &quizCard, &stopwatchWindow})
            EXPECT_EQ(slot->isLoaded(), slot == r.opened) << r.stage;
        EXPECT_EQ(mainWindow->blankMenu->isVisible(), r.opened != &panelsCard) << r.stage;
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
    Button* s = mainWindow->switchButton;
    s->setVisible(true);
    s->setFocus();
    QTest::keyClick(s, Qt::Key_Space, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(s, Qt::Key_Return);
    EXPECT_EQ(G.stage, 41);
}

TEST_F(MainWindowTest, ThePlayerCannotCloseItDuringTheGameOnlyTheGamesWaysOut)
{
    struct Row {
        CloseReason reason;
        const char* flag;  // "", "surrendered", "aborting", "gameCleared"
        bool closes, refused;
    };
    for (const Row& r : {Row{CloseReason::Player, "", false, true}, Row{CloseReason::Program, "", false, true},
                         Row{CloseReason::SessionEnd, "", true, false}, Row{CloseReason::Player, "surrendered", true, false},
                         Row{CloseReason::Program, "aborting", true, false}, Row{CloseReason::Program, "gameCleared", true, false},
                         // the ending finishes by itself: the player's close waits for it
                         Row{CloseReason::Player, "gameCleared", false, false}}) {
        ResetWindows();
        startToMainWindow();
        fake.boxes.clear();
        G.surrendered = std::string(r.flag) == "surrendered";
        G.aborting = std::string(r.flag) == "aborting";
        G.gameCleared = std::string(r.flag) == "gameCleared";
        bool closes = false;
        if (r.reason == CloseReason::Player)
            PlayerCloses(&*mainWindow);  // the close box, Alt+F4 or the window manager
        else if (r.reason == CloseReason::Program)
            mainWindow->onExitChosen();  // 終了(&X)
        else
            closes = mainWindow->mayClose(CloseReason::SessionEnd);  // a log-off then ends the program
        EXPECT_EQ(closes || !mainWindow.isLoaded(), r.closes) << r.flag;
        const Box refusal{"だめだめ", "[閉じる]？出来るかっちゅーの", MessageKind::Warning};
        EXPECT_EQ(fake.boxes, r.refused ? std::vector<Box>{refusal} : std::vector<Box>()) << r.flag;
    }
}

TEST_F(MainWindowTest, ASurrenderAtAStageWithoutAHintGoesStraightToTheCount)
{
    startRun();
    G.stage = 14;
    fake.answers = {Answer::Yes};
    fake.onBox = [](const Box& box) {
        if (box.kind != MessageKind::Information)
            return;  // behind the count: a teal, disabled window without buttons, caption unchanged
        const MainWindow& w = *mainWindow;
        EXPECT_TRUE(w.backColor() == kTeal && w.windowTitle() == "ぬるぴか" && !w.takesInput());
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.switchButton}), "00000");
    };
    fake.pauses.clear();
    EXPECT_TRUE(Ends([] { mainWindow->surrender(); }));
    EXPECT_TRUE(fake.pauses.empty());
}
