// The quiz file: which lines are questions, which line a target draws, and the file we ship.
#include "rules/Quiz.h"
#include "runtime/TextFile.h"

#include "FolderTest.h"
#include "FakeServices.h"

#include <QFile>
#include <QRegularExpression>

TEST(QuizLines, OnlyLinesWithACommaThatAreNoCommentsCountAndTheySplitAtTheFirstCommaWithNothingTrimmed)
{
    for (const char* line : {"q,a", " #q,a", ",answer", "question,", ",", "a,b,c"})
        EXPECT_TRUE(IsQuizLine(QString::fromUtf8(line))) << line;
    for (const char* line : {"", "no comma", "#q,a", "q、a", "q，a"})
        EXPECT_FALSE(IsQuizLine(QString::fromUtf8(line))) << line;
    const char* rows[][3] = {{"a,b,c", "a", "b,c"}, {"問題, 答え", "問題", " 答え"}, {",空の問題", "", "空の問題"},
                             {"空の答え,", "空の答え", ""}};
    for (const auto& row : rows) {
        const QuizQuestion q = SplitQuizLine(QString::fromUtf8(row[0]));
        EXPECT_EQ(q.question, QString::fromUtf8(row[1])) << row[0];
        EXPECT_EQ(q.answer, QString::fromUtf8(row[2])) << row[0];
    }
}

class QuizDrawTest : public FolderTest {
protected:
    QuizDraw draw(int target) { return DrawQuizLine(path("NP2.DAT"), target); }
};

TEST(QuizTarget, IsOneToNinetyNineAfterAReseedAndZeroIsDrawnAgain)
{
    FakeServices random;
    random.fractions = {0.001f, 0.0f, 0.5f, 0.999f};
    EXPECT_EQ(DrawQuizTarget(random), 50);
    EXPECT_EQ(DrawQuizTarget(random), 99);
    EXPECT_EQ(random.reseeds, 2);
}

TEST_F(QuizDrawTest, TheTargetWrapsRoundTheQuestions)
{
    writeQuiz("# head\nfirst,1\n\nno comma\nsecond,2\n#x,y\nthird,3");
    const char* expected[] = {"first,1", "second,2", "third,3"};
    for (int target = 1; target <= 99; ++target) {
        const QuizDraw d = draw(target);
        EXPECT_EQ(d.line, expected[(target - 1) % 3]) << target;
        EXPECT_EQ(d.reads, target <= 3 ? 1 : 2) << target;  // a second reading only after the end came first
    }
    writeQuiz("# only comments\n\nand a line without comma");
    EXPECT_FALSE(draw(1).ok);
}

TEST_F(QuizDrawTest, AByteOrderMarkBeforeAHashIsDroppedOnlyFromAUtf8File)
{
    writeFile("NP2.DAT", "\xEF\xBB\xBF#comment,\n答え,です\n");  // a comment in UTF-8
    EXPECT_EQ(draw(1).line, "答え,です");
    writeFile("NP2.DAT", "\xEF\xBB\xBF#comment,\n\x82\xA0,x\n");  // in CP932 it is text: a question
    EXPECT_EQ(draw(1).line, DecodeCp932("\xEF\xBB\xBF#comment,"));
}

// The quiz file we ship, through the game's own reader.
TEST(ShippedQuiz, EveryLineIsAFairQuestion)
{
    QFile f(QStringLiteral(NP2_SOURCE_DIR "/data/NP2.DAT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("#"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));  // CR LF throughout
    const QString text = DecodeCp932(bytes);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));  // CP932 throughout
    // what the prompt asks for: no half-width katakana, no full-width letters, digits or blanks
    const QRegularExpression untypable(QString::fromUtf8("[\uFF61-\uFF9F\uFF10-\uFF5A\u3000]"));
    QStringList questions;
    for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        const QuizQuestion q = SplitQuizLine(line);
        EXPECT_TRUE(IsQuizLine(line)) << line.toStdString();
        EXPECT_FALSE(q.question.isEmpty()) << line.toStdString();
        EXPECT_FALSE(q.answer.isEmpty()) << line.toStdString();
        EXPECT_FALSE(q.answer.contains(',')) << line.toStdString();
        EXPECT_EQ(q.answer, q.answer.trimmed()) << line.toStdString();
        EXPECT_EQ(q.question, q.question.trimmed()) << line.toStdString();
        EXPECT_FALSE(q.answer.contains(untypable)) << line.toStdString();
        EXPECT_FALSE(questions.contains(q.question)) << line.toStdString();
        questions << q.question;
    }
    EXPECT_GE(questions.size(), 30);
    for (int target = 1; target <= questions.size(); ++target)  // every question can be drawn
        EXPECT_EQ(SplitQuizLine(DrawQuizLine(f.fileName(), target).line).question, questions[target - 1]);
}
