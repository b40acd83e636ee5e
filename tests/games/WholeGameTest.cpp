// Whole games from start-up to the end of the process with the fake services: one road
// to the end on each course, the ending's screens, and a surrender on each way to it.
#include "GameTest.h"

#include <QLabel>

namespace {
const Box kWelcome1{"Welcome to ぬるぴか", "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか"};
const Box kWelcome2{"Welcome to ぬるぴか", "乞うご期待！"};
const Box kPanelsOk{"GOOD!", "よろしい。次に行こうか", MessageKind::Information};
const Box kQuizStart{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始", MessageKind::Warning};
const Box kQuizOk{"GOOD!", "ＯＫ。次へ進め", MessageKind::Information};

// Every screen of the ending as "caption|upper line|lower line|colour size" of the lower line.
class WholeGame : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        fake.onPause = [this](int) {
            if (!G.gameCleared)
                return;
            const MainWindow& w = *mainWindow;
            screens << QString("%1|%2|%3|%4 %5")
                           .arg(w.windowTitle(), w.upperLine->isVisible() ? w.upperLine->text() : "-", w.lowerLine->text(),
                                w.lowerLine->textColor() == kBlue ? "blue" : "cyan")
                           .arg(w.lowerLine->pointSize());
        };
    }
    void playToTheEnd(Course course = Course::Normal, bool timeAttack = false)
    {
        playTo(Stage::kSolved, course, timeAttack);
        fake.now += 60.0f;  // a minute over the last trick
        EXPECT_TRUE(Ends([&] { mainWindow->onProblemClicked(); }));
    }
    QStringList screens;
};
}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    fake.onBox = [&](const Box& box) { fake.now += box.text.startsWith("そうこなくっちゃね") ? 7.0f : 0.0f; };  // read for 7 s
    playToTheEnd();
    EXPECT_EQ(G.startTime, 36008.0f);  // 10:00:00, the 1 s pause, then the box
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"Welcome to ぬるぴか", "そうこなくっちゃね。お一人様ごあんな～い"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk}));
    EXPECT_EQ(fake.pauses, (std::vector<int>{1000, 500, 3000, 3000, 3000, 3000, 3000, 3000, 3000}));
    EXPECT_EQ(screens.size(), 7);
    EXPECT_EQ(screens.mid(5), (QStringList{"結果発表|あなたのレベルは|神|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());  // both counts were 0 already: not a byte changed
}

TEST_F(WholeGame, AnotherWithTimeAttackShowsEveryScreenSetsANewBestTimeAndResetsTheCounts)
{
    writeFile("NP2.INI", RecordFile(16, 3, "50", "9999"));
    fake.onBox = [this](const Box& box) { fake.now += box == kQuizOk ? 53.45f : 0.0f; };  // a long look at the quiz's "GOOD!"
    fake.eventRounds = 0;
    playToTheEnd(Course::Another, true);
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

TEST_F(WholeGame, AnEqualTimeIsNoRecordAndQuitsAreCountedAcrossStarts)
{
    writeFile("NP2.INI", RecordFile(0, 0, "9999", "70"));
    playToTheEnd(Course::Another, true);
    EXPECT_EQ(screens.mid(screens.size() - 2), (QStringList{"結果発表|クリア所要時間は|70 秒|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile(0, 0, "9999", "70"));
    for (int start = 1; start <= 2; ++start) {
        G = GameState{};
        ResetWindows();
        playTo(Stage::kOpening);
        EXPECT_TRUE(Ends([&] { mainWindow->onYesClicked(); }));
        EXPECT_EQ(fake.boxes.back(), (Box{"Welcome to ぬるぴか", "あ・・・そう？根性なしねぇ。じゃぁね。"}));
    }
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(0, 0, "9999", "70"), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=2"));
}

// ---- the main window after each puzzle, in the colour of the stage

namespace {
struct Advance {
    std::int16_t stage;
    Color colour;
    const char* problem;
    const char* shown;    // exits, 降参, the switch
    const char* enabled;  // 降参, the problem button, the switch
};
void PrintTo(const Advance& a, std::ostream* os) { *os << "stage " << a.stage; }
class Advances : public GameTest, public ::testing::WithParamInterface<Advance> {};
}  // namespace

TEST_P(Advances, BringTheMainWindowBackWithTheNextProblem)
{
    const Advance& a = GetParam();
    playTo(a.stage);
    const MainWindow& w = *mainWindow;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(RunningTimerCount(), 0);
    EXPECT_FALSE(w.panelsWindow.isLoaded() || w.quizWindow.isLoaded() || w.stopwatchWindow.isLoaded());  // closed, not hidden
    EXPECT_EQ(w.backColor(), a.colour);
    EXPECT_EQ(w.windowTitle(), "ぬるぴか");
    EXPECT_EQ(w.problemButton->text(), a.problem);
    EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.switchButton}), a.shown);
    EXPECT_EQ(Enabled({w.surrenderButton, w.problemButton, w.switchButton}), a.enabled);
}

INSTANTIATE_TEST_SUITE_P(WholeGame, Advances,
                         ::testing::Values(Advance{20, Rgb(113, 62, 73), "問題２", "0010", "111"},
                                           Advance{30, Rgb(13, 24, 115), "問題３", "0010", "111"},
                                           Advance{40, Rgb(86, 124, 51), "終了", "0011", "101"}),
                         [](const ::testing::TestParamInfo<Advance>& info) { return "Stage" + std::to_string(info.param.stage); });

// ---- a surrender on every way to one: 降参, the menu, the quiz's and the stopwatch's 降参

namespace {
enum class Way { Button, Menu, Quiz, Stopwatch };
struct Surrender {
    std::int16_t stage;
    Course course;
    Way way;
};
void PrintTo(const Surrender& s, std::ostream* os) { *os << "stage " << s.stage; }
class Surrenders : public WholeGame, public ::testing::WithParamInterface<Surrender> {};
}  // namespace

TEST_P(Surrenders, ShowTheStagesHintForThreeSecondsThenCountAndEnd)
{
    const Surrender& s = GetParam();
    writeFile("NP2.INI", RecordFile(9));  // the count goes on from the record file
    playTo(s.stage, s.course);
    const bool riddle = s.way == Way::Button && StageRowOf(s.stage)->asksRiddle;  // the riddle, and its stage
    const Hint hint = *HintFor(riddle ? Stage::kRiddleShown : s.stage, s.course);
    fake.boxes.clear();
    fake.pauses.clear();
    screens.clear();
    fake.answers = {Answer::Yes};
    const MainWindow& w = *mainWindow;
    fake.onPause = [&](int) {
        screens << w.windowTitle() + "|" + w.upperLine->text() + "|" + (w.lowerLine->isVisible() ? w.lowerLine->text() : "");
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.backColor(), kTeal);
        EXPECT_EQ(w.upperLine->textColor(), kCyan);
        EXPECT_FALSE(w.takesInput());
        EXPECT_EQ(Shown({w.exitButtons[0], w.exitButtons[1], w.surrenderButton, w.problemButton, w.switchButton}), "00000");
        EXPECT_EQ(RunningTimerCount(), 0);  // nor any time-out after it
        EXPECT_FALSE(w.quizWindow.isLoaded() && w.quizWindow->isVisible());
        EXPECT_FALSE(w.stopwatchWindow.isLoaded() && w.stopwatchWindow->isVisible());
    };
    EXPECT_TRUE(Ends([&] {
        switch (s.way) {
        case Way::Button: mainWindow->onSurrenderClicked(); break;
        case Way::Menu: mainWindow->surrenderIfConfirmed(); break;  // what 降参(&C) runs
        case Way::Quiz: mainWindow->quizWindow->onSurrenderClicked(); break;
        case Way::Stopwatch: mainWindow->stopwatchWindow->onSurrenderClicked(); break;
        }
    }));
    EXPECT_EQ(fake.pauses, std::vector<int>{3000});
    EXPECT_EQ(screens, QStringList{hint.clearRate + "|" + hint.upperLine + "|" + hint.lowerLine});
    const std::vector<Box> riddleBox{{"This Word Means・・・", RiddleFor(s.course)}};
    EXPECT_EQ(std::vector<Box>(fake.boxes.begin(), fake.boxes.end() - 2), riddle ? riddleBox : std::vector<Box>{});
    EXPECT_EQ(fake.boxes.end()[-2], (Box{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion}));
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ",
                                      MessageKind::Information}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
}

INSTANTIATE_TEST_SUITE_P(WholeGame, Surrenders,
                         ::testing::Values(Surrender{11, Course::Normal, Way::Button}, Surrender{13, Course::Normal, Way::Menu},
                                           Surrender{21, Course::Another, Way::Quiz}, Surrender{31, Course::Another, Way::Stopwatch},
                                           Surrender{41, Course::Normal, Way::Button}, Surrender{43, Course::Another, Way::Button}),
                         [](const ::testing::TestParamInfo<Surrender>& info) {
                             return "Stage" + std::to_string(info.param.stage) + (info.param.course == Course::Another ? "Another" : "Normal");
                         });
