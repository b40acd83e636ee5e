#include "runtime/Profile.h"

#include "GameTest.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {
class Profile : public GameTest {
protected:
    std::string Get(const char* section, const char* key, const char* def = "(default)", int size = 256)
    {
        std::vector<char> buf(static_cast<size_t>(size) + 8, 'x');
        count = GetPrivateProfileStringA(section, key, def, buf.data(), size, ini.constData());
        return std::string(buf.data(), static_cast<size_t>(count));
    }
    bool Put(const char* section, const char* key, const char* value)
    {
        return WritePrivateProfileStringA(section, key, value, ini.constData());
    }
    void SetUp() override
    {
        GameTest::SetUp();
        ini = QFile::encodeName(Path("NP2.INI"));
    }
    QByteArray ini;
    int count = -1;
};
}  // namespace

TEST_F(Profile, ReadsTheRecordFileAsCreated)
{
    WriteFile("NP2.INI", DefaultRecordFile());
    EXPECT_EQ(Get("Kousan", "Kaisu"), "0");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(Get("N_Time", "1st"), "9999");
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Get("A_Time", "1st"), "9999");
}

TEST_F(Profile, NamesMatchWithoutCaseAndBlanksAreDropped)
{
    WriteFile("NP2.INI", "  [ kousan ]  \r\n\t KAISU \t=   7  \r\n");
    EXPECT_EQ(Get("Kousan", "Kaisu"), "7");
    EXPECT_EQ(Get("KOUSAN", "kaisu"), "7");
}

TEST_F(Profile, FirstSectionAndFirstKeyWin)
{
    WriteFile("NP2.INI", "[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nother=4\r\n");
    EXPECT_EQ(Get("A", "k"), "1");
    EXPECT_EQ(Get("A", "other"), "(default)");  // only the first section of a name counts
}

TEST_F(Profile, EmptyValueIsEmptyButMissingKeyGivesTheDefault)
{
    WriteFile("NP2.INI", "[Kousan]\r\nKaisu=\r\nnoequals\r\n");
    EXPECT_EQ(Get("Kousan", "Kaisu"), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Get("Kousan", "Missing"), "(default)");
    EXPECT_EQ(Get("Nowhere", "Kaisu"), "(default)");
    EXPECT_EQ(Get("Kousan", "noequals"), "(default)");
    EXPECT_EQ(Get("Kousan", "Missing", "dflt   "), "dflt");
    EXPECT_EQ(Get("Kousan", "Missing", ""), "");
    QFile::remove(Path("NP2.INI"));
    EXPECT_EQ(Get("Kousan", "Kaisu"), "(default)");
}

TEST_F(Profile, OnePairOfQuotesIsRemoved)
{
    WriteFile("NP2.INI", "[s]\r\na=\"quoted\"\r\nb='single'\r\nc=\"open\r\n");
    EXPECT_EQ(Get("s", "a"), "quoted");
    EXPECT_EQ(Get("s", "b"), "single");
    EXPECT_EQ(Get("s", "c"), "\"open");
}

TEST_F(Profile, LongValuesAreCutToTheBuffer)
{
    WriteFile("NP2.INI", "[s]\r\nk=123456789\r\n");
    EXPECT_EQ(Get("s", "k", "", 4), "123");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Get("s", "k", "", 1), "");
    EXPECT_EQ(count, 0);
}

TEST_F(Profile, LineEndsOfEveryKindReadAlike)
{
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string e = end;
        WriteFile("NP2.INI", "[Kousan]" + e + "Kaisu=5" + e + "[Tyutai]" + e + "Kaisu=6");
        EXPECT_EQ(Get("Kousan", "Kaisu"), "5");
        EXPECT_EQ(Get("Tyutai", "Kaisu"), "6");
    }
}

TEST_F(Profile, ListsSectionsAndKeys)
{
    WriteFile("NP2.INI", "[A]\r\nx=1\r\ny=2\r\n[B]\r\n");
    std::vector<char> buf(64, 'x');
    int n = GetPrivateProfileStringA("A", nullptr, "", buf.data(), 64, ini.constData());
    EXPECT_EQ(std::string(buf.data(), static_cast<size_t>(n) + 1), std::string("x\0y\0\0", 5));
    n = GetPrivateProfileStringA(nullptr, nullptr, "", buf.data(), 64, ini.constData());
    EXPECT_EQ(std::string(buf.data(), static_cast<size_t>(n) + 1), std::string("A\0B\0\0", 5));
}

TEST_F(Profile, WritingRewritesOnlyThatLine)
{
    WriteFile("NP2.INI", DefaultRecordFile());
    ASSERT_TRUE(Put("Tyutai", "Kaisu", "5"));
    std::string expected = DefaultRecordFile();
    expected.replace(expected.find("[Tyutai]\r\nKaisu = 0"), 19, "[Tyutai]\r\nKaisu=5");
    EXPECT_EQ(ReadFile("NP2.INI"), expected);
    EXPECT_EQ(Get("Tyutai", "Kaisu"), "5");
    EXPECT_EQ(Get("Kousan", "Kaisu"), "0");
}

TEST_F(Profile, NewKeysAndSectionsGoToTheEnd)
{
    WriteFile("NP2.INI", "; note\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2");
    ASSERT_TRUE(Put("A", "z", "3"));
    ASSERT_TRUE(Put("B", "w", "4"));
    ASSERT_TRUE(Put("C", "v", "5"));
    EXPECT_EQ(ReadFile("NP2.INI"), "; note\r\n[A]\r\nx = 1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}

TEST_F(Profile, RemovesKeysAndSectionsWhenAskedTo)
{
    WriteFile("NP2.INI", "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(Put("A", "x", nullptr));
    ASSERT_TRUE(WritePrivateProfileStringA("B", nullptr, nullptr, ini.constData()));
    EXPECT_EQ(ReadFile("NP2.INI"), "[A]\r\ny=2\r\n");
}

TEST_F(Profile, CreatesAMissingFile)
{
    ASSERT_TRUE(Put("N_Time", "1st", "12.5"));
    EXPECT_EQ(ReadFile("NP2.INI"), "[N_Time]\r\n1st=12.5\r\n");
}

TEST_F(Profile, ReplacementKeepsPermissionsAndLeavesNoTemporaryFile)
{
    WriteFile("NP2.INI", DefaultRecordFile());
    ASSERT_EQ(::chmod(ini.constData(), 0640), 0);
    ASSERT_TRUE(Put("Kousan", "Kaisu", "1"));
    struct stat st {};
    ASSERT_EQ(::stat(ini.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"NP2.INI"});
}

TEST_F(Profile, AReadOnlyFileIsNotWrittenAndStaysIntact)
{
    WriteFile("NP2.INI", DefaultRecordFile());
    ASSERT_EQ(::chmod(ini.constData(), 0444), 0);
    EXPECT_FALSE(Put("Kousan", "Kaisu", "1"));
    EXPECT_EQ(ReadFile("NP2.INI"), DefaultRecordFile());
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"NP2.INI"});
}

TEST_F(Profile, AFolderInThePlaceOfTheFileIsNotOverwritten)
{
    ASSERT_TRUE(QDir(Path("")).mkdir("NP2.INI"));
    EXPECT_FALSE(Put("Kousan", "Kaisu", "1"));
    EXPECT_EQ(Get("Kousan", "Kaisu"), "(default)");
}
