#include "runtime/Files.h"
#include "runtime/TextFile.h"

#include "FolderTest.h"

#include <QDir>

class TextFiles : public FolderTest {
protected:
    // Every line of a file as the reader gives it, decoded.
    QStringList lines(const QString& name)
    {
        TextFileReader r;
        std::vector<std::string> raw(1);
        for (bool open = r.open(path(name)); open && r.readLine([&raw](const char* b, std::size_t n) { raw.back().append(b, n); });)
            raw.emplace_back();
        QStringList all;
        for (std::size_t i = 0; i + 1 < raw.size(); ++i)
            all << r.decode(raw[i], i == 0);
        return all;
    }
};

TEST_F(TextFiles, WritesCp932WithCrLf)
{
    TextFileWriter w(path("out.txt"));
    w.writeLine("ｸﾘｱ度 0%");
    w.writeLine("お一人様ごあんな～い①");
    w.writeLine("");
    ASSERT_TRUE(w.close());
    // half-width katakana are single bytes; ～ and ① have CP932 codes of their own
    EXPECT_EQ(readFile("out.txt"), "\xB8\xD8\xB1\x93\x78 0%\r\n"
                                   "\x82\xA8\x88\xEA\x90\x6C\x97\x6C\x82\xB2\x82\xA0\x82\xF1\x82\xC8\x81\x60\x82\xA2\x87\x40\r\n"
                                   "\r\n");
}

TEST_F(TextFiles, ReadsCp932OrUtf8LinesWithoutTheirEnds)
{
    writeFile("in.txt", "\xB8\xD8\xB1,\x93\x9A\r\nsecond\nthird\r\rlast");
    EXPECT_EQ(lines("in.txt"), (QStringList{"ｸﾘｱ,答", "second", "third", "", "last"}));
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
        writeFile("in.txt", mark + "日本の首都は？,東京\r\n\xEF\xBB\xBF#\r\n");  // a second mark is text
        EXPECT_EQ(lines("in.txt"), (QStringList{"日本の首都は？,東京", QString(QChar(0xFEFF)) + "#"}));
    }
    writeFile("in.txt", "a\x82\r\nb\xFF,c\r\n");  // bytes that are no character do not stop the reading
    EXPECT_EQ(lines("in.txt").value(1), QString("b") + QChar(0xFFFD) + ",c");
}

TEST_F(TextFiles, AFileIsUtf8OnlyWhenAllOfItIsAndLinesLongerThanAnyBufferAreWhole)
{
    // valid UTF-8 up to well past the first buffer, then a byte that is not
    std::string text = "問題,答え\n" + std::string(200000, 'x') + "\r\n";
    writeFile("in.txt", text + "\x82\xA0\n");
    QStringList all = lines("in.txt");
    EXPECT_EQ(all.value(0), DecodeCp932("問題,答え"));  // read as CP932, decided after the first line
    EXPECT_EQ(all.value(1).size(), 200000);
    EXPECT_EQ(all.value(2), "あ");
    writeFile("in.txt", text);
    EXPECT_EQ(lines("in.txt").value(0), "問題,答え");
    writeFile("in.txt", "問題,です\n\xE3\x81");  // a character cut off by the file's end
    EXPECT_EQ(lines("in.txt").value(0), DecodeCp932("問題,です"));
    writeFile("in.txt", "問題,\xED\xA0\x80\n");  // an encoded surrogate is no UTF-8
    EXPECT_EQ(lines("in.txt").value(0), DecodeCp932("問題,\xED\xA0\x80"));
    // characters of three and four bytes cut by every buffer's end
    const QString many = QString("あ😀").repeated(30000);
    writeFile("in.txt", many.toStdString() + "\n");
    EXPECT_EQ(lines("in.txt"), QStringList{many});
}
