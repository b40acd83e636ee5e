#include "runtime/Profile.h"

#include "FolderTest.h"

namespace {
class Profile : public FolderTest {
protected:
    QByteArray get(const QByteArray& section, const QByteArray& key) { return ReadProfileString(ini(), section, key, "(default)"); }
    bool put(const QByteArray& section, const QByteArray& key, const QByteArray& value)
    {
        return WriteProfileString(ini(), section, key, value);
    }
    QString ini() const { return path("NP2.INI"); }
};
}  // namespace

struct Read {
    const char* file;
    const char* section;
    const char* key;
    const char* value;  // "(default)" when the fallback comes back
};

void PrintTo(const Read& r, std::ostream* os) { *os << r.section << "/" << r.key << " in " << ::testing::PrintToString(r.file); }

class ProfileRead : public Profile, public ::testing::WithParamInterface<Read> {};

TEST_P(ProfileRead, FindsTheValueOfTheFirstMatchingSectionAndKey)
{
    const Read& r = GetParam();
    writeFile("NP2.INI", r.file);
    EXPECT_EQ(get(r.section, r.key), r.value);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, ProfileRead,
    ::testing::Values(Read{"  [ kousan ]  \r\n\t KAISU \t=   7  \r\n", "KOUSAN", "kaisu", "7"},  // case, blanks
                      Read{"[A]\r\nk=1\r\n[a]\r\nother=4\r\n", "A", "other", "(default)"},  // only the first section counts
                      Read{"[s]\r\na=\"quoted\"\r\n", "s", "a", "quoted"},
                      Read{"[s]\r\nb='single'\r\n", "s", "b", "single"}));

TEST_F(Profile, WritingRewritesOnlyThatLineInTheFilesOwnSpellingAndOnlyForANewValue)
{
    EXPECT_EQ(get("Kousan", "Kaisu"), "(default)");  // no file
    writeFile("NP2.INI", RecordFile());
    ASSERT_TRUE(put("Tyutai", "Kaisu", "0"));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());  // the value it already has: not a byte changed
    ASSERT_TRUE(put("TYUTAI", "kaisu", "5"));
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=5"));
    EXPECT_EQ(get("Tyutai", "Kaisu") + get("Kousan", "Kaisu"), "50");
    writeFile("NP2.INI", WithLine(RecordFile(), "Kaisu = 0", "Kaisu = \"0\""));
    ASSERT_TRUE(put("Kousan", "Kaisu", "0"));  // the value it already has, in quotes
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "Kaisu = 0", "Kaisu = \"0\""));
    writeFile("NP2.INI", "; \x93\xFA\x96\x7B\r\n[A]\r\nx = 1\r\n\r\n[B]\r\ny=2");  // new keys and sections go to the end
    ASSERT_TRUE(put("A", "z", "3") && put("B", "w", "4") && put("C", "v", "5"));
    EXPECT_EQ(readFile("NP2.INI"), "; \x93\xFA\x96\x7B\r\n[A]\r\nx = 1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}
