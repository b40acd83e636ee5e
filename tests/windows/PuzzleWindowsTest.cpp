// The cards and the three puzzle windows, beyond the straight road through them.
#include "GameTest.h"

#include <QFile>
#include <QTest>

#include <stdexcept>

class PuzzleWindows : public GameTest {
protected:
    // The puzzle window of the stage, as its card or the problem button opens it.
    void open(int stage, const char* course)
    {
        ResetWindows();
        fake.onPause = nullptr;
        fake.onBox = nullptr;
        startRun();
        G.course = course;
        G.stage = static_cast<std::int16_t>(stage);
        mainWindow->hide();
        stage == 15 ? panelsWindow->show() : stage == 21 ? quizWindow->show() : stopwatchWindow->show();
        fake.boxes.clear();
        fake.pauses.clear();
    }
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
    QTest::keyClick(&*panelsCard, Qt::Key_Return);
    PlayerCloses(&*panelsCard);
    EXPECT_TRUE(panelsCard->closeTimer->isActive() && panelsCard->closeTimer->interval() == 5000);
    G.course = "ANOTHER";  // read when the card closes
    fake.onBox = [&](const Box&) { EXPECT_TRUE(!panelsCard.isLoaded() && panelsWindow->isVisible()); };
    RunAsHandler([] { panelsCard->onTimeUp(); });
    EXPECT_EQ(fake.boxes.back(), (Box{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}));
}

TEST_F(PuzzleWindows, NinePanelsStopWhenAllAreRedEvenBeforeStartAndATimeOutSendsThePlayerBack)
{
    open(15, "NORMAL");
    PanelsWindow* w = &*panelsWindow;
    w->onPanelClicked(1);
    EXPECT_FALSE(w->stopButton->isEnabled());
    for (int n : {3, 7, 9, 5})  // with the first: all red
        w->onPanelClicked(n);
    G.course = "ANOTHER";  // read when START is pressed
    fake.scriptDigits("000000000");
    w->onStartClicked();
    EXPECT_EQ(w->panels[4]->backColor(), kBlue);
    EXPECT_EQ(w->timeLimit->interval(), 10000);
    EXPECT_TRUE(w->stopButton->isEnabled());  // the scramble leaves STOP as it was
    fake.onBox = [&](const Box&) { EXPECT_FALSE(w->timeLimit->isActive()); };
    RunAsHandler([&] { w->onStopClicked(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"GOOD!", "よろしい。次に行こうか", MessageKind::Information}}));
    EXPECT_EQ(G.stage, 20);

    open(15, "NORMAL");
    w = &*panelsWindow;
    w->onStartClicked();
    EXPECT_EQ(w->timeLimit->interval(), 20000);
    fake.onBox = [&](const Box&) { EXPECT_TRUE(w->startButton->isEnabled() && !w->timeLimit->isActive()); };
    RunAsHandler([&] { w->onTimeUp(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning}}));
    EXPECT_TRUE(!panelsWindow.isLoaded() && mainWindow->isVisible() && G.stage == 15);
    panelsWindow->show();  // the next opening starts from scratch
    EXPECT_EQ(panelsWindow->panels[0]->backColor(), kBlue);
    EXPECT_EQ(Enabled({panelsWindow->startButton, panelsWindow->stopButton}), "10");
    PlayerCloses(&*panelsWindow);  // the player's close request is ignored
    EXPECT_TRUE(panelsWindow.isLoaded());
}

TEST_F(PuzzleWindows, AWrongAnswerOrATimeOutOrAFailureBringsTheQuizBackFresh)
{
    const std::pair<const char*, Box> rows[] = {
        {"東京 ", {"Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning}},  // only the exact answer is right
        {"timeout", {"時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning}},
        {"failure", {"so bad!", "その回答は認識できません", MessageKind::Information}},
    };
    for (const auto& [typed, box] : rows) {
        writeQuiz("日本の首都は？,東京");
        open(21, "NORMAL");
        quizWindow->onStartClicked();
        EXPECT_EQ(quizWindow->questionLabel->text(), "日本の首都は？");
        EXPECT_EQ(&*quizWindow->focusWidget(), quizWindow->answerButton);
        EXPECT_EQ(quizWindow->timeLimit->interval(), 5000);
        fake.onAskText = [typed = std::string(typed)](const QString& prompt) {
            EXPECT_FALSE(quizWindow->timeLimit->isActive());  // no time limit while typing
            EXPECT_TRUE(prompt.startsWith("制限時間無制限です\r\n 注）漢字で書くべきところは漢字で\r\n"));
            if (typed == "failure")
                throw std::runtime_error("the input failed");
            return QString::fromStdString(typed);
        };
        QuizWindow* quiz = &*quizWindow;
        RunAsHandler([&] { std::string(typed) == "timeout" ? quiz->onTimeUp() : quiz->onAnswerClicked(); });
        EXPECT_EQ(fake.boxes, std::vector<Box>{box}) << typed;
        ASSERT_TRUE(quizWindow.isLoaded() && &*quizWindow != quiz);
        EXPECT_EQ(Shown({quizWindow->startButton, quizWindow->answerButton}) + quizWindow->questionLabel->text().toStdString(), "10");
        EXPECT_TRUE(quizWindow->isVisible() && !quizWindow->timeLimit->isActive() && G.stage == 21);
    }
    writeQuiz("答えのない問題,");  // an empty answer is right when the line ends at its comma
    open(21, "NORMAL");
    quizWindow->onStartClicked();
    fake.onAskText = nullptr;  // the input box is cancelled
    RunAsHandler([] { quizWindow->onAnswerClicked(); });
    EXPECT_EQ(G.stage, 30);
    writeQuiz("# only a comment\n\nno comma here");
    open(21, "NORMAL");
    EXPECT_TRUE(Ends([] { quizWindow->onStartClicked(); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop}}));
    QFile::remove(path("NP2.DAT"));
    EXPECT_TRUE(Ends([] { quizWindow->onStartClicked(); }));
    EXPECT_EQ(fake.boxes.back().title, ".DAT Don't Exist");
}

TEST_F(PuzzleWindows, AStopShowsTheTimeInTheVerdictsColourAndOnlyAPassOffersGo)
{
    struct Row {
        float seconds;
        const char* shown;
        Color colour;
        const char* buttons;
    };
    for (const Row& r : {Row{0.53f, "0.53 秒", kBlue, "1101 101 1"}, Row{2.9f, "2.9 秒", kMagenta, "0011 010 1"},
                         Row{3.01f, "3.01 秒", kRed, "1101 101 1"}}) {
        open(31, "NORMAL");
        StopwatchWindow& w = *stopwatchWindow;
        EXPECT_EQ(w.boundsLabel->text(), "STARTボタンを押してから 2.80秒～3.00秒");
        fake.now = 100.0f;
        w.onStartClicked();
        EXPECT_EQ(Buttons(w), "1101 010 0");
        fake.now = 100.0f + r.seconds;
        fake.onPause = [&](int) { EXPECT_TRUE(w.timeLabel->isVisible() && w.timeLabel->text() == r.shown); };
        w.onStopClicked();
        EXPECT_EQ(fake.pauses, std::vector<int>{500});
        EXPECT_TRUE(w.timeLabel->textColor() == r.colour && !w.timeLimit->isActive());
        EXPECT_EQ(Buttons(w), r.buttons);
        EXPECT_EQ(w.focusWidget(), r.colour == kMagenta ? w.goButton : w.startButton);
    }
}

TEST_F(PuzzleWindows, StopwatchTimeOutIsATryAgainOnNormalAndTheWayThroughOnAnother)
{
    open(31, "NORMAL");
    stopwatchWindow->onStartClicked();
    stopwatchWindow->onTimeUp();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "10秒もたってしまいました", MessageKind::Warning}}));
    EXPECT_EQ(Buttons(*stopwatchWindow), "1101 101 0");
    EXPECT_FALSE(stopwatchWindow->timeLimit->isActive());
    open(31, "ANOTHER");
    EXPECT_EQ(stopwatchWindow->boundsLabel->text(), "STARTボタンを押してから 2.90秒～3.00秒");
    stopwatchWindow->onStartClicked();
    fake.onBox = [](const Box&) { EXPECT_FALSE(stopwatchWindow->timeLimit->isActive()); };  // no second advance under the box
    RunAsHandler([] { stopwatchWindow->onTimeUp(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    EXPECT_TRUE(G.stage == 40 && !stopwatchWindow.isLoaded());
}
