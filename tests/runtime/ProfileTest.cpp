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

struct Read {
    const char* file;
    const char* section;
    const char* key;
    const char* value;  // "(default)" when the default comes back
    int size;
};

void PrintTo(const Read& r, std::ostream* os) { *os << r.section << "/" << r.key << " in " << ::testing::PrintToString(r.file); }

class ProfileRead : public Profile, public ::testing::WithParamInterface<Read> {};

TEST_P(ProfileRead, FindsTheValueAsTheSystemFunctionDoes)
{
    const Read& r = GetParam();
    WriteFile("NP2.INI", r.file);
    EXPECT_EQ(Get(r.section, r.key, "(default)", r.size), r.value);
    EXPECT_EQ(count, static_cast<int>(std::string(r.value).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileRead,
    ::testing::Values(Read{"[Kousan]\r\nKaisu = 0\r\n", "Kousan", "Kaisu", "0", 256},           // the record file's spacing
                      Read{"  [ kousan ]  \r\n\t KAISU \t=   7  \r\n", "KOUSAN", "kaisu", "7", 256},  // case, blanks
                      Read{"[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n", "A", "k", "1", 256},  // the first wins
                      Read{"[A]\r\nk=1\r\n[a]\r\nother=4\r\n", "A", "other", "(default)", 256},  // ...and only it
                      Read{"[Kousan]\r\nKaisu=\r\n", "Kousan", "Kaisu", "", 256},  // empty is not missing
                      Read{"[Kousan]\r\nKaisu=\r\n", "Kousan", "Other", "(default)", 256},
                      Read{"[Kousan]\r\nKaisu=1\r\n", "Tyutai", "Kaisu", "(default)", 256},
                      Read{"[s]\r\nnoequals\r\n", "s", "noequals", "(default)", 256},
                      Read{"[s]\r\na=\"quoted\"\r\n", "s", "a", "quoted", 256},
                      Read{"[s]\r\nb='single'\r\n", "s", "b", "single", 256},
                      Read{"[s]\r\nc=\"open\r\n", "s", "c", "\"open", 256},
                      Read{"[s]\r\nk=123456789\r\n", "s", "k", "123", 4},  // cut to the buffer
                      Read{"[s]\r\nk=123456789\r\n", "s", "k", "", 1},
                      Read{"[A]\nk=5\n[B]\nk=6", "B", "k", "6", 256},  // LF only
                      Read{"[A]\rk=5\r[B]\rk=6", "A", "k", "5", 256},  // CR only
                      Read{"", "A", "k", "(default)", 256}));

TEST_F(Profile, DefaultsLoseTrailingBlanksAndAMissingFileGivesTheDefault)
{
    EXPECT_EQ(Get("Kousan", "Kaisu"), "(default)");
    EXPECT_EQ(Get("Kousan", "Kaisu", "dflt   "), "dflt");
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
    // what a killed replacement left behind goes with the next one; other files stay
    WriteFile("NP2.INI.a1B2c3", "torn");
    WriteFile("NP2.INI.bak", "mine");
    ASSERT_TRUE(Put("Kousan", "Kaisu", "2"));
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), (QStringList{"NP2.INI", "NP2.INI.bak"}));
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
