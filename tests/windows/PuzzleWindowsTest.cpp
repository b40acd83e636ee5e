// The cards and the three puzzle windows, beyond the straight road through them.
#include "GameTest.h"

#include "rules/Stages.h"

#include <QFile>
#include <QTest>


class PuzzleWindows : public GameTest {
protected:
    // The puzzle window of the stage, as its card or the problem button opens it.
    template <typename T>
    T& open(WindowSlot<T> MainWindow::*puzzle, std::int16_t stage, Course course = Course::Normal)
    {
        startRun();
        G.course = course;
        G.stage = stage;
        mainWindow->hide();
        T& window = ((*mainWindow).*puzzle).load();
        window.show();
        fake.boxes.clear();
        fake.pauses.clear();
        return window;
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
    QTest::keyClick(&*panelsCard(), Qt::Key_Return);
    PlayerCloses(&*panelsCard());
    EXPECT_TRUE(panelsCard()->closeTimer->isActive());
    EXPECT_EQ(panelsCard()->closeTimer->interval(), 5000);
    G.course = Course::Another;  // read when the card closes
    fake.onBox = [&](const Box&) {
        EXPECT_FALSE(panelsCard().isLoaded());
        EXPECT_TRUE(panelsWindow()->isVisible());
    };
    RunAsHandler([&] { panelsCard()->onTimeUp(); });
    EXPECT_EQ(fake.boxes.back(), (Box{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}));
}

TEST_F(PuzzleWindows, TheQuizCardTellsTheQuizsTimeLimitInFullWidthDigits)
{
    const QuizCard card;
    EXPECT_EQ(card.lines.back()->text(), "制限時間 ５秒");
}

TEST_F(PuzzleWindows, NinePanelsStopWhenAllAreRedEvenBeforeStartAndTheScrambleLeavesStopAsItWas)
{
    PanelsWindow& w = open(&MainWindow::panelsWindow, Stage::kPanelsOpen);
    w.onPanelClicked(1);
    EXPECT_FALSE(w.stopButton->isEnabled());
    for (int n : {3, 7, 9, 5})  // with the first: all red
        w.onPanelClicked(n);
    EXPECT_TRUE(w.stopButton->isEnabled());
    fake.scriptDigits("000000000");
    w.onStartClicked();
    EXPECT_EQ(w.panels[4]->backColor(), kBlue);
    EXPECT_TRUE(w.stopButton->isEnabled());
    fake.onBox = [&](const Box&) { EXPECT_FALSE(w.timeLimit->isActive()); };
    RunAsHandler([&] { w.onStopClicked(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"GOOD!", "よろしい。次に行こうか", MessageKind::Information}}));
    EXPECT_EQ(G.stage, Stage::kPanelsSolved);
}

TEST_F(PuzzleWindows, PanelsTimeLimitIsTwentySecondsOnNormalAndTenOnAnother)
{
    open(&MainWindow::panelsWindow, Stage::kPanelsOpen).onStartClicked();
    EXPECT_EQ(panelsWindow()->timeLimit->interval(), 20000);
    EXPECT_FALSE(panelsWindow()->startButton->isEnabled());  // one start per opening
    G.course = Course::Another;  // read when START is pressed
    panelsWindow()->startButton->setEnabled(true);
    panelsWindow()->onStartClicked();
    EXPECT_EQ(panelsWindow()->timeLimit->interval(), 10000);
}

TEST_F(PuzzleWindows, APanelsTimeOutSendsThePlayerBackAndTheNextOpeningStartsAfresh)
{
    PanelsWindow& w = open(&MainWindow::panelsWindow, Stage::kPanelsOpen);
    w.onStartClicked();
    fake.onBox = [&](const Box&) {
        EXPECT_TRUE(w.startButton->isEnabled());
        EXPECT_FALSE(w.timeLimit->isActive());
    };
    RunAsHandler([&] { w.onTimeUp(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "もう一度やりなおしじゃ", MessageKind::Warning}}));
    EXPECT_FALSE(panelsWindow().isLoaded());
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(G.stage, Stage::kPanelsOpen);
    panelsWindow().load().show();
    EXPECT_EQ(panelsWindow()->panels[0]->backColor(), kBlue);
    EXPECT_EQ(Enabled({panelsWindow()->startButton, panelsWindow()->stopButton}), "10");
    PlayerCloses(&*panelsWindow());  // without a close box the player's request is ignored
    EXPECT_TRUE(panelsWindow().isLoaded());
}

namespace {
struct QuizOutcome {
    const char* name;
    const char* typed;  // "" for a time-out before 答える
    Box box;
};
void PrintTo(const QuizOutcome& o, std::ostream* os) { *os << o.name; }
class QuizOutcomes : public PuzzleWindows, public ::testing::WithParamInterface<QuizOutcome> {};
}  // namespace

TEST_P(QuizOutcomes, BringTheQuizBackFresh)
{
    const QuizOutcome& o = GetParam();
    writeQuiz("日本の首都は？,東京");
    QuizWindow* quiz = &open(&MainWindow::quizWindow, Stage::kQuizOpen);
    quiz->onStartClicked();
    EXPECT_EQ(quiz->questionLabel->text(), "日本の首都は？");
    EXPECT_EQ(quiz->focusWidget(), quiz->answerButton);
    EXPECT_EQ(quiz->timeLimit->interval(), 5000);
    fake.onAskText = [&o, this](const QString& prompt) {
        EXPECT_FALSE(quizWindow()->timeLimit->isActive());  // no time limit while typing
        EXPECT_TRUE(prompt.startsWith("制限時間無制限です\r\n 注）漢字で書くべきところは漢字で\r\n"));
        return QString(o.typed);
    };
    RunAsHandler([&] { *o.typed ? quiz->onAnswerClicked() : quiz->onTimeUp(); });
    EXPECT_EQ(fake.boxes, std::vector<Box>{o.box});
    ASSERT_TRUE(quizWindow().isLoaded());
    EXPECT_NE(&*quizWindow(), quiz);
    EXPECT_EQ(Shown({quizWindow()->startButton, quizWindow()->answerButton}), "10");
    EXPECT_EQ(quizWindow()->questionLabel->text(), "");
    EXPECT_TRUE(quizWindow()->isVisible());
    EXPECT_FALSE(quizWindow()->timeLimit->isActive());
    EXPECT_EQ(G.stage, Stage::kQuizOpen);
}

INSTANTIATE_TEST_SUITE_P(
    Quiz, QuizOutcomes,
    ::testing::Values(QuizOutcome{"AnAnswerThatIsNotExactlyRight", "東京 ", {"Wrong!", "答えが違います。次は頑張ってね", MessageKind::Warning}},
                      QuizOutcome{"ATimeOut", "", {"時間切れ", "再度チャレンジしてくれ給え", MessageKind::Warning}}),
    [](const ::testing::TestParamInfo<QuizOutcome>& info) { return info.param.name; });

TEST_F(PuzzleWindows, AnEmptyAnswerIsRightWhenTheLineEndsAtItsComma)
{
    writeQuiz("答えのない問題,");
    open(&MainWindow::quizWindow, Stage::kQuizOpen).onStartClicked();
    fake.onAskText = nullptr;  // the input box is cancelled
    RunAsHandler([&] { quizWindow()->onAnswerClicked(); });
    EXPECT_EQ(G.stage, Stage::kQuizSolved);
}

TEST_F(PuzzleWindows, AQuizFileWithoutQuestionsOrGoneEndsTheGame)
{
    writeQuiz("# only a comment\n\nno comma here");
    QuizWindow& quiz = open(&MainWindow::quizWindow, Stage::kQuizOpen);
    EXPECT_TRUE(Ends([&] { quiz.onStartClicked(); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"Read ERROR", "【np.dat】に問題があります。処理を終了します", MessageKind::Stop}}));
    QFile::remove(path("NP2.DAT"));
    EXPECT_TRUE(Ends([&] { quizWindow()->onStartClicked(); }));
    EXPECT_EQ(fake.boxes.back().title, ".DAT Don't Exist");
}

namespace {
struct StopRow {
    const char* name;
    float seconds;
    const char* shown;
    Color colour;
    const char* buttons;
};
void PrintTo(const StopRow& r, std::ostream* os) { *os << r.name; }
class StopwatchStops : public PuzzleWindows, public ::testing::WithParamInterface<StopRow> {};
}  // namespace

TEST_P(StopwatchStops, ShowTheTimeInTheVerdictsColourAndOnlyAPassOffersGo)
{
    const StopRow& r = GetParam();
    StopwatchWindow& w = open(&MainWindow::stopwatchWindow, Stage::kStopwatchOpen);
    fake.now = 100.0f;
    w.onStartClicked();
    EXPECT_EQ(Buttons(w), "1101 010 0");
    fake.now = 100.0f + r.seconds;
    fake.onPause = [&](int) {
        EXPECT_TRUE(w.timeLabel->isVisible());
        EXPECT_EQ(w.timeLabel->text(), r.shown);
    };
    w.onStopClicked();
    EXPECT_EQ(fake.pauses, std::vector<int>{500});
    EXPECT_EQ(w.timeLabel->textColor(), r.colour);
    EXPECT_FALSE(w.timeLimit->isActive());
    EXPECT_EQ(Buttons(w), r.buttons);
    EXPECT_EQ(w.focusWidget(), r.colour == kMagenta ? w.goButton : w.startButton);
}

INSTANTIATE_TEST_SUITE_P(Stopwatch, StopwatchStops,
                         ::testing::Values(StopRow{"TooEarly", 0.53f, "0.53 秒", kBlue, "1101 101 1"},
                                           StopRow{"Passed", 2.9f, "2.9 秒", kMagenta, "0011 010 1"},
                                           StopRow{"TooLate", 3.01f, "3.01 秒", kRed, "1101 101 1"}),
                         [](const ::testing::TestParamInfo<StopRow>& info) { return info.param.name; });

TEST_F(PuzzleWindows, TheStopwatchTellsTheBoundsOfTheCourse)
{
    EXPECT_EQ(open(&MainWindow::stopwatchWindow, Stage::kStopwatchOpen).boundsLabel->text(), "STARTボタンを押してから 2.80秒～3.00秒");
    stopwatchWindow().close();
    G.course = Course::Another;
    EXPECT_EQ(stopwatchWindow().load().boundsLabel->text(), "STARTボタンを押してから 2.90秒～3.00秒");
}

TEST_F(PuzzleWindows, OnAnotherGoOnlyPutsTheStopwatchBack)
{
    StopwatchWindow& w = open(&MainWindow::stopwatchWindow, Stage::kStopwatchOpen, Course::Another);
    fake.now = 100.0f;
    w.onStartClicked();
    fake.now = 102.95f;
    w.onStopClicked();
    w.onGoClicked();
    EXPECT_EQ(Buttons(w), "1101 100 1");  // 降参 stays disabled, the last time stays shown
    EXPECT_EQ(w.focusWidget(), w.startButton);
    EXPECT_EQ(G.stage, Stage::kStopwatchOpen);
}

TEST_F(PuzzleWindows, AStopwatchTimeOutAfterTenSecondsIsATryAgainOnNormal)
{
    StopwatchWindow& w = open(&MainWindow::stopwatchWindow, Stage::kStopwatchOpen);
    w.onStartClicked();
    EXPECT_EQ(w.timeLimit->interval(), 10000);
    w.onTimeUp();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "10秒もたってしまいました", MessageKind::Warning}}));
    EXPECT_EQ(Buttons(w), "1101 101 0");
    EXPECT_FALSE(w.timeLimit->isActive());
}

