#include "runtime/Files.h"
#include "runtime/TextFile.h"

#include "FolderTest.h"

#include <QDir>

class TextFiles : public FolderTest {
protected:
    QStringList lines(const QString& name)
    {
        TextFileReader r;
        QStringList all;
        if (!r.open(path(name)))
            return {"<cannot open>"};
        while (!r.atEnd())
            all << r.readLine();
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
    writeFile("in.txt", "\xB8\xD8\xB1,\x93\x9A\r\nsecond\nthird\rlast");
    EXPECT_EQ(lines("in.txt"), (QStringList{"ｸﾘｱ,答", "second", "third", "last"}));
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
        writeFile("in.txt", mark + "日本の首都は？,東京\r\n");
        EXPECT_EQ(lines("in.txt"), QStringList{"日本の首都は？,東京"});
    }
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF\xEF\xBB\xBF#"), QString(QChar(0xFEFF)) + "#");  // a second mark is text
    writeFile("in.txt", "a\x82\r\nb\xFF,c\r\n");  // bytes that are no character do not stop the reading
    EXPECT_EQ(lines("in.txt").value(1), QString("b") + QChar(0xFFFD) + ",c");
}

TEST_F(TextFiles, OnlyOrdinaryFilesCanBeOpenedOrFound)
{
    TextFileReader r;
    EXPECT_FALSE(r.open(path("missing.txt")));
    ASSERT_TRUE(QDir(path("")).mkdir("folder.txt"));
    EXPECT_FALSE(r.open(path("folder.txt")));
    EXPECT_FALSE(IsOrdinaryFile(path("folder.txt")));
    EXPECT_FALSE(IsOrdinaryFile(path("missing.txt")));
    writeFile("NP2.DAT", "");
    EXPECT_TRUE(IsOrdinaryFile(path("NP2.DAT")));
    EXPECT_EQ(lines("NP2.DAT"), QStringList{});
}
