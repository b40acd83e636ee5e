// The surrender with its hint table, and the stage advances.
#include "modules/Module2.h"

#include "GameTest.h"

namespace {

// What the main window shows while the surrender screen pauses.
struct Screen {
    QString caption;
    QString label1;
    QString label2;
    bool label2Visible = false;
    bool operator==(const Screen& o) const
    {
        return caption == o.caption && label1 == o.label1 && label2 == o.label2 && label2Visible == o.label2Visible;
    }
};

std::ostream& operator<<(std::ostream& os, const Screen& s)
{
    return os << s.caption.toStdString() << " | " << s.label1.toStdString() << " | " << s.label2.toStdString()
              << (s.label2Visible ? "" : " (hidden)");
}

struct HintRow {
    int stage;
    const char* course;
    const char* caption;
    const char* label1;
    const char* label2;  // "" when Label2 keeps what it had
};

void PrintTo(const HintRow& r, std::ostream* os) { *os << "stage " << r.stage << " " << r.course; }

class SurrenderTest : public GameTest {
protected:
    void AtStage(int stage, const char* course)
    {
        StartRun();
        G.Stage = static_cast<std::int16_t>(stage);
        G.Course = course;
        Form1->Label2.SetCaption("earlier text");
        Form1->Label2.SetVisible(false);
        fake.boxes.clear();
        fake.sleeps.clear();
        fake.onSleep = [this](int) {
            screens.push_back({Form1->Caption(), Form1->Label1.Caption(), Form1->Label2.Caption(), Form1->Label2.Visible()});
            EXPECT_EQ(Form1->Label1.ForeColor(), vbCyan);
            EXPECT_TRUE(Form1->Label1.Visible());
            EXPECT_TRUE(Form1->Visible());
            EXPECT_FALSE(Form1->Enabled());
        };
    }
    std::vector<Screen> screens;
};

class HintTable : public SurrenderTest, public ::testing::WithParamInterface<HintRow> {};

}  // namespace

TEST_P(HintTable, ShowsTheStagesHintForThreeSecondsThenCountsAndEnds)
{
    const HintRow& r = GetParam();
    AtStage(r.stage, r.course);
    fake.answers = {rt::vbYes};
    EXPECT_TRUE(Ends(Surrender));
    const bool own2 = std::string(r.label2) != "";
    ASSERT_EQ(screens.size(), 1u);
    EXPECT_EQ(screens[0], (Screen{r.caption, r.label1, own2 ? r.label2 : "earlier text", own2}));
    EXPECT_EQ(fake.sleeps, std::vector<int>{3000});
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"降参？", "本当に降参しちゃうの？", 292},
                                            {"仕方ないなぁ", "ただいまの降参回数は 1 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ", 64}}));
    EXPECT_TRUE(G.Surrendered);
    EXPECT_EQ(G.SurrenderCount, 1);
    EXPECT_FALSE(Form1.IsLoaded());
    std::string expected = DefaultRecordFile();
    expected.replace(expected.find("Kaisu = 0"), 9, "Kaisu=1");
    EXPECT_EQ(ReadFile("NP2.INI"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Surrender, HintTable,
    ::testing::Values(HintRow{10, "NORMAL", "ｸﾘｱ度 0%", "とりあえずクリックできるところは", "クリックしてみるべし"},
                      HintRow{11, "NORMAL", "ｸﾘｱ度 0%", "二つの終了ボタンの関係は・・・？", ""},
                      HintRow{12, "NORMAL", "ｸﾘｱ度 10%", "問題１ボタンが消えないように・・・", ""},
                      HintRow{13, "NORMAL", "ｸﾘｱ度 15%", "問題１ボタンが押せるように", "なるためには、運も・・・"},
                      HintRow{15, "NORMAL", "ｸﾘｱ度 20%", "こればっかりは自力で", "やってくださいな(汗)"},
                      HintRow{20, "NORMAL", "ｸﾘｱ度 20%", "問題２ボタンを押せ", ""},
                      HintRow{21, "NORMAL", "ｸﾘｱ度 ??%", "簡単な問題もあるよ", ""},
                      HintRow{30, "NORMAL", "ｸﾘｱ度 ??%", "問題３ボタンを押せ", ""},
                      HintRow{31, "NORMAL", "ｸﾘｱ度 ??%", "コツはなし。気合のみ", ""},
                      HintRow{31, "ANOTHER", "ｸﾘｱ度 ??%", "一生懸命狙っても無駄かも？", ""},
                      HintRow{40, "NORMAL", "ｸﾘｱ度 ??%", "ヒントは見つけましたか？", ""},
                      HintRow{41, "NORMAL", "ｸﾘｱ度 ??%", "逆から読むと・・・", ""},
                      HintRow{41, "ANOTHER", "ｸﾘｱ度 ??%", "NORMAL＋αが必要だ", ""},
                      HintRow{42, "ANOTHER", "ｸﾘｱ度 ??%", "押すキーが違うぞ", ""},
                      HintRow{43, "ANOTHER", "ｸﾘｱ度 ??%", "ｽｲｯﾁ押すだけなんですが", ""},
                      HintRow{44, "NORMAL", "ｸﾘｱ度 ??%", "終了押すだけなんですが", ""}));

TEST_F(SurrenderTest, DeclinedChangesNothing)
{
    AtStage(12, "NORMAL");
    Form1->Command2.SetEnabled(true);
    EXPECT_FALSE(Ends(Surrender));  // No is the default answer
    EXPECT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(G.SurrenderCount, 0);
    EXPECT_FALSE(G.Surrendered);
    EXPECT_TRUE(Form1->Enabled());
    EXPECT_TRUE(Form1->Command2.Visible());
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
    EXPECT_EQ(ReadFile("NP2.INI"), DefaultRecordFile());
}

TEST_F(SurrenderTest, AStageWithoutARowGoesStraightToTheCount)
{
    AtStage(14, "NORMAL");
    fake.answers = {rt::vbYes};
    bool checked = false;
    fake.onBox = [&](const Box& box) {
        if (box.style != 64)
            return;
        checked = true;  // the count box: the window as the player sees it behind the box
        EXPECT_EQ(Form1->BackColor(), 0x808000u);
        EXPECT_EQ(Form1->Caption(), "ぬるぴか");
        EXPECT_FALSE(Form1->Enabled());
        EXPECT_FALSE(Form1->Command1[0].Visible());
        EXPECT_FALSE(Form1->Command2.Visible());
    };
    EXPECT_TRUE(Ends(Surrender));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(screens.empty());
    EXPECT_TRUE(fake.sleeps.empty());
    EXPECT_EQ(fake.boxes.size(), 2u);
}

TEST_F(SurrenderTest, ThePuzzleWindowGoesWithItsTimeLimit)
{
    AtStage(21, "NORMAL");
    Form1->Hide();
    Form6->Show();
    Form6->Command2_Click();  // START: the five seconds run
    ASSERT_TRUE(Form6->Timer1.Running());
    fake.answers = {rt::vbYes};
    bool quizHiddenAtPause = false;
    fake.onSleep = [&](int) { quizHiddenAtPause = !Form6->Visible() && Form1->Visible(); };
    EXPECT_TRUE(Ends([] { Form6->Command3_Click(); }));
    EXPECT_TRUE(quizHiddenAtPause);
    EXPECT_FALSE(Form6->Timer1.Running());

    AtStage(31, "ANOTHER");
    Form1->Hide();
    Form7->Show();
    Form7->Command1_Click();
    Form7->Command3.SetEnabled(true);
    ASSERT_TRUE(Form7->Timer1.Running());
    fake.answers = {rt::vbYes};
    EXPECT_TRUE(Ends([] { Form7->Command3_Click(); }));
    EXPECT_FALSE(Form7->Visible());
    EXPECT_FALSE(Form7->Timer1.Running());
}

TEST_F(SurrenderTest, TheCountCarriesOnFromTheRecordFile)
{
    WriteFile("NP2.INI", RecordFile(9, 0, "9999", "9999"));
    AtStage(10, "NORMAL");
    fake.answers = {rt::vbYes};
    EXPECT_TRUE(Ends([] { Form1->Kousan_Click(); }));
    EXPECT_EQ(fake.boxes[1].text, "ただいまの降参回数は 10 回です。\r\n次回は頑張ってね。じゃぁ。ぶちっ");
    EXPECT_NE(ReadFile("NP2.INI").find("Kaisu=10\r\n"), std::string::npos);
}

// ---- stage advances

class StageAdvance : public GameTest {};

TEST_F(StageAdvance, ProblemTwoUnloadsTheNinePanelsAndRelabelsTheProblemButton)
{
    StartRun();
    Form1->Hide();
    Form3->Show();
    forms::Form3* panels = &*Form3;
    rt::Dispatch([&] { panels->Command1_Click(); });  // STOP, from the window's own handler
    EXPECT_EQ(fake.boxes.back(), (Box{"GOOD!", "よろしい。次に行こうか", 64}));
    EXPECT_EQ(G.Stage, 20);
    EXPECT_FALSE(Form3.IsLoaded());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(Form1->BackColor(), RGB(113, 62, 73));
    EXPECT_FALSE(Form1->Command1[0].Visible());
    EXPECT_FALSE(Form1->Command1[1].Visible());
    EXPECT_TRUE(Form1->Command2.Visible());
    EXPECT_TRUE(Form1->Command2.Enabled());
    EXPECT_EQ(Form1->Command3.Caption(), "問題２");
    EXPECT_EQ(Form1->Caption(), "ぬるぴか");
}

TEST_F(StageAdvance, ProblemThreeAndTheLastStage)
{
    StartRun();
    Form6->Show();
    AdvanceToProblem3();
    EXPECT_EQ(G.Stage, 30);
    EXPECT_FALSE(Form6.IsLoaded());
    EXPECT_EQ(Form1->BackColor(), RGB(13, 24, 115));
    EXPECT_EQ(Form1->Command3.Caption(), "問題３");
    EXPECT_FALSE(Form1->Command6.Visible());

    Form7->Show();
    AdvanceToEnd();
    EXPECT_EQ(G.Stage, 40);
    EXPECT_FALSE(Form7.IsLoaded());
    EXPECT_EQ(Form1->BackColor(), RGB(86, 124, 51));
    EXPECT_EQ(Form1->Command3.Caption(), "終了");
    EXPECT_FALSE(Form1->Command3.Enabled());
    EXPECT_TRUE(Form1->Command6.Visible());
    EXPECT_TRUE(Form1->Command6.Enabled());
}
