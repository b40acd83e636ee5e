// Whole games from start-up to the end of the process, played through the windows'
// handlers with the fake services.
#include "GameTest.h"

#include "rules/Stages.h"

#include <QLabel>
#include <QTest>

namespace {

const Box kWelcome1{"Welcome to ぬるぴか", "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか"};
const Box kWelcome2{"Welcome to ぬるぴか", "乞うご期待！"};
const Box kPanelsOk{"GOOD!", "よろしい。次に行こうか", MessageKind::Information};
const Box kQuizStart{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始", MessageKind::Warning};
const Box kQuizOk{"GOOD!", "ＯＫ。次へ進め", MessageKind::Information};

class WholeGame : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeQuiz("# クイズ\n日本の首都は？,東京\n1+1は？,2");
        fake.onPause = [this](int) { captions.push_back(mainWindow.isLoaded() ? mainWindow->windowTitle() : "(none)"); };
    }

    // The title window, with the keys that choose the course and time attack, then its
    // hand-over to the main window.
    void title(Course course = Course::Normal, bool timeAttack = false)
    {
        std::vector<Qt::Key> keys;
        if (course == Course::Another)
            keys = {Qt::Key_Down, Qt::Key_Down};
        if (timeAttack)
            keys.insert(keys.end(), {Qt::Key_Left, Qt::Key_Left});
        StartGame(windows);
        for (Qt::Key k : keys)
            QTest::keyClick(&*titleWindow, k);
        RunAsHandler([&] { titleWindow->onHandOver(); });
    }

    // The road through a run, step by step: each plays on from where the last one left
    // the game, at the stage named in its comment.
    void opening()  // 10
    {
        EXPECT_EQ(RunningTimerCount(), 0);  // waiting for the player costs nothing
        mainWindow->onNoClicked();
        const MainWindow& w = *mainWindow;  // the run: exits and 降参, which is not pressable yet
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.yesButton, w.noButton}), "111000");
        EXPECT_EQ(Shown({w.upperLine, w.lowerLine, w.courseLabel, w.timeAttackLabel, w.bestTimeLabel}), "00000");
        EXPECT_EQ(w.windowTitle(), "ぬるぴか");
        EXPECT_FALSE(w.surrenderButton->isEnabled());
        EXPECT_TRUE(w.fileMenu->isVisible());
        EXPECT_TRUE(w.helpMenu->isVisible());
    }
    void firstExitPress() { mainWindow->onExitClicked(1); }  // 11: 0 and 3 offer the surrender
    void exitButtonsLevel()  // 12: 6 and 6
    {
        for (int b : {1, 0, 0, 0})
            mainWindow->onExitClicked(b);
    }
    void lock() { mainWindow->onLockChosen(); }  // 13
    void exitButtonsMeet()
    {
        fake.scriptDigits("1000" "2000" "1100" "2500");
        mainWindow->onExitClicked(0);
        ASSERT_TRUE(mainWindow->attackItem->isVisible());
        mainWindow->onAttackChosen();
    }
    void openNinePanels()  // 15
    {
        mainWindow->onProblemClicked();
        EXPECT_EQ(RunningTimerCount(), 1);  // the card's five seconds
        RunAsHandler([&] { panelsCard()->onTimeUp(); });
        EXPECT_EQ(RunningTimerCount(), 0);  // nothing runs before START
    }
    void solveNinePanels()  // 20
    {
        fake.scriptDigits("000000000");
        panelsWindow()->onStartClicked();
        for (int n : {1, 3, 7, 9, 5})
            panelsWindow()->onPanelClicked(n);
        RunAsHandler([&] { panelsWindow()->onStopClicked(); });
        expectAdvanced(panelsWindow(), MainWindow::kColourAfterPanels, "問題２");
    }
    void openQuiz()  // 21
    {
        mainWindow->onProblemClicked();
        RunAsHandler([&] { quizCard()->onTimeUp(); });
        fake.fractions = {0.015f};  // draws the first question
        quizWindow()->onStartClicked();
    }
    void answerQuiz()  // 30
    {
        fake.onAskText = [](const QString&) { return QString("東京"); };
        RunAsHandler([&] { quizWindow()->onAnswerClicked(); });
        expectAdvanced(quizWindow(), MainWindow::kColourAfterQuiz, "問題３");
    }
    void openStopwatch() { mainWindow->onProblemClicked(); }  // 31
    void solveStopwatch()  // 40
    {
        stopwatchWindow()->onStartClicked();
        if (G.course == Course::Another) {
            fake.now += 10.0f;  // ten seconds without STOP
            RunAsHandler([&] { stopwatchWindow()->onTimeUp(); });
        } else {
            fake.now += 2.9f;
            stopwatchWindow()->onStopClicked();
            RunAsHandler([&] { stopwatchWindow()->onGoClicked(); });
        }
        expectAdvanced(stopwatchWindow(), MainWindow::kColourAtLastTrick, "終了");
    }
    void lastTrick()  // 44
    {
        if (G.course == Course::Another) {
            mainWindow->mousePressed(MouseButton::Left, ShiftKey | CtrlKey | AltKey);
            mainWindow->onSwitchPressed(MouseButton::Left, NoModifier);
        } else {
            mainWindow->onSwitchPressed(MouseButton::Left, ShiftKey | AltKey);
        }
        ASSERT_EQ(G.stage, Stage::kSolved);
    }
    // The puzzle window has gone (closed, not hidden) and the main window is back in the
    // colour of the stage, without exits, with 降参 offered and the problem button naming
    // the next step; at the last trick it is not pressable and the switch is offered.
    void expectAdvanced(const WindowSlotBase& puzzle, Color colour, const char* problem)
    {
        const MainWindow& w = *mainWindow;
        const bool last = G.stage == Stage::kLastTrick;
        EXPECT_FALSE(puzzle.isLoaded());
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.backColor(), colour);
        EXPECT_EQ(w.windowTitle(), "ぬるぴか");
        EXPECT_EQ(w.problemButton->text(), problem);
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.switchButton}), last ? "0011" : "0010");
        EXPECT_EQ(Enabled({w.surrenderButton, w.problemButton, w.switchButton}), last ? "101" : "111");
    }
    // Plays on to the stage, the way a player gets there.
    void playTo(std::int16_t stage)
    {
        opening();
        firstExitPress();
        if (stage >= Stage::kProblemButtonShown)
            exitButtonsLevel();
        if (stage >= Stage::kLocked)
            lock();
        if (stage >= Stage::kPanelsOpen) {
            exitButtonsMeet();
            openNinePanels();
        }
        if (stage == Stage::kPanelsOpen)  // the time runs out and the player is back on the main window
            RunAsHandler([&] { panelsWindow()->onTimeUp(); });
        if (stage >= Stage::kPanelsSolved)
            solveNinePanels();
        if (stage >= Stage::kQuizOpen)
            openQuiz();
        if (stage >= Stage::kQuizSolved)
            answerQuiz();
        if (stage >= Stage::kStopwatchOpen)
            openStopwatch();
        if (stage >= Stage::kLastTrick)
            solveStopwatch();
        if (stage == Stage::kRiddleShown || stage == Stage::kWrongTry)
            mainWindow->onSurrenderClicked();  // the riddle, and the surrender declined
        if (stage == Stage::kWrongTry)
            mainWindow->onSwitchPressed(MouseButton::Left, NoModifier);
        if (stage == Stage::kWindowClicked)
            mainWindow->mousePressed(MouseButton::Left, ShiftKey | CtrlKey | AltKey);
        if (stage == Stage::kSolved)
            lastTrick();
    }
    // The way to surrender there: the main window's button before 降参(&C) is offered,
    // the puzzle's own button while one is open, the menu otherwise.
    void surrenderAt(std::int16_t stage)
    {
        if (stage < Stage::kLocked)
            mainWindow->onSurrenderClicked();
        else if (stage == Stage::kQuizOpen)
            quizWindow()->onSurrenderClicked();
        else if (stage == Stage::kStopwatchOpen)
            stopwatchWindow()->onSurrenderClicked();
        else
            mainWindow->surrenderIfConfirmed();
    }
    void playToTheEnd()
    {
        playTo(Stage::kSolved);
        fake.now += 60.0f;  // the player takes a minute over the last trick
        EXPECT_TRUE(Ends([&] { mainWindow->onProblemClicked(); }));
    }

    std::vector<QString> captions;  // the main window's caption at every pause
};

}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    title();
    const MainWindow& w = *mainWindow;  // the opening question, after the pause, with the focus on "いいえ"
    EXPECT_EQ(w.windowTitle(), "Welcome to ぬるぴか");
    EXPECT_EQ(w.upperLine->text(), "やめるなら今のうちよ");
    EXPECT_EQ(w.lowerLine->text(), "やめとく？");
    EXPECT_EQ(w.courseLabel->text(), "NORMAL");
    EXPECT_EQ(Shown({w.upperLine, w.lowerLine, w.courseLabel, w.timeAttackLabel, w.bestTimeLabel}), "11100");
    EXPECT_EQ(Shown({w.yesButton, w.noButton, w.problemButton, w.surrenderButton, w.exitButtons[0]}), "11000");
    EXPECT_EQ(w.upperLine->textColor(), kCyan);
    EXPECT_EQ(w.focusWidget(), w.noButton);
    EXPECT_FALSE(w.blankMenu->isVisible());
    fake.onBox = [&](const Box& box) { fake.now += box.text.startsWith("そうこなくっちゃね") ? 7.0f : 0.0f; };  // read for 7 s
    playToTheEnd();
    EXPECT_EQ(G.startTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"Welcome to ぬるぴか", "そうこなくっちゃね。お一人様ごあんな～い"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk}));
    EXPECT_EQ(captions, (std::vector<QString>{"ぬるぴか ２", "ぬるぴか", "こんぐらちゅれーしょんず！", "おしまいっ♪",
                                              "おしまいっ♪", "それでは", "結果発表", "結果発表", "結果発表"}));
    EXPECT_EQ(fake.pauses, (std::vector<int>{1000, 500, 3000, 3000, 3000, 3000, 3000, 3000, 3000}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());  // both counts were 0 already: not a byte changed
}

// Each screen of the ending as "caption|upper line|lower line|its colour and size".
class Ending : public WholeGame {
protected:
    void SetUp() override
    {
        WholeGame::SetUp();
        fake.onPause = [this](int ms) {
            if (ms != 3000)
                return;
            const MainWindow& w = *mainWindow;
            const QString colour = w.lowerLine->textColor() == kBlue ? "blue" : w.lowerLine->textColor() == kCyan ? "cyan" : "?";
            screens << QString("%1|%2|%3|%4 %5")
                           .arg(w.windowTitle(), w.upperLine->isVisible() ? w.upperLine->text() : "-", w.lowerLine->text(), colour)
                           .arg(w.lowerLine->pointSize());
            // the whole result line is readable: as wide as it needs, up to the window's width,
            // tall enough for what wraps, centred, and below the upper line
            const QLabel* lower = w.lowerLine;
            const int width = w.clientArea()->width();
            EXPECT_GE(lower->x(), 0);
            EXPECT_LE(lower->x() + lower->width(), width);
            EXPECT_LE(std::abs(lower->x() + lower->width() / 2 - width / 2), 1);
            EXPECT_GE(lower->width(), std::min(lower->fontMetrics().horizontalAdvance(lower->text()), width));
            EXPECT_GE(lower->height(), lower->heightForWidth(lower->width()));
            EXPECT_GE(lower->y(), w.upperLine->geometry().bottom());
            EXPECT_EQ(Shown({w.problemButton, w.surrenderButton, w.switchButton}), "000");
            EXPECT_FALSE(w.fileMenu->isVisible());
            EXPECT_FALSE(w.helpMenu->isVisible());
            EXPECT_FALSE(w.blankMenu->isVisible());
        };
    }
    QStringList screens;
};

TEST_F(Ending, AnotherWithTimeAttackShowsEveryScreenSetsANewBestTimeAndResetsTheCounts)
{
    writeFile("NP2.INI", RecordFile(16, 3, "50", "9999"));
    title(Course::Another, true);
    EXPECT_EQ(G.course, Course::Another);
    EXPECT_TRUE(G.timeAttack);
    EXPECT_EQ(mainWindow->courseLabel->text(), "ANOTHER");
    EXPECT_EQ(mainWindow->bestTimeLabel->text(), "BEST TIME 9999 秒");  // the course's own
    EXPECT_TRUE(mainWindow->timeAttackLabel->isVisible());
    EXPECT_TRUE(mainWindow->bestTimeLabel->isVisible());
    fake.onBox = [this](const Box& box) { fake.now += box == kQuizOk ? 53.45f : 0.0f; };  // a long look at the quiz's "GOOD!"
    fake.eventRounds = 0;
    playToTheEnd();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk, {"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    // the run: 1 s pause before the clock, 53.45 s at a box, ten seconds of stopwatch, a minute at the end
    EXPECT_EQ(screens, (QStringList{"こんぐらちゅれーしょんず！|おめでとうございますっ！|というか、お疲れ様でした(？)|blue 16",
                                    "おしまいっ♪|-|今回はいかがでしたか？|cyan 16", "おしまいっ♪|-|楽しんでいただけましたか？|cyan 16",
                                    "それでは|-|また次回！（があれば(笑)）|cyan 16", "結果発表|ちなみに降参した回数は|16 回でした|cyan 16",
                                    "結果発表|あなたのレベルは|根性なしのミジンコ|blue 28", "結果発表|クリア所要時間は|123.45 秒|blue 28",
                                    "結果発表|記録更新！|9999 秒 → 123.45 秒|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(fake.eventRounds, 7);
    EXPECT_FALSE(mainWindow.isLoaded());  // the closing close is not refused
    const std::string counted = WithLine(WithLine(RecordFile(0, 0, "50", "9999"), "Kaisu = 0", "Kaisu=0"), "Kaisu = 0", "Kaisu=0");  // both back to 0
    EXPECT_EQ(readFile("NP2.INI"), WithLine(counted, "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=123.45"));
}

TEST_F(Ending, AnEqualTimeIsNoRecord)
{
    writeFile("NP2.INI", RecordFile(0, 0, "9999", "70"));
    title(Course::Another, true);
    playToTheEnd();
    EXPECT_EQ(screens.mid(6), (QStringList{"結果発表|クリア所要時間は|70 秒|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_NE(readFile("NP2.INI").find("[A_Time]\r\n1st = 70"), std::string::npos);
}

TEST_F(WholeGame, QuittingAtTheOpeningCountsAcrossStarts)
{
    for (int start = 1; start <= 3; ++start) {
        G = GameState{};
        ResetWindows();
        title();
        EXPECT_TRUE(Ends([&] { mainWindow->onYesClicked(); }));
        EXPECT_EQ(G.quitCount, start);
    }
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=3"));
}

// ---- a surrender at every stage of the table the player can reach, on each course

namespace {
struct SurrenderAt {
    std::int16_t stage;
    Course course;
};
void PrintTo(const SurrenderAt& s, std::ostream* os) { *os << "stage " << s.stage << " " << CourseLabel(s.course).toStdString(); }

// No surrender is offered at the opening, and only ANOTHER clicks the window.
std::vector<SurrenderAt> EveryStageAPlayerCanSurrenderAt()
{
    std::vector<SurrenderAt> all;
    for (const StageRow& row : StageTable())
        for (Course course : {Course::Normal, Course::Another})
            if (row.number != Stage::kOpening && (row.number != Stage::kWindowClicked || course == Course::Another))
                all.push_back({row.number, course});
    return all;
}
}  // namespace

class SurrenderEverywhere : public WholeGame, public ::testing::WithParamInterface<SurrenderAt> {};

TEST_P(SurrenderEverywhere, ShowsTheStagesHintCountsAndEnds)
{
    const SurrenderAt& s = GetParam();
    writeFile("NP2.INI", RecordFile(9));  // the count goes on from the record file
    title(s.course);
    playTo(s.stage);
    ASSERT_EQ(G.stage, s.stage);

    const Hint hint = *HintFor(s.stage, s.course);
    captions.clear();
    fake.onPause = [&](int) {
        const MainWindow& w = *mainWindow;
        captions.push_back(w.windowTitle());
        EXPECT_EQ(w.upperLine->text(), hint.upperLine);
        EXPECT_EQ(w.upperLine->textColor(), kCyan);
        EXPECT_EQ(w.lowerLine->isVisible() ? w.lowerLine->text() : "", hint.lowerLine);  // or left hidden
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.backColor(), kTeal);
        EXPECT_FALSE(w.takesInput());
        EXPECT_FALSE(quizWindow().isLoaded() && quizWindow()->isVisible());
        EXPECT_FALSE(stopwatchWindow().isLoaded() && stopwatchWindow()->isVisible());
        EXPECT_EQ(RunningTimerCount(), 0);
    };
    fake.boxes.clear();
    fake.pauses.clear();
    fake.answers = {Answer::Yes};
    EXPECT_TRUE(Ends([&] { surrenderAt(s.stage); }));
    EXPECT_EQ(fake.pauses, std::vector<int>{3000});
    EXPECT_EQ(captions, std::vector<QString>{hint.clearRate});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                                      MessageKind::Information}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
}

INSTANTIATE_TEST_SUITE_P(WholeGame, SurrenderEverywhere, ::testing::ValuesIn(EveryStageAPlayerCanSurrenderAt()),
                         [](const ::testing::TestParamInfo<SurrenderAt>& info) {
                             return "Stage" + std::to_string(info.param.stage) + (info.param.course == Course::Another ? "Another" : "Normal");
                         });
