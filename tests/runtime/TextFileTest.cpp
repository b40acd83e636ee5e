#include "runtime/Files.h"
#include "runtime/TextFile.h"

#include "GameTest.h"

#include <QDir>

class TextFiles : public GameTest {};

TEST_F(TextFiles, WritesCp932WithCrLf)
{
    TextFileWriter w(Path("out.txt"));
    w.PrintLine("ｸﾘｱ度 0%");
    w.PrintLine("お一人様ごあんな～い①");
    w.PrintLine("");
    ASSERT_TRUE(w.Close());
    // half-width katakana are single bytes; ～ and ① have CP932 codes of their own
    EXPECT_EQ(ReadFile("out.txt"), "\xB8\xD8\xB1\x93\x78 0%\r\n"
                                   "\x82\xA8\x88\xEA\x90\x6C\x97\x6C\x82\xB2\x82\xA0\x82\xF1\x82\xC8\x81\x60\x82\xA2\x87\x40\r\n"
                                   "\r\n");
}

TEST_F(TextFiles, ReadsLinesWithoutTheirEnds)
{
    WriteFile("in.txt", "\xB8\xD8\xB1,\x93\x9A\r\nsecond\nthird\rlast");
    TextFileReader r;
    ASSERT_TRUE(r.Open(Path("in.txt")));
    QStringList lines;
    while (!r.Eof())
        lines << r.LineInput();
    r.Close();
    EXPECT_EQ(lines, (QStringList{"ｸﾘｱ,答", "second", "third", "last"}));
}

TEST_F(TextFiles, Utf8IsReadAsUtf8WithOrWithoutMark)
{
    for (const std::string& mark : {std::string(), std::string("\xEF\xBB\xBF")}) {
        WriteFile("in.txt", mark + "日本の首都は？,東京\r\n");
        TextFileReader r;
        ASSERT_TRUE(r.Open(Path("in.txt")));
        EXPECT_EQ(r.LineInput(), "日本の首都は？,東京");
        EXPECT_TRUE(r.Eof());
    }
    EXPECT_EQ(rt::DecodeTextFile("\xEF\xBB\xBF\xEF\xBB\xBF#"), QString(QChar(0xFEFF)) + "#");  // a second mark is text
}

TEST_F(TextFiles, BytesThatAreNoCharacterDoNotStopTheReading)
{
    WriteFile("in.txt", "a\x82\r\nb\xFF,c\r\n");
    TextFileReader r;
    ASSERT_TRUE(r.Open(Path("in.txt")));
    EXPECT_EQ(r.LineInput().left(1), "a");
    EXPECT_EQ(r.LineInput(), QString("b") + QChar(0xFFFD) + ",c");
}

TEST_F(TextFiles, OnlyOrdinaryFilesCanBeOpenedOrFound)
{
    TextFileReader r;
    EXPECT_FALSE(r.Open(Path("missing.txt")));
    ASSERT_TRUE(QDir(Path("")).mkdir("folder.txt"));
    EXPECT_FALSE(r.Open(Path("folder.txt")));
    EXPECT_EQ(Dir(Path("folder.txt")), "");
    EXPECT_EQ(Dir(Path("missing.txt")), "");
    WriteFile("NP2.DAT", "");
    EXPECT_EQ(Dir(Path("NP2.DAT")), "NP2.DAT");
    ASSERT_TRUE(r.Open(Path("NP2.DAT")));
    EXPECT_TRUE(r.Eof());
}
