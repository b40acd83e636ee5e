#include "rules/Records.h"

#include "FolderTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

class RecordFileTest : public FolderTest {
protected:
    QString file() const { return path("NP2.INI"); }
    Records records{-1, -1, -1, -1};
};

namespace {
struct BrokenCase {
    const char* name;
    const char* values[4];  // Kousan, Tyutai, N_Time, A_Time; null: the key is missing
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }
class BrokenRecords : public RecordFileTest, public ::testing::WithParamInterface<BrokenCase> {};
}  // namespace

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
                         ::testing::Values(BrokenCase{"EmptyValue", {"", "0", "9999", "9999"}}, BrokenCase{"MissingKey", {nullptr, "0", "9999", "9999"}},
                                           BrokenCase{"NotANumber", {"abc", "0", "9999", "9999"}},
                                           BrokenCase{"TrailingText", {"12abc", "0", "9999", "9999"}},
                                           BrokenCase{"BeyondThirtyTwoBits", {"0", "2147483648", "9999", "9999"}}),
                         [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST_F(RecordFileTest, WritesOneKeyNeverMakesAFileThatHasGoneAndLeavesThePlayersOwnFilesAlone)
{
    EXPECT_EQ(WriteRecord(file(), kSurrenderRecord, std::int32_t{1}), RecordStatus::Missing);
    EXPECT_EQ(readFile("NP2.INI"), "<missing>");
    const QStringList own{"NP2.INI.backup", "NP2.INI.old123", "NP2.INI~"};
    for (const QString& name : own)
        writeFile(name, "kept: " + name.toStdString());
    ASSERT_TRUE(CreateRecordFile(file()));
    EXPECT_EQ(WriteRecord(file(), BestTimeRecord(Course::Another), 12.5f), RecordStatus::Ok);
    EXPECT_EQ(WriteRecord(file(), BestTimeRecord(Course::Normal), 3.0f), RecordStatus::Ok);
    EXPECT_EQ(readFile("NP2.INI"), WithLine(WithLine(RecordFile(), "[A_Time]\r\n1st = 9999", "[A_Time]\r\n1st=12.5"), "[N_Time]\r\n1st = 9999",
                                            "[N_Time]\r\n1st=3"));
    for (const QString& name : own)
        EXPECT_EQ(readFile(name), "kept: " + name.toStdString()) << name.toStdString();
    EXPECT_EQ(entries().size(), own.size() + 1);  // and nothing of the game's own beside them
}

TEST_F(RecordFileTest, ALinkToRecordsNotMadeYetGetsItsTargetMadeAndStaysALink)
{
    ASSERT_TRUE(QDir(path("")).mkpath("Sync"));
    ASSERT_EQ(::symlink("Sync/NP2.INI", QFile::encodeName(file()).constData()), 0);  // relative, as ln -s makes it
    ASSERT_TRUE(CreateRecordFile(file()));
    ASSERT_EQ(WriteRecord(file(), kQuitRecord, std::int32_t{1}), RecordStatus::Ok);
    EXPECT_EQ(QFileInfo(file()).symLinkTarget(), path("Sync/NP2.INI"));
    EXPECT_EQ(readFile("Sync/NP2.INI"), WithLine(RecordFile(), "[Tyutai]\r\nKaisu = 0", "[Tyutai]\r\nKaisu=1"));
}
