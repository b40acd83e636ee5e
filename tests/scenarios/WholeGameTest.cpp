// Whole games from start-up to the end of the process, played through the windows'
// handlers with the fake services.
#include "GameTest.h"

namespace {

const Box kWelcome1{"Welcome to ぬるぴか", "『ぬるぴか』の世界へようこそ\r\nさてさて、今回は何が待ち受けているのか", 0};
const Box kWelcome2{"Welcome to ぬるぴか", "乞うご期待！", 0};
const Box kQuestionOk{"GOOD!", "ＯＫ。次へ進め", 64};
const Box kPanelsOk{"GOOD!", "よろしい。次に行こうか", 64};
const Box kQuizStart{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始", 48};
const Box kAskSurrender{"降参？", "本当に降参しちゃうの？", 292};

class WholeGame : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        WriteQuiz("# クイズ\n日本の首都は？,東京\n1+1は？,2");
        fake.onSleep = [this](int) { captions.push_back(Form1.IsLoaded() ? Form1->Caption() : "(none)"); };
    }

    // Each step plays on from where the last one left off.
    void Title(const std::vector<int>& keys = {})
    {
        Main();
        for (int k : keys)
            Form0->Form_KeyUp(k, 0);
        forms::Form0* title = &*Form0;
        rt::Dispatch([&] { title->Timer1_Timer(); });
    }
    void Opening() { Form1->Command5_Click(); }
    void ExitButtonsToLock()
    {
        for (int i : {0, 0, 0, 1, 1})  // 6 and 6
            Form1->Command1_Click(i);
        ASSERT_EQ(G.Stage, 12);
        Form1->Lock_Click();
    }
    void ExitButtonsMeet()
    {
        fake.ScriptDigits("1000" "2000" "1100" "2500");
        Form1->Command1_Click(0);
        ASSERT_TRUE(Form1->Attack.Visible());
        Form1->Attack_Click();
    }
    void OpenNinePanels()
    {
        Form1->Command3_Click();
        forms::Form4* card = &*Form4;
        rt::Dispatch([&] { card->Timer1_Timer(); });
    }
    void SolveNinePanels()
    {
        fake.ScriptDigits("000000000");
        Form3->Command2_Click();
        for (int n : {1, 3, 7, 9, 5})
            Form3->PanelClick(n);
        forms::Form3* panels = &*Form3;
        rt::Dispatch([&] { panels->Command1_Click(); });
        ASSERT_EQ(G.Stage, 20);
    }
    void OpenQuiz()
    {
        Form1->Command3_Click();
        forms::Form5* card = &*Form5;
        rt::Dispatch([&] { card->Timer1_Timer(); });
    }
    void StartQuiz()
    {
        fake.rnds = {0.015f};  // draws the first question
        Form6->Command2_Click();
    }
    void AnswerQuiz()
    {
        fake.inputs = {"東京"};
        forms::Form6* quiz = &*Form6;
        rt::Dispatch([&] { quiz->Command1_Click(); });
        ASSERT_EQ(G.Stage, 30);
    }
    void OpenStopwatch() { Form1->Command3_Click(); }
    void SolveStopwatch()
    {
        forms::Form7* watch = &*Form7;
        Form7->Command1_Click();
        if (G.Course == "ANOTHER") {
            fake.now += 10.0f;  // ten seconds without STOP
            rt::Dispatch([&] { watch->Timer1_Timer(); });
        } else {
            fake.now += 2.9f;
            Form7->Command2_Click();
            rt::Dispatch([&] { watch->Command4_Click(); });
        }
        ASSERT_EQ(G.Stage, 40);
    }
    void LastTrick()
    {
        if (G.Course == "ANOTHER") {
            Form1->Form_MouseDown(vbLeftButton, vbShiftMask | vbCtrlMask | vbAltMask, 100, 100);
            Form1->Command6_MouseDown(vbLeftButton, 0, 10, 10);
        } else {
            Form1->Command6_MouseDown(vbLeftButton, vbShiftMask | vbAltMask, 10, 10);
        }
        ASSERT_EQ(G.Stage, 44);
    }
    bool FinalPress()
    {
        return Ends([] { Form1->Command3_Click(); });
    }
    void PlayToTheEnd()
    {
        Opening();
        ExitButtonsToLock();
        ExitButtonsMeet();
        OpenNinePanels();
        SolveNinePanels();
        OpenQuiz();
        StartQuiz();
        AnswerQuiz();
        OpenStopwatch();
        SolveStopwatch();
        LastTrick();
        fake.now += 60.0f;  // the player takes a minute over the last stage
        EXPECT_TRUE(FinalPress());
    }

    std::vector<QString> captions;  // the main window's caption at every pause
};

std::string WithLine(std::string file, const std::string& from, const std::string& to)
{
    file.replace(file.find(from), from.size(), to);
    return file;
}

}  // namespace

TEST_F(WholeGame, NormalWithoutTimeAttack)
{
    Title();
    PlayToTheEnd();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2,
                                            {"Welcome to ぬるぴか", "そうこなくっちゃね。お一人様ごあんな～い", 0},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）", 48}, kPanelsOk,
                                            kQuizStart, kQuestionOk}));
    EXPECT_EQ(captions, (std::vector<QString>{"ぬるぴか ２", "ぬるぴか", "こんぐらちゅれーしょんず！", "おしまいっ♪",
                                              "おしまいっ♪", "それでは", "結果発表", "結果発表", "結果発表"}));
    EXPECT_EQ(fake.sleeps, (std::vector<int>{1000, 500, 3000, 3000, 3000, 3000, 3000, 3000, 3000}));
    EXPECT_EQ(ReadFile("NP2.INI"), WithLine(WithLine(DefaultRecordFile(), "Kaisu = 0", "Kaisu=0"), "Kaisu = 0", "Kaisu=0"));
}

TEST_F(WholeGame, AnotherWithTimeAttackSetsANewBestTime)
{
    std::vector<QString> results;
    fake.onSleep = [&](int) {
        if (Form1->Label2.FontSize() == 28)
            results.push_back(Form1->Label2.Caption());
    };
    Title({40, 40, 37, 37});
    EXPECT_EQ(G.Course, "ANOTHER");
    EXPECT_TRUE(G.TimeAttack);
    EXPECT_EQ(Form1->Label5.Caption(), "BEST TIME 9999 秒");
    PlayToTheEnd();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{kWelcome1, kWelcome2, {"ぬるぴか TIME ATTACK", "これを押したらタイムアタック開始です", 0},
                                            {"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", 48}, kPanelsOk,
                                            kQuizStart, kQuestionOk, {"OK! GoTo Next", "を、良くぞ見破った", 48}}));
    // the run: 1 s pause before the clock, then ten seconds of stopwatch, then the minute
    EXPECT_EQ(results, (std::vector<QString>{"神", "70 秒", "9999 秒 → 70 秒", "お・わ・り"}));
    EXPECT_EQ(ReadFile("NP2.INI"),
              WithLine(WithLine(WithLine(DefaultRecordFile(), "Kaisu = 0", "Kaisu=0"), "Kaisu = 0", "Kaisu=0"),
                       "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=70"));
}

TEST_F(WholeGame, EarlierQuitsAndSurrendersMakeTheLevelWordThenGoBackToZero)
{
    WriteFile("NP2.INI", RecordFile(5, 2, "9999", "9999"));
    QString level;
    fake.onSleep = [&](int) {
        if (Form1->Label1.Visible() && Form1->Label1.Caption() == "あなたのレベルは")
            level = Form1->Label2.Caption();
    };
    Title();
    PlayToTheEnd();
    EXPECT_EQ(level, "臆病者な一般人");
    EXPECT_EQ(ReadFile("NP2.INI"),
              WithLine(WithLine(RecordFile(5, 2, "9999", "9999"), "Kaisu = 5", "Kaisu=0"), "Kaisu = 2", "Kaisu=0"));
}

TEST_F(WholeGame, QuittingAtTheOpeningCountsAcrossStarts)
{
    for (int start = 1; start <= 3; ++start) {
        G = GameState{};
        rt::ResetForms();
        Title();
        EXPECT_TRUE(Ends([] { Form1->Command4_Click(); }));
        EXPECT_EQ(G.QuitCount, start);
    }
    EXPECT_EQ(ReadFile("NP2.INI"), WithLine(DefaultRecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=3"));
}

// ---- a surrender at every stage the player can reach, one run each

struct SurrenderAt {
    int stage;
    const char* course;
    const char* rate;
    const char* hints;  // Label1, and Label2 after a "/" when the row sets it
};

void PrintTo(const SurrenderAt& s, std::ostream* os) { *os << "stage " << s.stage << " " << s.course; }

class SurrenderEverywhere : public WholeGame, public ::testing::WithParamInterface<SurrenderAt> {};

TEST_P(SurrenderEverywhere, ShowsTheHintCountsAndEnds)
{
    const SurrenderAt& s = GetParam();
    const bool another = std::string(s.course) == "ANOTHER";
    Title(another ? std::vector<int>{40, 40} : std::vector<int>{});
    Opening();
    std::function<void()> surrender = [] { Form1->Command2_Click(); };
    Form1->Command1_Click(1);  // sum 3: the surrender button is offered
    if (s.stage > 11) {
        for (int i : {1, 0, 0, 0})  // 6 and 6
            Form1->Command1_Click(i);
    }
    if (s.stage > 12) {
        Form1->Lock_Click();
        surrender = [] { Form1->Kousan_Click(); };
    }
    if (s.stage > 13) {
        ExitButtonsMeet();
        OpenNinePanels();
        if (s.stage == 15) {  // the time runs out and the player is back on the main window
            fake.now += 20.0f;
            forms::Form3* panels = &*Form3;
            rt::Dispatch([&] { panels->Timer1_Timer(); });
        } else {
            SolveNinePanels();
        }
    }
    if (s.stage > 20) {
        OpenQuiz();
        StartQuiz();
        surrender = [] { Form6->Command3_Click(); };
    }
    if (s.stage > 21)
        AnswerQuiz();
    if (s.stage > 30) {
        OpenStopwatch();
        surrender = [] { Form7->Command3_Click(); };
    }
    if (s.stage > 31) {
        SolveStopwatch();
        surrender = [] { Form1->Kousan_Click(); };
    }
    if (s.stage == 41)
        surrender = [] { Form1->Command2_Click(); };  // the riddle first
    if (s.stage == 42) {
        Form1->Command2_Click();  // the riddle, and the surrender declined
        Form1->Command6_MouseDown(vbLeftButton, 0, 0, 0);
    }
    if (s.stage == 43)
        Form1->Form_MouseDown(vbLeftButton, vbShiftMask | vbCtrlMask | vbAltMask, 0, 0);
    if (s.stage == 44)
        LastTrick();
    ASSERT_EQ(G.Stage, s.stage == 41 ? 40 : s.stage);

    captions.clear();
    fake.onSleep = [&](int) {
        captions.push_back(Form1->Caption());
        const QString hints = Form1->Label1.Caption() + (Form1->Label2.Visible() ? "/" + Form1->Label2.Caption() : "");
        EXPECT_EQ(hints, s.hints);
        EXPECT_EQ(Form1->Label1.ForeColor(), vbCyan);
        EXPECT_TRUE(Form1->Visible() && !Form1->Enabled());
        EXPECT_FALSE((Form6.IsLoaded() && Form6->Visible()) || (Form7.IsLoaded() && Form7->Visible()));
        EXPECT_FALSE((Form6.IsLoaded() && Form6->Timer1.Running()) || (Form7.IsLoaded() && Form7->Timer1.Running()));
    };
    fake.boxes.clear();
    fake.answers = {rt::vbYes};
    EXPECT_TRUE(Ends(surrender));
    EXPECT_EQ(captions, std::vector<QString>{s.rate});
    EXPECT_EQ(fake.boxes.back(), (Box{"仕方ないなぁ", "ただいまの降参回数は 1 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", 64}));
    EXPECT_EQ(ReadFile("NP2.INI"), WithLine(DefaultRecordFile(), "[Kousan]\r\nKaisu = 0", "[Kousan]\r\nKaisu=1"));
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
