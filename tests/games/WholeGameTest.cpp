// Whole games from start-up to the end of the process with the fake services: one road
// to the end on each course, a quit, a surrender on each way to one.
#include "GameTest.h"

#include "gui/Label.h"

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
            Window* w = Opened("mainWindow");
            const auto* lower = Find<Label>("mainWindow", "lowerLine");
            if (Text("mainWindow", "upperLine") != "おめでとうございますっ！" && screens.isEmpty())
                return;  // not the ending yet
            screens << QString("%1|%2|%3|%4 %5")
                           .arg(w->windowTitle(), Find("mainWindow", "upperLine")->isVisible() ? Text("mainWindow", "upperLine") : "-", lower->text(),
                                lower->textColor() == kBlue ? "blue" : "cyan")
                           .arg(lower->pointSize());
            PlayerCloses(w);  // the ending runs to its end by itself
        };
        playTo(Stage::kSolved, course, timeAttack);
        fake.now += 60.0f;  // a minute over the last trick
        Click("mainWindow", "problemButton");
        EXPECT_TRUE(fake.ended);
        fake.onPause = nullptr;
        return screens;
    }
};
}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    const QStringList screens = playToTheEnd(Course::Normal, false);
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
    fake.onBox = [this](const Box& box) {  // read for 7 s before the clock starts, a long look at the quiz's "GOOD!"
        fake.now += box.title == "ぬるぴか TIME ATTACK" ? 7.0f : box == kQuizOk ? 53.45f : 0.0f;
    };
    const QStringList screens = playToTheEnd(Course::Another, true);
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です"},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", MessageKind::Warning}, kPanelsOk,
                                            kQuizStart, kQuizOk, {"OK! GoTo Next", "を、良くぞ見破った", MessageKind::Warning}}));
    // 53.45 s at a box, ten seconds of stopwatch, a minute at the end
    EXPECT_EQ(screens, (QStringList{"こんぐらちゅれーしょんず！|おめでとうございますっ！|というか、お疲れ様でした(？)|blue 16",
                                    "おしまいっ♪|-|今回はいかがでしたか？|cyan 16", "おしまいっ♪|-|楽しんでいただけましたか？|cyan 16",
                                    "それでは|-|また次回！（があれば(笑)）|cyan 16", "結果発表|ちなみに降参した回数は|16 回でした|cyan 16",
                                    "結果発表|あなたのレベルは|根性なしのミジンコ|blue 28", "結果発表|クリア所要時間は|123.45 秒|blue 28",
                                    "結果発表|記録更新！|9999 秒 → 123.45 秒|blue 28", "結果発表|-|お・わ・り|blue 28"}));
    EXPECT_EQ(fake.eventRounds, 7);
    EXPECT_FALSE(Opened("mainWindow"));  // the closing close is not refused
    const std::string reset = WithLine(WithLine(RecordFile(0, 0, "50", "9999"), "Kaisu = 0", "Kaisu=0"), "Kaisu = 0", "Kaisu=0");
    EXPECT_EQ(readFile("NP2.INI"), WithLine(reset, "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=123.45"));
}

TEST_F(WholeGame, AQuitAtTheOpeningIsCounted)
{
    playTo(Stage::kOpening);
    Click("mainWindow", "yesButton");
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back(), (Box{"Welcome to ぬるぴか", "あ・・・そう？根性なしねぇ。じゃぁね。"}));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=1"));
}

// A surrender on every way to one: 降参 before the riddle and with it, the menu, the quiz's
// and the stopwatch's own 降参. The screen shows the stage's hint (Stages.Screens).
TEST_F(WholeGame, ASurrenderShowsTheStagesHintForThreeSecondsThenCountsAndEnds)
{
    struct Surrender {
        std::int16_t stage;
        Course course;
        const char* window;
        const char* control;  // a button, or the menu's entry
        const char* screen;   // caption|upper line|lower line
        bool riddle;
    };
    const Surrender surrenders[] = {
        {11, Course::Normal, "mainWindow", "surrenderButton", "ｸﾘｱ度 0%|二つの終了ボタンの関係は・・・？|", false},
        {13, Course::Normal, "mainWindow", "surrenderItem", "ｸﾘｱ度 15%|問題１ボタンが押せるように|なるためには、運も・・・", false},
        {21, Course::Another, "quizWindow", "surrenderButton", "ｸﾘｱ度 ??%|簡単な問題もあるよ|", false},
        {31, Course::Another, "stopwatchWindow", "surrenderButton", "ｸﾘｱ度 ??%|一生懸命狙っても無駄かも？|", false},
        {41, Course::Normal, "mainWindow", "surrenderButton", "ｸﾘｱ度 ??%|逆から読むと・・・|", true},
        {43, Course::Another, "mainWindow", "surrenderButton", "ｸﾘｱ度 ??%|NORMAL＋αが必要だ|", true}};
    for (const Surrender& s : surrenders) {
        SCOPED_TRACE(s.stage);
        fake.onPause = nullptr;
        ResetWindows();
        writeFile("NP2.INI", RecordFile(9));  // the count goes on from the record file
        playTo(s.stage, s.course);
        fake.boxes.clear();
        fake.pauses.clear();
        fake.answers = {Answer::Yes};
        QStringList screens;
        fake.onPause = [&](int) {
            const Window* w = Opened("mainWindow");
            screens << w->windowTitle() + "|" + Text("mainWindow", "upperLine") + "|" +
                           (Find("mainWindow", "lowerLine")->isVisible() ? Text("mainWindow", "lowerLine") : "");
            EXPECT_EQ(Shown("mainWindow", {"exitButton0", "exitButton1", "surrenderButton", "problemButton", "switchButton"}), "00000");
            EXPECT_TRUE(w->isVisible());
            EXPECT_EQ(w->backColor(), kTeal);
            EXPECT_EQ(Find<Label>("mainWindow", "upperLine")->textColor(), kCyan);
            EXPECT_FALSE(w->takesInput());
            EXPECT_EQ(RunningTimerCount(), 0);  // nor any time-out after it
            EXPECT_FALSE(Opened("quizWindow") && Opened("quizWindow")->isVisible());
            EXPECT_FALSE(Opened("stopwatchWindow") && Opened("stopwatchWindow")->isVisible());
        };
        fake.ended = false;
        std::string(s.control) == "surrenderItem" ? Choose(s.window, s.control) : Click(s.window, s.control);
        EXPECT_TRUE(fake.ended);
        EXPECT_EQ(fake.pauses, std::vector<int>{3000});
        EXPECT_EQ(screens, QStringList{s.screen});
        const Box riddle{"This Word Means・・・", s.course == Course::Another ? "＜S+C+A+Left＞ さて、何の暗号だろう？"
                                                                              : "＜Ckilctfel+Tfihs+Tla＞→＜Dne＞ さて、何の暗号だろう？"};
        const Box question{"降参？", "本当に降参しちゃうの？", MessageKind::YesNoQuestion};
        EXPECT_EQ(fake.boxes.size(), s.riddle ? 3u : 2u);
        EXPECT_EQ(fake.boxes.front(), s.riddle ? riddle : question);
        EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", MessageKind::Information}));
        EXPECT_FALSE(Opened("mainWindow"));
        EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(9), "Kaisu = 9", "Kaisu=10"));
    }
}
