// The cards and the three puzzle windows, each on its own: what it shows and what it says
// (its signals) for what the player does. A window that is done has closed when it says so.
#include "GameTest.h"

#include "gui/Label.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

class PuzzleWindows : public GameTest {
protected:
    template <typename T>
    T& open(WindowSlot<T>& slot)
    {
        slot.load().show();
        return *slot;
    }
    void quizFile(const QString& lines)
    {
        writeQuiz(lines);
        G.quizPath = path("NP2.DAT");
    }
};

TEST_F(PuzzleWindows, ACardTakesNoInputForFiveSecondsThenClosesAndSaysSoBeforeTheCoursesMessage)
{
    WindowSlot<PanelsCard> card;
    QSignalSpy timeUp(&open(card), &CardWindow::timeUp);
    QTest::keyClick(&*card, Qt::Key_Return);
    PlayerCloses(&*card);
    EXPECT_EQ(Find<QTimer>("panelsCard", "closeTimer")->interval(), 5000);
    G.course = Course::Another;  // read when the card closes
    fake.onBox = [&](const Box&) { EXPECT_EQ(timeUp.count(), 1); };
    RunOut("panelsCard", "closeTimer");
    EXPECT_FALSE(card.isLoaded());
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}}));
}

TEST_F(PuzzleWindows, NinePanelsAreSolvedByStopWithAllRedEvenBeforeStartAndRunOutOnAnotherInTenSeconds)
{
    WindowSlot<PanelsWindow> panels;
    QSignalSpy solved(&open(panels), &PanelsWindow::solved);
    QObject::connect(&*panels, &PanelsWindow::solved, [&] { EXPECT_FALSE(panels.isLoaded()); });
    EXPECT_EQ(panels->windowTitle(), "問題１");
    Click("panelsWindow", "panel1");
    EXPECT_EQ(Enabled("panelsWindow", {"stopButton"}), "0");
    for (const char* panel : {"panel3", "panel7", "panel9", "panel5"})  // with the first: all red
        Click("panelsWindow", panel);
    fake.scriptDigits("000000000");
    Click("panelsWindow", "startButton");
    EXPECT_EQ(Find<QTimer>("panelsWindow", "timeLimit")->interval(), 20000);
    EXPECT_EQ(Enabled("panelsWindow", {"startButton", "stopButton"}), "01");  // one start; the scramble leaves STOP as it was
    EXPECT_EQ(Find<Label>("panelsWindow", "panel5")->backColor(), kBlue);
    fake.onBox = [&](const Box&) { EXPECT_EQ(RunningTimerCount(), 0); };
    Click("panelsWindow", "stopButton");
    EXPECT_EQ(fake.boxes.back(), (Box{"GOOD!", "よろしい。次に行こうか", MessageKind::Information}));
    EXPECT_EQ(solved.count(), 1);

    G.course = Course::Another;
    QSignalSpy timeUp(&open(panels), &PanelsWindow::timeUp);
    Click("panelsWindow", "startButton");
    EXPECT_EQ(Find<QTimer>("panelsWindow", "timeLimit")->interval(), 10000);
    RunOut("panelsWindow", "timeLimit");
    EXPECT_EQ(fake.boxes.back(), (Box{"時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning}));
    EXPECT_EQ(timeUp.count(), 1);
    EXPECT_FALSE(panels.isLoaded());
}

// A right answer, a wrong one, no 答える within the time (nullptr), and 降参.
TEST_F(PuzzleWindows, TheQuizGivesFiveSecondsForAnswerThenAsLongAsThePlayerTypesAndOnlyTheExactAnswerSolvesIt)
{
    quizFile("日本の首都は？,東京");
    struct Try {
        const char* typed;
        std::vector<Box> boxes;
        const char* said;  // solved, failed, surrenderAsked
    };
    for (const Try& t : {Try{"東京", {{"GOOD!", "ＯＫ。次へ進め", MessageKind::Information}}, "100"},
                         Try{"東京 ", {{"Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning}}, "010"},
                         Try{nullptr, {{"時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning}}, "010"}, Try{"降参", {}, "001"}}) {
        WindowSlot<QuizWindow> quiz;
        QSignalSpy solved(&open(quiz), &QuizWindow::solved), failed(&*quiz, &QuizWindow::failed), asked(&*quiz, &QuizWindow::surrenderAsked);
        EXPECT_EQ(Shown("quizWindow", {"startButton", "answerButton"}) + Text("quizWindow", "questionLabel").toStdString(), "10");
        Click("quizWindow", "startButton");
        EXPECT_EQ(Text("quizWindow", "questionLabel"), "日本の首都は？");
        EXPECT_EQ(Shown("quizWindow", {"startButton", "answerButton"}), "01");
        EXPECT_EQ(quiz->focusWidget(), Find("quizWindow", "answerButton"));
        EXPECT_EQ(Find<QTimer>("quizWindow", "timeLimit")->interval(), 5000);
        fake.boxes.clear();
        fake.onAskText = [&](const QString& prompt) {
            EXPECT_EQ(RunningTimerCount(), 0);  // no time limit while the player types
            EXPECT_EQ(prompt, "制限時間無制限です\r\n 注）漢字で書くべきところは漢字で\r\n \u3000  カタカナは全角で\r\n \u3000  英数字は半角で");
            return QString(t.typed);
        };
        !t.typed ? RunOut("quizWindow", "timeLimit") : Click("quizWindow", t.typed == QString("降参") ? "surrenderButton" : "answerButton");
        EXPECT_EQ(fake.boxes, t.boxes);
        EXPECT_EQ(QString("%1%2%3").arg(solved.count()).arg(failed.count()).arg(asked.count()), t.said);
        EXPECT_EQ(quiz.isLoaded(), t.said == QString("001"));
    }
}

TEST_F(PuzzleWindows, AfterASurrenderTheQuizAndTheStopwatchGiveUpTheirTimeAndGo)
{
    quizFile("日本の首都は？,東京");
    WindowSlot<QuizWindow> quiz;
    WindowSlot<StopwatchWindow> stopwatch;
    open(quiz), open(stopwatch);
    Click("quizWindow", "startButton");
    Click("stopwatchWindow", "startButton");
    quiz->giveUp();
    stopwatch->giveUp();
    EXPECT_EQ(RunningTimerCount(), 0);
    EXPECT_FALSE(quiz->isVisible() || stopwatch->isVisible());
}

TEST_F(PuzzleWindows, AQuizFileWithoutQuestionsOrGoneEndsTheGameAtStart)
{
    WindowSlot<QuizWindow> quiz;
    quizFile("# only a comment\n\nno comma here");
    for (const Box& end : {Box{"Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop},
                           Box{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop}}) {
        fake.ended = false;
        open(quiz);
        Click("quizWindow", "startButton");
        EXPECT_TRUE(fake.ended);
        EXPECT_EQ(fake.boxes.back(), end);
        ResetWindows();
        QFile::remove(path("NP2.DAT"));
    }
}

TEST_F(PuzzleWindows, AStopShowsTheTimeInTheVerdictsColourOnlyAPassOffersGoAndTenSecondsPutItBack)
{
    WindowSlot<StopwatchWindow> stopwatch;
    QSignalSpy solved(&open(stopwatch), &StopwatchWindow::solved);
    EXPECT_EQ(Text("stopwatchWindow", "boundsLabel"), "STARTボタンを押してから 2.80秒～3.00秒");
    // START STOP GO! 降参 shown, START STOP 降参 enabled, the time shown
    auto buttons = [] {
        return Shown("stopwatchWindow", {"startButton", "stopButton", "goButton", "surrenderButton"}) + " " +
               Enabled("stopwatchWindow", {"startButton", "stopButton", "surrenderButton"}) + " " + Shown("stopwatchWindow", {"timeLabel"});
    };
    Click("stopwatchWindow", "startButton");
    RunOut("stopwatchWindow", "timeLimit");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "10秒もたってしまいました", MessageKind::Warning}}));
    EXPECT_EQ(buttons(), "1101 101 0");
    struct Stop {
        float seconds;
        const char* shown;
        QColor colour;
        const char* after;
    };
    for (const Stop& stop : {Stop{0.53f, "0.53 秒", kBlue, "1101 101 1"}, Stop{3.01f, "3.01 秒", kRed, "1101 101 1"}, Stop{2.9f, "2.9 秒", kMagenta, "0011 010 1"}}) {
        Click("stopwatchWindow", "startButton");
        EXPECT_EQ(buttons(), "1101 010 0");
        EXPECT_EQ(Find<QTimer>("stopwatchWindow", "timeLimit")->interval(), 10000);
        fake.now += stop.seconds;
        fake.pauses.clear();
        fake.onPause = [&](int) { EXPECT_EQ(Find("stopwatchWindow", "timeLabel")->isVisible() ? Text("stopwatchWindow", "timeLabel") : "", stop.shown); };
        Click("stopwatchWindow", "stopButton");
        EXPECT_EQ(fake.pauses, std::vector<int>{500});
        EXPECT_EQ(Find<Label>("stopwatchWindow", "timeLabel")->textColor(), stop.colour);
        EXPECT_EQ(RunningTimerCount(), 0);
        EXPECT_EQ(buttons(), stop.after);
        EXPECT_EQ(stopwatch->focusWidget(), Find("stopwatchWindow", stop.colour == kMagenta ? "goButton" : "startButton"));
    }
    Click("stopwatchWindow", "goButton");
    EXPECT_EQ(solved.count(), 1);
    EXPECT_FALSE(stopwatch.isLoaded());
}

TEST_F(PuzzleWindows, OnAnotherAPassOnlyPutsTheStopwatchBackAndTenSecondsWithoutStopSolveIt)
{
    G.course = Course::Another;
    WindowSlot<StopwatchWindow> stopwatch;
    QSignalSpy solved(&open(stopwatch), &StopwatchWindow::solved);
    EXPECT_EQ(Text("stopwatchWindow", "boundsLabel"), "STARTボタンを押してから 2.90秒～3.00秒");
    Click("stopwatchWindow", "startButton");
    fake.now += 2.95f;
    for (const char* control : {"stopButton", "goButton"})
        Click("stopwatchWindow", control);
    EXPECT_EQ(Shown("stopwatchWindow", {"startButton", "stopButton", "goButton"}) + Enabled("stopwatchWindow", {"startButton", "stopButton"}), "11010");
    EXPECT_EQ(stopwatch->focusWidget(), Find("stopwatchWindow", "startButton"));
    EXPECT_EQ(solved.count(), 0);
    Click("stopwatchWindow", "startButton");
    RunOut("stopwatchWindow", "timeLimit");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    EXPECT_EQ(solved.count(), 1);
    EXPECT_FALSE(stopwatch.isLoaded());
}
