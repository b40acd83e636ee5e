// The quiz file: which lines are questions, which line a target draws, the limit the card
// tells, and the file we ship.
#include "rules/Quiz.h"
#include "runtime/TextFile.h"

#include "FolderTest.h"

#include <QFile>
#include <QRegularExpression>

TEST(QuizLines, OnlyLinesWithACommaThatAreNoCommentsCountAndTheySplitAtTheFirstCommaWithNothingTrimmed)
{
    for (const char* line : {"q,a", " #q,a", ",answer", "question,", "a,b,c"})
        EXPECT_TRUE(IsQuizLine(QString::fromUtf8(line))) << line;
    for (const char* line : {"", "no comma", "#q,a", "q、a", "q，a"})
        EXPECT_FALSE(IsQuizLine(QString::fromUtf8(line))) << line;
    const char* rows[][3] = {{"a,b,c", "a", "b,c"}, {"問題, 答え", "問題", " 答え"}, {",空の問題", "", "空の問題"}, {"空の答え,", "空の答え", ""}};
    for (const auto& row : rows) {
        EXPECT_EQ(SplitQuizLine(QString::fromUtf8(row[0])).question, QString::fromUtf8(row[1])) << row[0];
        EXPECT_EQ(SplitQuizLine(QString::fromUtf8(row[0])).answer, QString::fromUtf8(row[2])) << row[0];
    }
}

TEST(QuizLimit, TheCardTellsTheFiveSecondsTheQuizGivesInFullWidthDigitsAndTargetsAreOneToNinetyNine)
{
    EXPECT_EQ(kQuizTimeLimitSeconds, 5);
    EXPECT_EQ(QuizTimeLimitText(), "制限時間 ５秒");
    FakeServices random;
    random.fractions = {0.001f, 0.0f, 0.5f, 0.999f};  // a draw of 0 is drawn again
    EXPECT_EQ(DrawQuizTarget(random), 50);
    EXPECT_EQ(DrawQuizTarget(random), 99);
    EXPECT_EQ(random.reseeds, 2);
}

class QuizDraws : public FolderTest {
protected:
    QString draw(int target) { return DrawQuizLine(path("NP2.DAT"), target).line; }
};

TEST_F(QuizDraws, TheTargetWrapsRoundTheQuestionsAndAByteOrderMarkHidesAHashOnlyInUtf8)
{
    writeQuiz("# head\nfirst,1\n\nno comma\nsecond,2\n#x,y\nthird,3");
    for (int target = 1; target <= 99; ++target)
        EXPECT_EQ(draw(target), QStringList({"first,1", "second,2", "third,3"}).at((target - 1) % 3)) << target;
    writeQuiz("# only comments\n\nand a line without comma");
    EXPECT_FALSE(DrawQuizLine(path("NP2.DAT"), 1).ok);
    writeFile("NP2.DAT", "\xEF\xBB\xBF#comment,\n答え,です\n");  // a comment in UTF-8
    EXPECT_EQ(draw(1), "答え,です");
    writeFile("NP2.DAT", "\xEF\xBB\xBF#comment,\n\x82\xA0,x\n");  // in CP932 it is text: a question
    EXPECT_EQ(draw(1), DecodeCp932("\xEF\xBB\xBF#comment,"));
}

// The quiz file we ship, through the game's own reader.
TEST(ShippedQuiz, EveryLineIsAFairQuestionInCp932WithCrLf)
{
    QFile f(QStringLiteral(NP2_SOURCE_DIR "/data/NP2.DAT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));
    const QString text = DecodeCp932(bytes);
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
    // what the prompt asks for: no half-width katakana, no full-width letters, digits or blanks
    const QRegularExpression fair(QString::fromUtf8("^[^\\s,]([^,]*[^\\s,])?,[^\\s,\uFF61-\uFF9F\uFF10-\uFF5A\u3000]([^,\uFF61-\uFF9F\uFF10-\uFF5A\u3000]*[^\\s,\uFF61-\uFF9F\uFF10-\uFF5A\u3000])?$"));
    QStringList questions;
    for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts)) {
        if (line.startsWith('#'))
            continue;
        EXPECT_TRUE(fair.match(line).hasMatch()) << line.toStdString();
        EXPECT_FALSE(questions.contains(SplitQuizLine(line).question)) << line.toStdString();
        questions << SplitQuizLine(line).question;
    }
    EXPECT_GE(questions.size(), 30);
    for (int target = 1; target <= questions.size(); ++target)  // every question can be drawn
        EXPECT_EQ(SplitQuizLine(DrawQuizLine(f.fileName(), target).line).question, questions[target - 1]);
}
