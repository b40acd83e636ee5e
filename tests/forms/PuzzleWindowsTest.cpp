// The three puzzle windows and the two cards, beyond the straight road through them.
#include "GameTest.h"

#include <QFile>
#include <QTest>

#include <stdexcept>

class PuzzleWindows : public GameTest {
protected:
    // The puzzle window of the stage, as its card or the problem button opens it.
    void Open(int stage, const char* course)
    {
        StartRun();
        G.Course = course;
        G.Stage = static_cast<std::int16_t>(stage);
        Form1->Hide();
        Form& window = stage == 15 ? static_cast<Form&>(*Form3) : stage == 21 ? static_cast<Form&>(*Form6) : *Form7;
        window.Show();
        fake.boxes.clear();
        fake.sleeps.clear();
    }
};

// ---- nine panels

TEST_F(PuzzleWindows, ARedGridBeforeStartStillCountsAndStopStopsTheLimitFirst)
{
    Open(15, "NORMAL");
    for (int n : {1, 3, 7, 9, 5})  // all red
        Form3->PanelClick(n);
    G.Course = "ANOTHER";  // read when START is pressed
    Form3->Command2_Click();
    EXPECT_EQ(Form3->Timer1.Interval(), 10000);
    EXPECT_TRUE(Form3->Command1.Enabled());  // the scramble leaves STOP as it was
    fake.onBox = [&](const Box&) { EXPECT_FALSE(Form3->Timer1.Running()); };
    forms::Form3* window = &*Form3;
    rt::Dispatch([&] { window->Command1_Click(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"GOOD!", "よろしい。次に行こうか", 64}}));
    EXPECT_EQ(G.Stage, 20);
    EXPECT_FALSE(Form3.IsLoaded());
}

TEST_F(PuzzleWindows, NinePanelTimeOutSendsThePlayerBackWithTheStageUnchanged)
{
    Open(15, "NORMAL");
    Form3->Command2_Click();
    EXPECT_EQ(Form3->Timer1.Interval(), 20000);
    fake.onBox = [&](const Box&) { EXPECT_TRUE(Form3->Command2.Enabled() && !Form3->Timer1.Running()); };
    forms::Form3* window = &*Form3;
    rt::Dispatch([&] { window->Timer1_Timer(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "もう一度やりなおしじゃ", 48}}));
    EXPECT_FALSE(Form3.IsLoaded());
    EXPECT_TRUE(Form1->Visible());
    EXPECT_EQ(G.Stage, 15);
    Form3->Show();  // the next opening starts from scratch
    EXPECT_EQ(Form3->Panel(1).BackColor(), vbBlue);
    EXPECT_TRUE(Form3->Command2.Enabled() && !Form3->Command1.Enabled());
    Form3->window()->close();  // the player's close request is ignored
    EXPECT_TRUE(Form3.IsLoaded());
}

// ---- the cards

TEST_F(PuzzleWindows, ACardTakesNoInputThenShowsItsPuzzleBeforeTheCoursesMessage)
{
    StartRun();
    Form1->Command3_Click();
    EXPECT_EQ(Form4->Timer1.Interval(), 5000);
    QTest::mouseClick(Form4->client(), Qt::LeftButton);
    QTest::keyClick(Form4->window(), Qt::Key_Return);
    Form4->window()->close();
    EXPECT_TRUE(Form4->Timer1.Running());
    G.Course = "ANOTHER";  // read when the card closes
    fake.boxes.clear();
    fake.onBox = [&](const Box&) { EXPECT_TRUE(!Form4.IsLoaded() && Form3->Visible()); };
    rt::Dispatch([&] { Form4->Timer1_Timer(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"PUSH START", "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間10秒）", 48}}));
}

// ---- the quiz

TEST_F(PuzzleWindows, AWrongAnswerOrATimeOutOrAFailureBringsTheQuizBackFresh)
{
    const char* prompt = "制限時間無制限です\r\n 注）漢字で書くべきところは漢字で\r\n \u3000  カタカナは全角で\r\n \u3000  英数字は半角で";
    WriteQuiz("日本の首都は？,東京");
    for (const char* typed : {"とうきょう", "東京 ", "ﾄｳｷｮｳ", "", "timeout", "failure"}) {
        rt::ResetForms();
        Open(21, "NORMAL");
        Form6->Command2_Click();
        EXPECT_EQ(Form6->window()->focusWidget(), Form6->Command1.widget());
        EXPECT_EQ(Form6->Timer1.Interval(), 5000);
        fake.onInput = [&](const QString& p) -> QString {
            EXPECT_FALSE(Form6->Timer1.Running());  // no time limit while typing
            EXPECT_EQ(p, prompt);
            if (std::string(typed) == "failure")
                throw std::runtime_error("the input failed");
            return typed;
        };
        forms::Form6* quiz = &*Form6;
        rt::Dispatch([&] { std::string(typed) == "timeout" ? quiz->Timer1_Timer() : quiz->Command1_Click(); });
        const Box expected = std::string(typed) == "timeout"   ? Box{"時間切れ", "再度チャレンジしてくれ給え", 48}
                             : std::string(typed) == "failure" ? Box{"so bad!", "その回答は認識できません", 64}
                                                               : Box{"Wrong!", "答えが違います。次は頑張ってね", 48};
        EXPECT_EQ(fake.boxes, std::vector<Box>(1, expected)) << typed;
        ASSERT_TRUE(Form6.IsLoaded());
        EXPECT_NE(&*Form6, quiz);
        EXPECT_TRUE(Form6->Visible() && Form6->Command2.Visible() && !Form6->Command1.Visible());
        EXPECT_EQ(Form6->Label1.Caption(), "");
        EXPECT_FALSE(Form6->Timer1.Running());
        EXPECT_EQ(G.Stage, 21);
    }
}

TEST_F(PuzzleWindows, AnEmptyAnswerIsRightWhenTheLineEndsAtItsComma)
{
    WriteQuiz("答えのない問題,");
    Open(21, "NORMAL");
    Form6->Command2_Click();
    forms::Form6* quiz = &*Form6;
    rt::Dispatch([&] { quiz->Command1_Click(); });  // the input box is cancelled
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"GOOD!", "ＯＫ。次へ進め", 64}}));
    EXPECT_EQ(G.Stage, 30);
}

TEST_F(PuzzleWindows, AQuizFileWithoutQuestionsOrGoneEndsTheGame)
{
    WriteQuiz("# only a comment\n\nno comma here");
    Open(21, "NORMAL");
    EXPECT_TRUE(Ends([] { Form6->Command2_Click(); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"Read ERROR", "【np.dat】に問題があります。処理を終了します", 16}}));
    QFile::remove(Path("NP2.DAT"));
    rt::ResetForms();
    Form6->Show();
    fake.boxes.clear();
    EXPECT_TRUE(Ends([] { Form6->Command2_Click(); }));
    EXPECT_EQ(fake.boxes[0].title, ".DAT Don't Exist");
}

// ---- the stopwatch

struct Stop {
    const char* course;
    float seconds;  // raw clock difference
    Color colour;
    const char* caption;
    bool passed;
};

void PrintTo(const Stop& s, std::ostream* os) { *os << s.course << " " << s.seconds; }

class Verdicts : public PuzzleWindows, public ::testing::WithParamInterface<Stop> {};

TEST_P(Verdicts, BoundsIncludedAtTheRoundedPrecision)
{
    const Stop& s = GetParam();
    Open(31, s.course);
    fake.now = 100.0f;  // fine clock precision for exact raw times
    Form7->Command1_Click();
    EXPECT_EQ(Form7->window()->focusWidget(), Form7->Command2.widget());
    EXPECT_FALSE(Form7->Command3.Enabled());
    fake.now = 100.0f + s.seconds;
    fake.onSleep = [&](int) { EXPECT_TRUE(Form7->Label3.Visible() && Form7->Label3.Caption() == s.caption); };
    Form7->Command2_Click();
    EXPECT_EQ(fake.sleeps, std::vector<int>{500});
    EXPECT_EQ(Form7->Label3.ForeColor(), s.colour);
    EXPECT_EQ(Form7->Label3.Caption(), s.caption);
    EXPECT_FALSE(Form7->Timer1.Running());
    EXPECT_EQ(Form7->Command4.Visible(), s.passed);
    EXPECT_EQ(Form7->Command1.Visible() && Form7->Command1.Enabled(), !s.passed);
    EXPECT_EQ(Form7->Command3.Enabled(), !s.passed);
    EXPECT_TRUE(!s.passed || Form7->window()->focusWidget() == Form7->Command4.widget());
}

INSTANTIATE_TEST_SUITE_P(
    Stopwatch, Verdicts,
    ::testing::Values(Stop{"NORMAL", 2.79f, vbBlue, "2.79 秒", false}, Stop{"NORMAL", 2.80f, vbMagenta, "2.8 秒", true},
                      Stop{"NORMAL", 3.00f, vbMagenta, "3 秒", true}, Stop{"NORMAL", 3.01f, vbRed, "3.01 秒", false},
                      Stop{"NORMAL", 3.004f, vbMagenta, "3 秒", true}, Stop{"NORMAL", 2.796f, vbMagenta, "2.8 秒", true},
                      Stop{"ANOTHER", 2.85f, vbBlue, "2.85 秒", false}, Stop{"ANOTHER", 2.90f, vbMagenta, "2.9 秒", true},
                      Stop{"odd", 2.80f, vbMagenta, "2.8 秒", true}));

TEST_F(PuzzleWindows, GoOnAnotherOnlyPutsTheStopwatchBack)
{
    Open(31, "ANOTHER");
    EXPECT_EQ(Form7->Label1.Caption(), "STARTボタンを押してから 2.90秒～3.00秒");
    Form7->Command1_Click();
    fake.now += 2.95f;
    Form7->Command2_Click();
    fake.sleeps.clear();
    Form7->Command4_Click();
    EXPECT_EQ(fake.sleeps, std::vector<int>{500});
    EXPECT_EQ(G.Stage, 31);
    EXPECT_TRUE(Form7->Command1.Visible() && Form7->Command1.Enabled() && Form7->Command2.Visible());
    EXPECT_FALSE(Form7->Command2.Enabled() || Form7->Command4.Visible() || Form7->Command3.Enabled());
    EXPECT_TRUE(Form7->Label3.Visible());
    EXPECT_EQ(Form7->window()->focusWidget(), Form7->Command1.widget());
}

TEST_F(PuzzleWindows, StopwatchTimeOutIsATryAgainOnNormalAndTheWayThroughOnAnother)
{
    Open(31, "NORMAL");
    Form7->Command1_Click();
    Form7->Timer1_Timer();
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"時間切れ", "10秒もたってしまいました", 48}}));
    EXPECT_TRUE(Form7->Command1.Enabled() && Form7->Command3.Enabled());
    EXPECT_FALSE(Form7->Timer1.Running() || Form7->Command2.Enabled() || Form7->Label3.Visible());

    rt::ResetForms();
    Open(31, "ANOTHER");
    Form7->Command1_Click();
    forms::Form7* watch = &*Form7;
    fake.onBox = [&](const Box&) { EXPECT_FALSE(watch->Timer1.Running()); };  // no second advance under the box
    rt::Dispatch([&] { watch->Timer1_Timer(); });
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"OK! GoTo Next", "を、良くぞ見破った", 48}}));
    EXPECT_EQ(G.Stage, 40);
    EXPECT_FALSE(Form7.IsLoaded());
}

TEST_F(PuzzleWindows, AStopwatchRunAcrossMidnightIsMeasuredAsItsRealLength)
{
    Open(31, "NORMAL");
    fake.now = 86399.0f;
    Form7->Command1_Click();
    fake.now = 1.9f;
    Form7->Command2_Click();
    EXPECT_EQ(Form7->Label3.Caption(), "2.9 秒");
    EXPECT_TRUE(Form7->Command4.Visible());
}
