#include "rules/Records.h"

#include "FolderTest.h"

#include <QFile>

#include <sys/stat.h>

class RecordFileTest : public FolderTest {
protected:
    QString file() const { return path("NP2.INI"); }
    Records records{-1, -1, -1, -1};
};

TEST_F(RecordFileTest, ANewFileHoldsTheDefaultsAndAHandWrittenOneIsReadAsItStands)
{
    ASSERT_TRUE(CreateRecordFile(file()));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    EXPECT_EQ(ReadRecords(file(), records), RecordStatus::Ok);
    EXPECT_TRUE(records.surrenders == 0 && records.quits == 0 && records.bestNormal == 9999.0f && records.bestAnother == 9999.0f);
    writeFile("NP2.INI", "[Kousan]\nKaisu=7\n[Tyutai]\nkaisu = 2.5\n[N_Time]\n1st=12.5\n[A_Time]\n1st=\"98.25\"\n");
    EXPECT_EQ(ReadRecords(file(), records), RecordStatus::Ok);
    EXPECT_EQ(records.surrenders * 100 + records.quits, 702);  // a half goes to the even neighbour
    EXPECT_TRUE(records.bestNormal == 12.5f && records.bestAnother == 98.25f);
}

struct BrokenCase {
    const char* name;
    const char* values[4];  // Kousan, Tyutai, N_Time, A_Time; null: the key is missing
};

class BrokenRecords : public RecordFileTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenRecords, EveryKeyIsReadAndOnlyGoodValuesAreTaken)
{
    const char* names[][2] = {{"Kousan", "Kaisu"}, {"Tyutai", "Kaisu"}, {"N_Time", "1st"}, {"A_Time", "1st"}};
    std::string text;
    for (int i = 0; i < 4; ++i) {
        const char* v = GetParam().values[i];
        text += std::string("[") + names[i][0] + "]\r\n" + (v ? std::string(names[i][1]) + "=" + v + "\r\n" : "");
    }
    writeFile("NP2.INI", text);
    EXPECT_EQ(ReadRecords(file(), records), RecordStatus::Broken);
    EXPECT_EQ(records.bestAnother, 9999.0f);  // the last key is good in every row
}

INSTANTIATE_TEST_SUITE_P(Records, BrokenRecords,
                         ::testing::Values(BrokenCase{"EmptyValue", {"", "0", "9999", "9999"}},
                                           BrokenCase{"MissingKey", {nullptr, "0", "9999", "9999"}},
                                           BrokenCase{"TwoBroken", {"", "0", nullptr, "9999"}},
                                           BrokenCase{"NotANumber", {"abc", "0", "9999", "9999"}},
                                           BrokenCase{"TrailingText", {"12abc", "0", "9999", "9999"}},
                                           BrokenCase{"BeyondThirtyTwoBits", {"0", "2147483648", "9999", "9999"}},
                                           BrokenCase{"InfiniteTime", {"0", "0", "inf", "9999"}}),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST_F(RecordFileTest, WritesOneKeyAndNeverCreatesAFileThatHasGone)
{
    EXPECT_EQ(WriteRecord(file(), kSurrenderRecord, std::int32_t{1}), RecordStatus::Missing);
    EXPECT_EQ(readFile("NP2.INI"), "<missing>");
    writeFile("NP2.INI", RecordFile());
    EXPECT_EQ(WriteRecord(file(), *BestTimeRecord("ANOTHER"), 12.5f), RecordStatus::Ok);
    EXPECT_EQ(readFile("NP2.INI"), WithLine(RecordFile(), "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=12.5"));
    EXPECT_FALSE(BestTimeRecord("another"));
    ASSERT_EQ(::chmod(QFile::encodeName(file()).constData(), 0444), 0);
    EXPECT_EQ(WriteRecord(file(), kQuitRecord, std::int32_t{1}), RecordStatus::WriteFailed);
}
