// The quiz file: which lines are questions, which line a number draws, and the file we ship.
#include "modules/Module4.h"
#include "runtime/TextFile.h"

#include "GameTest.h"

#include <QFile>

struct LineRule {
    const char* line;
    bool valid;
};

void PrintTo(const LineRule& r, std::ostream* os) { *os << '"' << r.line << '"'; }

class QuizLines : public ::testing::TestWithParam<LineRule> {};

TEST_P(QuizLines, OnlyLinesWithACommaThatAreNoCommentsCount)
{
    EXPECT_EQ(IsQuizLine(QString::fromUtf8(GetParam().line)), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(QuizFile, QuizLines,
                         ::testing::Values(LineRule{"q,a", true}, LineRule{"", false}, LineRule{"no comma", false},
                                           LineRule{"#q,a", false}, LineRule{" #q,a", true}, LineRule{",answer", true},
                                           LineRule{"question,", true}, LineRule{",", true}, LineRule{"q、a", false},
                                           LineRule{"q，a", false}, LineRule{"a,b,c", true}));

class QuizDrawTest : public GameTest {
protected:
    QuizDraw Draw(int target) { return DrawQuizLine(Path("NP2.DAT"), target); }
};

TEST_F(QuizDrawTest, TheTargetWrapsRoundTheValidLines)
{
    WriteQuiz("# head\nfirst,1\n\nno comma\nsecond,2\n#x,y\nthird,3");
    const char* expected[] = {"first,1", "second,2", "third,3"};
    for (int target = 1; target <= 99; ++target) {
        const QuizDraw d = Draw(target);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.line, expected[(target - 1) % 3]) << target;
        EXPECT_EQ(d.reads, target <= 3 ? 1 : 2) << target;
    }
    QString many;
    for (int i = 1; i <= 150; ++i)
        many += QString("q%1,a%1\n").arg(i);
    WriteQuiz(many.trimmed());
    EXPECT_EQ(Draw(99).line, "q99,a99");
    EXPECT_EQ(Draw(99).reads, 1);  // a long file is read once
}

TEST_F(QuizDrawTest, AFileWithoutQuestionsOrUnreadableGivesNoLine)
{
    WriteQuiz("# only comments\n\nand a line without comma");
    EXPECT_FALSE(Draw(1).ok);
    WriteFile("NP2.DAT", "");
    EXPECT_FALSE(Draw(7).ok);
    QFile::remove(Path("NP2.DAT"));
    EXPECT_FALSE(Draw(1).ok);
}

TEST_F(QuizDrawTest, PickSplitsAtTheFirstCommaAndTrimsNothing)
{
    struct Case {
        const char* line;
        const char* question;
        const char* answer;
    };
    for (const Case& c : {Case{"a,b,c", "a", "b,c"}, Case{"問題, 答え", "問題", " 答え"}, Case{",空の問題", "", "空の問題"},
                          Case{"空の答え,", "空の答え", ""}, Case{" #q ,a ", " #q ", "a "}}) {
        WriteQuiz(c.line);
        StartRun();
        G.Stage = 21;
        Form6->Command2_Click();
        EXPECT_EQ(G.QuizLine, c.line);
        EXPECT_EQ(G.QuizQuestion, c.question);
        EXPECT_EQ(G.QuizAnswer, c.answer);
        EXPECT_EQ(Form6->Label1.Caption(), c.question);
        rt::ResetForms();
    }
}

TEST_F(QuizDrawTest, TheTargetIsOneToNinetyNineAndNeverZero)
{
    QString lines;
    for (int i = 1; i <= 100; ++i)
        lines += QString("q%1,a%1\n").arg(i);
    WriteQuiz(lines.trimmed());
    StartRun();
    for (const auto& [draws, line] : {std::pair<std::deque<float>, QString>{{0.001f, 0.0f, 0.5f}, "q50,a50"}, {{0.999f}, "q99,a99"}}) {
        fake.rnds = draws;  // 0 is drawn again
        Form6->Command2_Click();
        EXPECT_EQ(G.QuizLine, line);
        rt::ResetForms();
    }
}

// The quiz file we ship, through the game's own reader.
TEST(ShippedQuiz, EveryLineIsAFairQuestion)
{
    QFile f(QStringLiteral(NP2_SOURCE_DIR "/data/NP2.DAT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("#"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));  // CR LF everywhere
    const QString text = rt::DecodeCp932(bytes.toStdString());
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));  // it is CP932 throughout
    int questions = 0;
    QStringList seen;
    for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        ASSERT_TRUE(IsQuizLine(line)) << line.toStdString();
        ++questions;
        const QString question = line.section(',', 0, 0);
        const QString answer = line.section(',', 1);
        EXPECT_FALSE(question.isEmpty()) << line.toStdString();
        EXPECT_FALSE(answer.isEmpty()) << line.toStdString();
        EXPECT_EQ(answer, answer.trimmed()) << line.toStdString();
        EXPECT_EQ(question, question.trimmed()) << line.toStdString();
        EXPECT_FALSE(answer.contains(',')) << line.toStdString();
        EXPECT_FALSE(answer.contains(QChar(0x3000))) << line.toStdString();
        // the prompt's input rules: no half-width katakana, no full-width letters or digits
        for (QChar c : answer) {
            EXPECT_FALSE(c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F) << line.toStdString();
            EXPECT_FALSE(c.unicode() >= 0xFF10 && c.unicode() <= 0xFF5A) << line.toStdString();
        }
        EXPECT_TRUE(rt::ValidCp932(answer));
        EXPECT_FALSE(seen.contains(question)) << line.toStdString();
        seen << question;
    }
    EXPECT_GE(questions, 30);

    // every question can be drawn, and the drawn line is the one in the file
    for (int target = 1; target <= questions; ++target) {
        const QuizDraw d = DrawQuizLine(f.fileName(), target);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.line.section(',', 0, 0), seen[target - 1]);
    }
}
