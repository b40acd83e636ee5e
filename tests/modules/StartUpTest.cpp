// Start-up, the record file's checks, and the record writer.
#include "modules/Module1.h"
#include "modules/Module2.h"

#include "GameTest.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {
const Box kDatMissing{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", 16};
const Box kIniMissing{".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します", 16};
const Box kIniBroken{"INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", 16};
}  // namespace

class StartUp : public GameTest {};

TEST_F(StartUp, WithoutTheQuizFileItStopsBeforeTouchingTheRecordFile)
{
    EXPECT_TRUE(Ends(Main));
    EXPECT_EQ(fake.boxes, std::vector<Box>{kDatMissing});
    EXPECT_FALSE(Exists("NP2.INI"));
    EXPECT_TRUE(G.Aborting);
    EXPECT_FALSE(Form0.IsLoaded());
}

TEST_F(StartUp, AFreshFolderGetsTheDefaultRecordFileAndTheTitleWindow)
{
    WriteQuiz("日本の首都は？,東京");
    EXPECT_FALSE(Ends(Main));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(ReadFile("NP2.INI"), DefaultRecordFile());
    EXPECT_EQ(G.SurrenderCount, 0);
    EXPECT_EQ(G.QuitCount, 0);
    EXPECT_EQ(G.BestTimeNormal, 9999.0f);
    EXPECT_EQ(G.BestTimeAnother, 9999.0f);
    EXPECT_EQ(G.VersionText, "0.21");
    EXPECT_EQ(G.IniPath, Path("NP2.INI"));
    EXPECT_EQ(G.DatPath, Path("NP2.DAT"));
    EXPECT_FALSE(G.Aborting);
    ASSERT_TRUE(Form0.IsLoaded());
    EXPECT_TRUE(Form0->Visible());
    EXPECT_TRUE(Form0->Timer1.Enabled());
    EXPECT_EQ(Form0->Timer1.Interval(), 2000);
    EXPECT_EQ(Form0->Label5.Caption(), "Ver 0.21");
    EXPECT_EQ(G.Course, "NORMAL");
}

TEST_F(StartUp, AnExistingRecordFileIsLeftAsItIs)
{
    WriteQuiz("q,a");
    const std::string mine = "[Kousan]\nKaisu=7\n[Tyutai]\nkaisu = 3\n[N_Time]\n1st=12.5\n[A_Time]\n1st=\"98.25\"\n";
    WriteFile("NP2.INI", mine);
    Main();
    EXPECT_EQ(ReadFile("NP2.INI"), mine);
    EXPECT_EQ(G.SurrenderCount, 7);
    EXPECT_EQ(G.QuitCount, 3);
    EXPECT_EQ(G.BestTimeNormal, 12.5f);
    EXPECT_EQ(G.BestTimeAnother, 98.25f);
}

TEST_F(StartUp, ASecondInstanceIsRefusedAndTouchesNothing)
{
    WriteQuiz("q,a");
    fake.prevInstance = true;
    EXPECT_TRUE(Ends(Main));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", 16}}));
    EXPECT_FALSE(Exists("NP2.INI"));
}

TEST_F(StartUp, AProgramAtTheRootOfTheFileSystemGetsSingleSeparators)
{
    fake.appPath = "/";
    EXPECT_TRUE(Ends(Main));  // no quiz file at the root
    EXPECT_EQ(G.IniPath, "/NP2.INI");
    EXPECT_EQ(G.DatPath, "/NP2.DAT");
}

TEST_F(StartUp, AQuizFileThatIsAFolderCountsAsMissing)
{
    ASSERT_TRUE(QDir(Path("")).mkdir("NP2.DAT"));
    EXPECT_TRUE(Ends(Main));
    EXPECT_EQ(fake.boxes, std::vector<Box>{kDatMissing});
}

TEST_F(StartUp, ARecordFileThatCannotBeCreatedIsReported)
{
    WriteQuiz("q,a");
    ASSERT_TRUE(QDir(Path("")).mkdir("NP2.INI"));  // a folder where the file should go
    EXPECT_TRUE(Ends(Main));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", 16}}));
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"NP2.DAT"});
}

struct BrokenCase {
    const char* name;
    const char* values[4];  // Kousan, Tyutai, N_Time, A_Time; null: the key is missing
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenRecords : public GameTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenRecords, OneMessageAfterAllKeysAreRead)
{
    const char* sections[] = {"Kousan", "Tyutai", "N_Time", "A_Time"};
    const char* keys[] = {"Kaisu", "Kaisu", "1st", "1st"};
    std::string file;
    for (int i = 0; i < 4; ++i)
        file += std::string("[") + sections[i] + "]\r\n" + (GetParam().values[i] ? std::string(keys[i]) + "=" + GetParam().values[i] + "\r\n" : "");
    WriteQuiz("q,a");
    WriteFile("NP2.INI", file);
    EXPECT_TRUE(Ends(Main));
    EXPECT_EQ(fake.boxes, std::vector<Box>{kIniBroken});
    EXPECT_FALSE(Form0.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(StartUp, BrokenRecords,
                         ::testing::Values(BrokenCase{"EmptyValue", {"", "0", "9999", "9999"}},
                                           BrokenCase{"MissingKey", {nullptr, "0", "9999", "9999"}},
                                           BrokenCase{"TwoBroken", {"", "0", nullptr, "9999"}},
                                           BrokenCase{"NotANumber", {"abc", "0", "9999", "9999"}},
                                           BrokenCase{"TrailingText", {"12abc", "0", "9999", "9999"}},
                                           BrokenCase{"BeyondThirtyTwoBits", {"0", "2147483648", "9999", "9999"}},
                                           BrokenCase{"InfiniteTime", {"0", "0", "inf", "9999"}},
                                           BrokenCase{"NotANumberTime", {"0", "0", "9999", "nan"}}),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

class RecordWriter : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        WriteQuiz("q,a");
        Main();
    }
};

TEST_F(RecordWriter, AFileDeletedDuringPlayIsReportedAtTheNextWriteAndNotRecreated)
{
    WriteRecord("Kousan", "Kaisu", std::int32_t{0});
    QFile::remove(Path("NP2.INI"));
    EXPECT_TRUE(Ends([] { WriteRecord("Kousan", "Kaisu", std::int32_t{1}); }));
    EXPECT_EQ(fake.boxes, std::vector<Box>{kIniMissing});
    EXPECT_TRUE(G.Aborting);
    EXPECT_FALSE(Exists("NP2.INI"));
}

TEST_F(RecordWriter, AFailedWriteIsShownAndTheGameGoesOn)
{
    ASSERT_EQ(::chmod(QFile::encodeName(Path("NP2.INI")).constData(), 0444), 0);
    EXPECT_FALSE(Ends([] { WriteRecord("Kousan", "Kaisu", std::int32_t{1}); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"INI File ERROR", "INIファイルに書き込めませんでした", 48}}));
    EXPECT_EQ(ReadFile("NP2.INI"), DefaultRecordFile());
}

TEST_F(StartUp, CenterFormHalvesInTwipsAndLetsBigWindowsStickOut)
{
    WriteQuiz("q,a");
    Main();
    fake.screenWidth = 3001;
    fake.screenHeight = 1000;
    CenterForm(*Form0, 1680, 3855);
    EXPECT_EQ(Form0->Height(), 1680);
    EXPECT_EQ(Form0->Width(), 3855);
    EXPECT_EQ(Form0->Top(), -340);
    EXPECT_EQ(Form0->Left(), -427);  // -427 exactly: (3001 - 3855) / 2
    fake.screenWidth = 4000;
    CenterForm(*Form0, 1680, 3855);
    EXPECT_EQ(Form0->Left(), 72);  // 72.5 goes to the nearest even twip
}
