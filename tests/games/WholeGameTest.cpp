// Whole games from start-up to the end of the process with the fake services: one road
// to the end on each course, the main window after each puzzle, a surrender on each way.
#include "GameTest.h"

namespace {
const Box kWelcome1{"Welcome to ぬるぴか", "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか"};
const Box kWelcome2{"Welcome to ぬるぴか", "乞うご期待！"};
const Box kPanelsOk{"GOOD!", "よろしい。次に行こうか", MessageKind::Information};
const Box kQuizStart{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始", MessageKind::Warning};
const Box kQuizOk{"GOOD!", "ＯＫ。次へ進め", MessageKind::Information};

// Each screen of the ending as "caption|upper line|lower line|colour size" of the lower line.
class WholeGame : public GameTest {
protected:
    QStringList playToTheEnd(Course course, bool timeAttack)
    {
        QStringList screens;
        fake.onPause = [&](int) {
            const MainWindow& w = *mainWindow;
            if (G.gameCleared)
                screens << QString("%1|%2|%3|%4 %5")
                               .arg(w.windowTitle(), w.upperLine->isVisible() ? w.upperLine->text() : "-", w.lowerLine->text(),
                                    w.lowerLine->textColor() == kBlue ? "blue" : "cyan")
                               .arg(w.lowerLine->pointSize());
        };
        playTo(Stage::kSolved, course, timeAttack);
        fake.now += 60.0f;  // a minute over the last trick
        Click(mainWindow->problemButton);
        EXPECT_TRUE(fake.ended);
        fake.onPause = nullptr;
        return screens;
    }
};
}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    fake.onBox = [&](const Box& box) { fake.now += box.text.startsWith("そうこなくっちゃね") ? 7.0f : 0.0f; };  // read for 7 s
    const QStringList screens = playToTheEnd(Course::Normal, false);
    EXPECT_EQ(G.startTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"Welcome to ぬるぴか", "そうこなくっちゃね。お一人様ごあんな～い"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk}));
    EXPECT_EQ(fake.pauses, (std::vector<int>{1000, 500, 3000, 3000, 3000, 3000, 3000, 3000, 3000}));
    EXPECT_EQ(screens.mid(5), (QStringList{"結果発表|あなたのレベルは|神|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());  // both counts were 0 already: not a byte changed
}

TEST_F(WholeGame, AnotherWithTimeAttackShowsEveryScreenSetsANewBestTimeAndResetsTheCounts)
{
    writeFile("NP2.INI", RecordFile(16, 3, "50", "9999"));
    fake.onBox = [this](const Box& box) { fake.now += box == kQuizOk ? 53.45f : 0.0f; };  // a long look at the quiz's "GOOD!"
    const QStringList screens = playToTheEnd(Course::Another, true);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk, {"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    // 1 s before the clock, 53.45 s at a box, ten seconds of stopwatch, a minute at the end
    EXPECT_EQ(screens, (QStringList{"こんぐらちゅれーしょんず！|おめでとうございますっ！|というか、お疲れ様でした(？)|blue 16",
                                    "おしまいっ♪|-|今回はいかがでしたか？|cyan 16", "おしまいっ♪|-|楽しんでいただけましたか？|cyan 16",
                                    "それでは|-|また次回！（があれば(笑)）|cyan 16", "結果発表|ちなみに降参した回数は|16 回でした|cyan 16",
                                    "結果発表|あなたのレベルは|根性なしのミジンコ|blue 28", "結果発表|クリア所要時間は|123.45 秒|blue 28",
                                    "結果発表|記録更新！|9999 秒 → 123.45 秒|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(fake.eventRounds, 7);
    EXPECT_FALSE(mainWindow.isLoaded());  // the closing close is not refused
    const std::string reset = WithLine(WithLine(RecordFile(0, 0, "50", "9999"), "Kaisu = 0", "Kaisu=0"), "Kaisu = 0", "Kaisu=0");
    EXPECT_EQ(readFile("NP2.INI"), WithLine(reset, "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=123.45"));
}

TEST_F(WholeGame, AQuitAtTheOpeningIsCounted)
{
    playTo(Stage::kOpening);
    Click(mainWindow->yesButton);
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back(), (Box{"Welcome to ぬるぴか", "あ・・・そう？根性なしねぇ。じゃぁね。"}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=1"));
}

TEST_F(WholeGame, EachPuzzleSolvedBringsTheMainWindowBackInItsColourWithTheNextProblem)
{
    const std::tuple<std::int16_t, Color, const char*> advances[] = {
        {Stage::kPanelsSolved, Rgb(113, 62, 73), "問題２"}, {Stage::kQuizSolved, Rgb(13, 24, 115), "問題３"}, {Stage::kLastTrick, Rgb(86, 124, 51), "終了"}};
    for (const auto& [stage, colour, problem] : advances) {
        ResetWindows();
        playTo(stage);
        const MainWindow& w = *mainWindow;
        EXPECT_FALSE(w.panelsWindow.isLoaded() || w.quizWindow.isLoaded() || w.stopwatchWindow.isLoaded());  // closed, not hidden
        EXPECT_EQ(w.backColor(), colour);
        EXPECT_EQ(w.problemButton->text(), problem);
        EXPECT_EQ(Shown({&w, w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.switchButton}), stage == Stage::kLastTrick ? "10011" : "10010");
        EXPECT_EQ(Enabled({w.surrenderButton, w.problemButton, w.switchButton}), stage == Stage::kLastTrick ? "101" : "111");
    }
}

// A surrender on every way to one: 降参 before the riddle and with it, the menu, the quiz's
// and the stopwatch's own 降参. The screen shows what the stage table says (StagesTest).
TEST_F(WholeGame, ASurrenderShowsTheStagesHintForThreeSecondsThenCountsAndEnds)
{
    enum Way { Button, Menu, Quiz, Stopwatch };
    const std::tuple<std::int16_t, Course, Way> surrenders[] = {{11, Course::Normal, Button},  {13, Course::Normal, Menu},
                                                                {21, Course::Another, Quiz},  {31, Course::Another, Stopwatch},
                                                                {41, Course::Normal, Button}, {43, Course::Another, Button}};
    for (const auto& [stage, course, way] : surrenders) {
        SCOPED_TRACE(stage);
        fake.onPause = nullptr;
        ResetWindows();
        writeFile("NP2.INI", RecordFile(9));  // the count goes on from the record file
        playTo(stage, course);
        const bool riddle = way == Button && StageRowOf(stage)->asksRiddle;  // the riddle moves the stage to 41
        const Hint hint = *HintFor(riddle ? Stage::kRiddleShown : stage, course);
        const MainWindow& w = *mainWindow;
        fake.boxes.clear();
        fake.pauses.clear();
        fake.answers = {Answer::Yes};
        QStringList screens;
        fake.onPause = [&](int) {
            screens << w.windowTitle() + "|" + w.upperLine->text() + "|" + (w.lowerLine->isVisible() ? w.lowerLine->text() : "");
            EXPECT_EQ(Shown({&w, w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.switchButton}), "100000");
            EXPECT_EQ(w.backColor(), kTeal);
            EXPECT_EQ(w.upperLine->textColor(), kCyan);
            EXPECT_FALSE(w.takesInput());
            EXPECT_EQ(RunningTimerCount(), 0);  // nor any time-out after it
            EXPECT_FALSE(w.quizWindow.isLoaded() && w.quizWindow->isVisible());
            EXPECT_FALSE(w.stopwatchWindow.isLoaded() && w.stopwatchWindow->isVisible());
        };
        QPushButton* surrender = way == Quiz ? w.quizWindow->surrenderButton : way == Stopwatch ? w.stopwatchWindow->surrenderButton : w.surrenderButton;
        fake.ended = false;
        way == Menu ? mainWindow->surrenderItem->trigger() : Click(surrender);
        EXPECT_TRUE(fake.ended);
        EXPECT_EQ(fake.pauses, std::vector<int>{3000});
        EXPECT_EQ(screens, QStringList{hint.clearRate + "|" + hint.upperLine + "|" + hint.lowerLine});
        EXPECT_EQ(fake.boxes.size(), riddle ? 3u : 2u);
        const Box riddleBox{"This Word Means・・・", RiddleFor(course)}, question{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion};
        EXPECT_EQ(fake.boxes.front(), riddle ? riddleBox : question);
        EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", MessageKind::Information}));
        EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
    }
}
