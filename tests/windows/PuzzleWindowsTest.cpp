// The cards and the three puzzle windows, beyond the straight road through them.
#include "GameTest.h"

#include <QFile>
#include <QTest>

class PuzzleWindows : public GameTest {
protected:
    // START STOP GO! 降参 shown, START STOP 降参 enabled, the time label shown
    static std::string Buttons(const StopwatchWindow& w)
    {
        return Shown({w.startButton, w.stopButton, w.goButton, w.surrenderButton}) + " " +
               Enabled({w.startButton, w.stopButton, w.surrenderButton}) + " " + Shown({w.timeLabel});
    }
};

TEST_F(PuzzleWindows, ACardTakesNoInputForFiveSecondsThenShowsItsPuzzleBeforeTheCoursesMessage)
{
    startRun();
    mainWindow->onProblemClicked();
    PanelsCard& card = *mainWindow->panelsCard;
    QTest::keyClick(&card, Qt::Key_Return);
    PlayerCloses(&card);
    EXPECT_TRUE(card.closeTimer->isActive());
    EXPECT_EQ(card.closeTimer->interval(), 5000);
    G.course = Course::Another;  // read when the card closes
    fake.onBox = [&](const Box&) {
        EXPECT_FALSE(mainWindow->panelsCard.isLoaded());
        EXPECT_TRUE(mainWindow->panelsWindow->isVisible());
    };
    RunAsHandler([&] { card.onTimeUp(); });
    EXPECT_EQ(fake.boxes.back(), (Box{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}));
}

TEST_F(PuzzleWindows, NinePanelsStopWhenAllAreRedEvenBeforeStartAndTheScrambleLeavesStopAsItWas)
{
    playTo(Stage::kPanelsOpen);
    PanelsWindow& w = *mainWindow->panelsWindow;
    EXPECT_EQ(w.windowTitle(), "問題１");
    w.onPanelClicked(1);
    EXPECT_FALSE(w.stopButton->isEnabled());
    for (int n : {3, 7, 9, 5})  // with the first: all red
        w.onPanelClicked(n);
    EXPECT_TRUE(w.stopButton->isEnabled());
    fake.scriptDigits("000000000");
    w.onStartClicked();
    EXPECT_EQ(w.timeLimit->interval(), 20000);
    EXPECT_FALSE(w.startButton->isEnabled());  // one start per opening
    EXPECT_EQ(w.panels[4]->backColor(), kBlue);
    EXPECT_TRUE(w.stopButton->isEnabled());
    fake.onBox = [&](const Box&) { EXPECT_FALSE(w.timeLimit->isActive()); };
    RunAsHandler([&] { w.onStopClicked(); });
    EXPECT_EQ(fake.boxes.back(), (Box{"GOOD!", "よろしい。次に行こうか", MessageKind::Information}));
    EXPECT_EQ(G.stage, Stage::kPanelsSolved);
}

TEST_F(PuzzleWindows, AnothersPanelsTimeOutSendsThePlayerBack)
{
    playTo(Stage::kPanelsOpen, Course::Another);
    PanelsWindow& w = *mainWindow->panelsWindow;
    w.onStartClicked();
    RunAsHandler([&] { w.onTimeUp(); });
    EXPECT_EQ(fake.boxes.back(), (Box{"時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning}));
    EXPECT_FALSE(mainWindow->panelsWindow.isLoaded());
    EXPECT_EQ(G.stage, Stage::kPanelsOpen);
}

TEST_F(PuzzleWindows, AWrongAnswerOrATimeOutBringsTheQuizBackFresh)
{
    const std::pair<const char*, Box> outcomes[] = {{"東京 ", {"Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning}},
                                                    {"", {"時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning}}};  // "": no 答える
    for (const auto& [typed, box] : outcomes) {
        ResetWindows();
        playTo(Stage::kQuizOpen);
        QuizWindow* quiz = &*mainWindow->quizWindow;
        EXPECT_EQ(quiz->questionLabel->text(), "日本の首都は？");
        EXPECT_EQ(quiz->focusWidget(), quiz->answerButton);
        EXPECT_EQ(quiz->timeLimit->interval(), 5000);
        fake.onAskText = [&](const QString& prompt) {
            EXPECT_FALSE(quiz->timeLimit->isActive());  // no time limit while typing
            EXPECT_EQ(prompt, "制限時間無制限です\r\n 注）漢字で書くべきところは漢字で\r\n \u3000  カタカナは全角で\r\n \u3000  英数字は半角で");
            return QString(typed);
        };
        RunAsHandler([&] { *typed ? quiz->onAnswerClicked() : quiz->onTimeUp(); });
        EXPECT_EQ(fake.boxes.back(), box);
        const QuizWindow& fresh = *mainWindow->quizWindow;
        EXPECT_NE(&fresh, quiz);
        EXPECT_EQ(Shown({fresh.startButton, fresh.answerButton, &fresh}) + Enabled({fresh.startButton}), "1011");
        EXPECT_EQ(fresh.questionLabel->text(), "");
        EXPECT_FALSE(fresh.timeLimit->isActive());
        EXPECT_EQ(G.stage, Stage::kQuizOpen);
    }
}

TEST_F(PuzzleWindows, AQuizFileWithoutQuestionsOrGoneEndsTheGameAtStart)
{
    playTo(Stage::kQuizOpen);
    writeQuiz("# only a comment\n\nno comma here");
    RunAsHandler([&] { mainWindow->quizWindow->onTimeUp(); });
    EXPECT_TRUE(Ends([&] { mainWindow->quizWindow->onStartClicked(); }));
    EXPECT_EQ(fake.boxes.back(), (Box{"Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop}));
    QFile::remove(path("NP2.DAT"));
    EXPECT_TRUE(Ends([&] { mainWindow->quizWindow->onStartClicked(); }));
    EXPECT_EQ(fake.boxes.back(), (Box{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop}));
}

TEST_F(PuzzleWindows, AStopShowsTheTimeInTheVerdictsColourAndOnlyAPassOffersGo)
{
    playTo(Stage::kStopwatchOpen);
    StopwatchWindow& w = *mainWindow->stopwatchWindow;
    EXPECT_EQ(w.boundsLabel->text(), "STARTボタンを押してから 2.80秒～3.00秒");
    struct Stop {
        float seconds;
        const char* shown;
        Color colour;
        const char* buttons;
    };
    for (const Stop& stop : {Stop{0.53f, "0.53 秒", kBlue, "1101 101 1"}, Stop{3.01f, "3.01 秒", kRed, "1101 101 1"},
                             Stop{2.9f, "2.9 秒", kMagenta, "0011 010 1"}}) {
        w.onStartClicked();
        EXPECT_EQ(Buttons(w), "1101 010 0");
        EXPECT_EQ(w.timeLimit->interval(), 10000);
        fake.now += stop.seconds;
        fake.pauses.clear();
        fake.onPause = [&](int) { EXPECT_EQ(w.timeLabel->isVisible() ? w.timeLabel->text() : "", stop.shown); };
        w.onStopClicked();
        EXPECT_EQ(fake.pauses, std::vector<int>{500});
        EXPECT_EQ(w.timeLabel->textColor(), stop.colour);
        EXPECT_FALSE(w.timeLimit->isActive());
        EXPECT_EQ(Buttons(w), stop.buttons);
        EXPECT_EQ(w.focusWidget(), stop.colour == kMagenta ? w.goButton : w.startButton);
    }
}
