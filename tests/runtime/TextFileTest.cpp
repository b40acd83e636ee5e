#include "runtime/TextFile.h"

#include "FolderTest.h"

TEST(Cp932, ConvertsAsTheCodePageDoesAndMarksWhatHasNoCharacterOrNoCode)
{
    // half-width katakana are single bytes; ～ and ① have codes of their own; control codes are themselves
    const QByteArray bytes("\xB8\xD8\xB1\x93\x78\x81\x60\x87\x40\x5C\x1A\x1C\x7F");
    const QString text = QString::fromUtf8("ｸﾘｱ度～①\\\x1a\x1c\x7f");
    EXPECT_EQ(DecodeCp932(bytes), text);
    EXPECT_EQ(EncodeCp932(text), bytes);
    // a first byte without its second, a byte that starts nothing, a pair without a character
    EXPECT_EQ(DecodeCp932("a\x82 b\xFF\x85\x40"), QString::fromUtf8("a\uFFFD b\uFFFD\uFFFD@"));
    EXPECT_EQ(EncodeCp932(QString::fromUtf8("é😀x")), "??x");
}

class TextFiles : public FolderTest {
protected:
    // Every line of a file as the reader gives it, decoded.
    QStringList lines(const QString& name)
    {
        TextFileReader r;
        QStringList all;
        if (r.open(path(name)))
            for (QByteArray line; r.readLine(line);)
                all << r.decode(line);
        return all;
    }
};

TEST_F(TextFiles, AFileIsUtf8OnlyWhenAllOfItIsAndLinesLongerThanAnyPieceAreWhole)
{
    // valid UTF-8 up to well past the first piece read, then a byte that is not
    std::string text = "問題,答え\n" + std::string(200000, 'x') + "\r\n";
    writeFile("in.txt", text + "\x82\xA0\n");
    QStringList all = lines("in.txt");
    EXPECT_EQ(all.value(0), DecodeCp932("問題,答え"));
    EXPECT_EQ(all.value(1).size(), 200000);
    EXPECT_EQ(all.value(2), "あ");
    writeFile("in.txt", text);
    EXPECT_EQ(lines("in.txt").value(0), "問題,答え");
    writeFile("in.txt", "問題,です\n\xE3\x81");  // a character cut off by the file's end
    EXPECT_EQ(lines("in.txt").value(0), DecodeCp932("問題,です"));
    writeFile("in.txt", "問題,\xED\xA0\x80\n");  // an encoded surrogate is no UTF-8
    EXPECT_EQ(lines("in.txt").value(0), DecodeCp932("問題,\xED\xA0\x80"));
    // characters of three and four bytes cut by every piece's end
    const QString many = QString("あ😀").repeated(30000);
    writeFile("in.txt", many.toStdString() + "\n");
    EXPECT_EQ(lines("in.txt"), QStringList{many});
    writeFile("in.txt", "\xB8\xD8\xB1,\x93\x9A\r\nsecond\nthird\r\rlast");  // CP932, every kind of line end
    EXPECT_EQ(lines("in.txt"), (QStringList{"ｸﾘｱ,答", "second", "third", "", "last"}));
    writeFile("in.txt", std::string(65535, 'y') + "\r\nz");  // the first piece of 64 KiB ends between CR and LF
    EXPECT_EQ(lines("in.txt"), (QStringList{QString(65535, 'y'), "z"}));
}
