// The cards and the three puzzle windows, each on its own: what it shows and what it says
// (its signals) for what the player does. A window that is done has closed when it says so.
#include "GameTest.h"

#include "gui/Label.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {
template <typename T>
T& Open(WindowSlot<T>& slot)
{
    slot.load().show();
    return *slot;
}

const Box kQuizTimeUp{"時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning};
}  // namespace

class PuzzleWindows : public GameTest {};

TEST_F(PuzzleWindows, ACardTakesNoInputForFiveSecondsThenClosesAndSaysSoBeforeTheCoursesMessage)
{
    WindowSlot<PanelsCard> card;
    QSignalSpy timeUp(&Open(card), &CardWindow::timeUp);
    QTest::keyClick(&*card, Qt::Key_Return);
    PlayerCloses(&*card);
    EXPECT_EQ(Find<QTimer>("panelsCard", "closeTimer")->interval(), 5000);
    G.course = Course::Another;  // read when the card closes
    fake.onBox = [&](const Box&) { EXPECT_EQ(timeUp.count(), 1); };
    RunOut("panelsCard", "closeTimer");
    EXPECT_FALSE(card.isLoaded());
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}}));
}

TEST_F(PuzzleWindows, NinePanelsAreSolvedByStopWithAllRedEvenBeforeStartAndTheScrambleLeavesStopAsItWas)
{
    WindowSlot<PanelsWindow> panels;
    QSignalSpy solved(&Open(panels), &PanelsWindow::solved);
    QObject::connect(&*panels, &PanelsWindow::solved, [&] { EXPECT_FALSE(panels.isLoaded()); });
    EXPECT_EQ(panels->windowTitle(), "問題１");
    Click("panelsWindow", "panel1");
    EXPECT_EQ(Enabled("panelsWindow", {"stopButton"}), "0");
    for (const char* panel : {"panel3", "panel7", "panel9", "panel5"})  // with the first: all red
        Click("panelsWindow", panel);
    fake.scriptDigits("000000000");
    Click("panelsWindow", "startButton");
    EXPECT_EQ(Find<QTimer>("panelsWindow", "timeLimit")->interval(), 20000);
    EXPECT_EQ(Enabled("panelsWindow", {"startButton", "stopButton"}), "01");  // one start per opening
    EXPECT_EQ(Find<Label>("panelsWindow", "panel5")->backColor(), kBlue);
    fake.onBox = [&](const Box&) { EXPECT_EQ(RunningTimerCount(), 0); };
    Click("panelsWindow", "stopButton");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"GOOD!", "よろしい。次に行こうか", MessageKind::Information}}));
    EXPECT_EQ(solved.count(), 1);
}

TEST_F(PuzzleWindows, AnothersPanelsRunOutInTenSecondsAndTheWindowClosesBeforeItSaysSo)
{
    G.course = Course::Another;
    WindowSlot<PanelsWindow> panels;
    QSignalSpy timeUp(&Open(panels), &PanelsWindow::timeUp);
    Click("panelsWindow", "startButton");
    EXPECT_EQ(Find<QTimer>("panelsWindow", "timeLimit")->interval(), 10000);
    RunOut("panelsWindow", "timeLimit");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning}}));
    EXPECT_EQ(timeUp.count(), 1);
    EXPECT_FALSE(panels.isLoaded());
}

TEST_F(PuzzleWindows, TheQuizGivesFiveSecondsForAnswerThenAsLongAsThePlayerTypesAndOnlyTheExactAnswerSolvesIt)
{
    writeQuiz("日本の首都は？,東京");
    G.quizPath = path("NP2.DAT");
    struct Try {
        const char* typed;  // none: no 答える
        Box box;
        const char* said;  // solved, failed
    };
    for (const Try& t : {Try{"東京", {"GOOD!", "ＯＫ。次へ進め", MessageKind::Information}, "10"},
                         Try{"東京 ", {"Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning}, "01"}, Try{nullptr, kQuizTimeUp, "01"}}) {
        WindowSlot<QuizWindow> quiz;
        QSignalSpy solved(&Open(quiz), &QuizWindow::solved), failed(&*quiz, &QuizWindow::failed);
        EXPECT_EQ(Shown("quizWindow", {"startButton", "answerButton"}), "10");
        EXPECT_EQ(Text("quizWindow", "questionLabel"), "");
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
        t.typed ? Click("quizWindow", "answerButton") : RunOut("quizWindow", "timeLimit");
        EXPECT_EQ(fake.boxes, std::vector<Box>{t.box});
        EXPECT_EQ(QString("%1%2").arg(solved.count()).arg(failed.count()), t.said);
        EXPECT_FALSE(quiz.isLoaded());
    }
}

TEST_F(PuzzleWindows, TheQuizsSurrenderIsAskedOfItsOwnerAndGivingUpStopsItsTimeAndHidesIt)
{
    writeQuiz("日本の首都は？,東京");
    G.quizPath = path("NP2.DAT");
    WindowSlot<QuizWindow> quiz;
    QSignalSpy surrenderAsked(&Open(quiz), &QuizWindow::surrenderAsked);
    Click("quizWindow", "startButton");
    Click("quizWindow", "surrenderButton");
    EXPECT_EQ(surrenderAsked.count(), 1);
    quiz->giveUp();
    EXPECT_EQ(RunningTimerCount(), 0);
    EXPECT_FALSE(quiz->isVisible());
}

TEST_F(PuzzleWindows, AQuizFileWithoutQuestionsOrGoneEndsTheGameAtStart)
{
    writeQuiz("# only a comment\n\nno comma here");
    G.quizPath = path("NP2.DAT");
    WindowSlot<QuizWindow> quiz;
    Open(quiz);
    Click("quizWindow", "startButton");
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back(), (Box{"Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop}));
    ResetWindows();
    QFile::remove(path("NP2.DAT"));
    Open(quiz);
    Click("quizWindow", "startButton");
    EXPECT_EQ(fake.boxes.back(), (Box{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop}));
}

TEST_F(PuzzleWindows, AStopShowsTheTimeInTheVerdictsColourOnlyAPassOffersGoAndGoSolvesNormal)
{
    WindowSlot<StopwatchWindow> stopwatch;
    QSignalSpy solved(&Open(stopwatch), &StopwatchWindow::solved);
    EXPECT_EQ(Text("stopwatchWindow", "boundsLabel"), "STARTボタンを押してから 2.80秒～3.00秒");
    // START STOP GO! 降参 shown, START STOP 降参 enabled, the time shown
    auto buttons = [] {
        return Shown("stopwatchWindow", {"startButton", "stopButton", "goButton", "surrenderButton"}) + " " +
               Enabled("stopwatchWindow", {"startButton", "stopButton", "surrenderButton"}) + " " + Shown("stopwatchWindow", {"timeLabel"});
    };
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
    QSignalSpy solved(&Open(stopwatch), &StopwatchWindow::solved);
    EXPECT_EQ(Text("stopwatchWindow", "boundsLabel"), "STARTボタンを押してから 2.90秒～3.00秒");
    Click("stopwatchWindow", "startButton");
    fake.now += 2.95f;
    Click("stopwatchWindow", "stopButton");
    Click("stopwatchWindow", "goButton");
    EXPECT_EQ(Shown("stopwatchWindow", {"startButton", "stopButton", "goButton"}) + Enabled("stopwatchWindow", {"startButton", "stopButton"}), "11010");
    EXPECT_EQ(stopwatch->focusWidget(), Find("stopwatchWindow", "startButton"));
    EXPECT_EQ(solved.count(), 0);
    Click("stopwatchWindow", "startButton");
    RunOut("stopwatchWindow", "timeLimit");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    EXPECT_EQ(solved.count(), 1);
    EXPECT_FALSE(stopwatch.isLoaded());
}

TEST_F(PuzzleWindows, OnNormalTenSecondsWithoutStopPutTheStopwatchBackWithItsMessage)
{
    WindowSlot<StopwatchWindow> stopwatch;
    QSignalSpy solved(&Open(stopwatch), &StopwatchWindow::solved);
    Click("stopwatchWindow", "startButton");
    RunOut("stopwatchWindow", "timeLimit");
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "10秒もたってしまいました", MessageKind::Warning}}));
    EXPECT_EQ(Enabled("stopwatchWindow", {"startButton", "stopButton", "surrenderButton"}), "101");
    EXPECT_EQ(solved.count(), 0);
}
