#include "runtime/Profile.h"

#include "FolderTest.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {
class Profile : public FolderTest {
protected:
    std::string get(const char* section, const char* key, const char* def = "(default)", int size = 256)
    {
        std::vector<char> buf(static_cast<size_t>(size) + 8, 'x');
        count = GetPrivateProfileStringA(section, key, def, buf.data(), size, ini.constData());
        return std::string(buf.data(), static_cast<size_t>(count));
    }
    bool put(const char* section, const char* key, const char* value)
    {
        return WritePrivateProfileStringA(section, key, value, ini.constData());
    }
    void SetUp() override
    {
        FolderTest::SetUp();
        ini = QFile::encodeName(path("NP2.INI"));
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
    writeFile("NP2.INI", r.file);
    EXPECT_EQ(get(r.section, r.key, "(default)", r.size), r.value);
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
                      Read{"[A]\r\nk=1\r\n[open\r\nm=2\r\n", "A", "m", "2", 256},  // "[" alone opens no section
                      Read{"", "A", "k", "(default)", 256}));

TEST_F(Profile, WritingRewritesOnlyThatLineInTheFilesOwnSpellingAndOnlyForANewValue)
{
    EXPECT_EQ(get("Kousan", "Kaisu", "dflt   "), "dflt");  // no file: the default, without trailing blanks
    writeFile("NP2.INI", RecordFile());
    ASSERT_TRUE(put("Tyutai", "Kaisu", "0"));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());  // the value it already has: not a byte changed
    ASSERT_TRUE(put("TYUTAI", "kaisu", "5"));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=5"));
    EXPECT_EQ(get("Tyutai", "Kaisu") + get("Kousan", "Kaisu"), "50");
    writeFile("NP2.INI", "; note\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2");  // new keys and sections go to the end
    ASSERT_TRUE(put("A", "z", "3") && put("B", "w", "4") && put("C", "v", "5"));
    EXPECT_EQ(readFile("NP2.INI"), "; note\r\n[A]\r\nx = 1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}

TEST_F(Profile, AReadOnlyFileOrAFolderIsNotWritten)
{
    writeFile("NP2.INI", RecordFile());
    ASSERT_EQ(::chmod(ini.constData(), 0444), 0);
    EXPECT_FALSE(put("Kousan", "Kaisu", "1"));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    EXPECT_EQ(entries(), QStringList{"NP2.INI"});  // no temporary file left
    ASSERT_TRUE(QFile::remove(path("NP2.INI")) && QDir(path("")).mkdir("NP2.INI"));
    EXPECT_FALSE(put("Kousan", "Kaisu", "1"));
}
