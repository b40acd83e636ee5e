// Whole games from start-up to the end of the process, played through the windows'
// handlers with the fake services.
#include "GameTest.h"

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

    // Each step plays on from where the last one left off.
    void title(std::initializer_list<Qt::Key> keys = {})
    {
        StartGame();
        for (Qt::Key k : keys)
            QTest::keyClick(&*titleWindow, k);
        RunAsHandler([] { titleWindow->onHandOver(); });
    }
    void opening()
    {
        EXPECT_EQ(RunningTimerCount(), 0);  // waiting for the player costs nothing
        mainWindow->onNoClicked();
        const MainWindow& w = *mainWindow;  // the run: exits and 降参, which is not pressable yet
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.yesButton, w.noButton}) +
                      Shown({w.upperLine, w.lowerLine, w.courseLabel, w.timeAttackLabel, w.bestTimeLabel}),
                  "111000" "00000");
        EXPECT_TRUE(w.windowTitle() == "ぬるぴか" && !w.surrenderButton->isEnabled() && w.fileMenu->isVisible() && w.helpMenu->isVisible());
    }
    void exitButtonsToLock()
    {
        for (int b : {0, 0, 0, 1, 1})  // 6 and 6
            mainWindow->onExitClicked(b);
        ASSERT_EQ(G.stage, 12);
        mainWindow->onLockChosen();
    }
    void exitButtonsMeet()
    {
        fake.scriptDigits("1000" "2000" "1100" "2500");
        mainWindow->onExitClicked(0);
        ASSERT_TRUE(mainWindow->attackItem->isVisible());
        mainWindow->onAttackChosen();
    }
    void openNinePanels()
    {
        mainWindow->onProblemClicked();
        EXPECT_EQ(RunningTimerCount(), 1);  // the card's five seconds
        RunAsHandler([] { panelsCard->onTimeUp(); });
        EXPECT_EQ(RunningTimerCount(), 0);  // nothing runs before START
    }
    void solveNinePanels()
    {
        fake.scriptDigits("000000000");
        panelsWindow->onStartClicked();
        for (int n : {1, 3, 7, 9, 5})
            panelsWindow->onPanelClicked(n);
        RunAsHandler([] { panelsWindow->onStopClicked(); });
        ASSERT_EQ(G.stage, 20);
        expectAdvanced(panelsWindow, Rgb(113, 62, 73), "問題２");
    }
    void openQuiz()
    {
        mainWindow->onProblemClicked();
        RunAsHandler([] { quizCard->onTimeUp(); });
        fake.fractions = {0.015f};  // draws the first question
        quizWindow->onStartClicked();
    }
    void answerQuiz()
    {
        fake.onAskText = [](const QString&) { return QString("東京"); };
        RunAsHandler([] { quizWindow->onAnswerClicked(); });
        ASSERT_EQ(G.stage, 30);
        expectAdvanced(quizWindow, Rgb(13, 24, 115), "問題３");
    }
    void solveStopwatch()
    {
        mainWindow->onProblemClicked();
        stopwatchWindow->onStartClicked();
        if (G.course == "ANOTHER") {
            fake.now += 10.0f;  // ten seconds without STOP
            RunAsHandler([] { stopwatchWindow->onTimeUp(); });
        } else {
            fake.now += 2.9f;
            stopwatchWindow->onStopClicked();
            RunAsHandler([] { stopwatchWindow->onGoClicked(); });
        }
        ASSERT_EQ(G.stage, 40);
        expectAdvanced(stopwatchWindow, Rgb(86, 124, 51), "終了");
    }
    // The puzzle window has gone (closed, not hidden) and the main window is back in the
    // colour of the stage, without exits, with 降参 offered and the problem button naming
    // the next step; at the last stage it is not pressable and the switch is offered.
    void expectAdvanced(const WindowSlotBase& puzzle, Color colour, const char* problem)
    {
        const MainWindow& w = *mainWindow;
        const bool last = G.stage == 40;
        EXPECT_FALSE(puzzle.isLoaded());
        EXPECT_TRUE(w.isVisible() && w.backColor() == colour && w.windowTitle() == "ぬるぴか" && w.problemButton->text() == problem);
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.switchButton}), last ? "0011" : "0010");
        EXPECT_EQ(Enabled({w.surrenderButton, w.problemButton, w.switchButton}), last ? "101" : "111");
    }
    void lastTrick()
    {
        if (G.course == "ANOTHER") {
            mainWindow->mousePressed(MouseButton::Left, ShiftKey | CtrlKey | AltKey);
            mainWindow->onSwitchPressed(MouseButton::Left, NoModifier);
        } else {
            mainWindow->onSwitchPressed(MouseButton::Left, ShiftKey | AltKey);
        }
        ASSERT_EQ(G.stage, 44);
    }
    void playToTheEnd()
    {
        opening();
        exitButtonsToLock();
        exitButtonsMeet();
        openNinePanels();
        solveNinePanels();
        openQuiz();
        answerQuiz();
        solveStopwatch();
        lastTrick();
        fake.now += 60.0f;  // the player takes a minute over the last stage
        EXPECT_TRUE(Ends([] { mainWindow->onProblemClicked(); }));
    }

    std::vector<QString> captions;  // the main window's caption at every pause
};

}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    title();
    const MainWindow& w = *mainWindow;  // the opening question, after the pause, with the focus on "いいえ"
    EXPECT_EQ(w.windowTitle() + w.upperLine->text() + w.lowerLine->text() + w.courseLabel->text(), "Welcome to ぬるぴかやめるなら今のうちよやめとく？NORMAL");
    EXPECT_EQ(Shown({w.upperLine, w.lowerLine, w.courseLabel, w.timeAttackLabel, w.bestTimeLabel}), "11100");
    EXPECT_EQ(Shown({w.yesButton, w.noButton, w.problemButton, w.surrenderButton, w.exitButtons[0]}), "11000");
    EXPECT_TRUE(w.upperLine->textColor() == kCyan && w.focusWidget() == w.noButton && !w.blankMenu->isVisible());
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
            const QWidget* lower = w.lowerLine;
            const int width = w.clientArea()->width();
            EXPECT_TRUE(lower->x() >= 0 && lower->x() + lower->width() <= width);
            EXPECT_LE(std::abs(lower->x() + lower->width() / 2 - width / 2), 1);
            EXPECT_GE(lower->width(), std::min(lower->fontMetrics().horizontalAdvance(w.lowerLine->text()), width));
            EXPECT_GE(lower->height(), static_cast<const QLabel*>(lower)->heightForWidth(lower->width()));
            EXPECT_GE(lower->y(), w.upperLine->geometry().bottom());
            EXPECT_EQ(Shown({w.problemButton, w.surrenderButton, w.switchButton}), "000");
            EXPECT_FALSE(w.fileMenu->isVisible() || w.helpMenu->isVisible() || w.blankMenu->isVisible());
        };
    }
    QStringList screens;
};

TEST_F(Ending, AnotherWithTimeAttackShowsEveryScreenSetsANewBestTimeAndResetsTheCounts)
{
    writeFile("NP2.INI", RecordFile(16, 3, "50", "9999"));
    title({Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left});
    EXPECT_TRUE(G.course == "ANOTHER" && G.timeAttack);
    EXPECT_EQ(mainWindow->bestTimeLabel->text(), "BEST TIME 9999 秒");  // the course's own
    fake.onBox = [this](const Box& box) { fake.now += box == kQuizOk ? 53.45f : 0.0f; };  // a long look at the quiz's "GOOD!"
    EXPECT_TRUE(mainWindow->timeAttackLabel->isVisible() && mainWindow->bestTimeLabel->isVisible());
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
    title({Qt::Key_Down, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left});
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
        EXPECT_TRUE(Ends([] { mainWindow->onYesClicked(); }));
        EXPECT_EQ(G.quitCount, start);
    }
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=3"));
}

// ---- a surrender at every stage the player can reach, one run each

struct SurrenderAt {
    int stage;
    const char* course;
    const char* rate;
    const char* hints;  // the upper line, and the lower one after a "/" when the hint sets it
};

void PrintTo(const SurrenderAt& s, std::ostream* os) { *os << "stage " << s.stage << " " << s.course; }

class SurrenderEverywhere : public WholeGame, public ::testing::WithParamInterface<SurrenderAt> {};

TEST_P(SurrenderEverywhere, ShowsTheHintCountsAndEnds)
{
    const SurrenderAt& s = GetParam();
    writeFile("NP2.INI", RecordFile(9));  // the count goes on from the record file
    if (std::string(s.course) == "ANOTHER")
        title({Qt::Key_Down, Qt::Key_Down});
    else
        title();
    opening();
    std::function<void()> surrender = [] { mainWindow->onSurrenderClicked(); };
    mainWindow->onExitClicked(1);  // 0 and 3: the surrender button is offered
    if (s.stage > 11) {
        for (int b : {1, 0, 0, 0})  // 6 and 6
            mainWindow->onExitClicked(b);
    }
    if (s.stage > 12) {
        mainWindow->onLockChosen();
        surrender = [] { mainWindow->surrender(); };  // 降参(&C)
    }
    if (s.stage > 13) {
        exitButtonsMeet();
        openNinePanels();
        if (s.stage == 15)  // the time runs out and the player is back on the main window
            RunAsHandler([] { panelsWindow->onTimeUp(); });
        else
            solveNinePanels();
    }
    if (s.stage > 20) {
        openQuiz();
        surrender = [] { quizWindow->onSurrenderClicked(); };
    }
    if (s.stage > 21)
        answerQuiz();
    if (s.stage > 30) {
        mainWindow->onProblemClicked();
        surrender = [] { stopwatchWindow->onSurrenderClicked(); };
    }
    if (s.stage > 31) {
        solveStopwatch();
        surrender = [] { mainWindow->surrender(); };
    }
    if (s.stage == 41)
        surrender = [] { mainWindow->onSurrenderClicked(); };  // the riddle first
    if (s.stage == 42) {
        mainWindow->onSurrenderClicked();  // the riddle, and the surrender declined
        mainWindow->onSwitchPressed(MouseButton::Left, NoModifier);
    }
    if (s.stage == 43)
        mainWindow->mousePressed(MouseButton::Left, ShiftKey | CtrlKey | AltKey);
    if (s.stage == 44)
        lastTrick();
    ASSERT_EQ(G.stage, s.stage == 41 ? 40 : s.stage);

    captions.clear();
    fake.onPause = [&](int) {
        const MainWindow& w = *mainWindow;
        captions.push_back(w.windowTitle());
        EXPECT_EQ(w.upperLine->text() + (w.lowerLine->isVisible() ? "/" + w.lowerLine->text() : ""), s.hints);
        EXPECT_EQ(w.upperLine->textColor(), kCyan);
        EXPECT_TRUE(w.isVisible() && !w.takesInput());
        EXPECT_FALSE(quizWindow.isLoaded() && quizWindow->isVisible());
        EXPECT_FALSE(stopwatchWindow.isLoaded() && stopwatchWindow->isVisible());
        EXPECT_EQ(RunningTimerCount(), 0);
    };
    fake.boxes.clear();
    fake.answers = {Answer::Yes};
    EXPECT_TRUE(Ends(surrender));
    EXPECT_EQ(captions, std::vector<QString>{s.rate});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                                      MessageKind::Information}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
}

INSTANTIATE_TEST_SUITE_P(
    WholeGame, SurrenderEverywhere,
    ::testing::Values(SurrenderAt{11, "NORMAL", "ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？"},
                      SurrenderAt{12, "NORMAL", "ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・"},
                      SurrenderAt{13, "NORMAL", "ｸﾘｱ度 15%", "問題１ボタンが押せるように/なるためには、運も・・・"},
                      SurrenderAt{15, "NORMAL", "ｸﾘｱ度 20%", "こればっかりは自力で/やってくださいな(汗)"},
                      SurrenderAt{20, "NORMAL", "ｸﾘｱ度 20%", "問題２ボタンを押せ"},
                      SurrenderAt{21, "NORMAL", "ｸﾘｱ度 ??%", "簡単な問題もあるよ"},
                      SurrenderAt{30, "NORMAL", "ｸﾘｱ度 ??%", "問題３ボタンを押せ"},
                      SurrenderAt{31, "NORMAL", "ｸﾘｱ度 ??%", "コツはなし。気合のみ"},
                      SurrenderAt{31, "ANOTHER", "ｸﾘｱ度 ??%", "一生懸命狙っても無駄かも？"},
                      SurrenderAt{40, "NORMAL", "ｸﾘｱ度 ??%", "ヒントは見つけましたか？"},
                      SurrenderAt{41, "NORMAL", "ｸﾘｱ度 ??%", "逆から読むと・・・"},
                      SurrenderAt{41, "ANOTHER", "ｸﾘｱ度 ??%", "NORMAL＋αが必要だ"},
                      SurrenderAt{42, "NORMAL", "ｸﾘｱ度 ??%", "押すキーが違うぞ"},
                      SurrenderAt{43, "ANOTHER", "ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが"},
                      SurrenderAt{44, "NORMAL", "ｸﾘｱ度 ??%", "終了押すだけなんですが"}));
