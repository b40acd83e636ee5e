// Start-up and the game's files: every check in its order, each failure with its message.
#include "GameTest.h"

#include "windows/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <sys/stat.h>

class StartUp : public GameTest {};

TEST_F(StartUp, AFreshFolderGetsTheDefaultRecordFileAndTheTitleWindowForTwoSeconds)
{
    writeQuiz("日本の首都は？,東京");
    EXPECT_NO_THROW(StartGame(windows));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    EXPECT_EQ(G.bestTimeAnother, 9999.0f);
    EXPECT_EQ(G.course, Course::Normal);
    EXPECT_EQ(fake.lockedFolder, fake.folder);  // one game at a time per program folder
    EXPECT_TRUE(Opened("titleWindow")->isVisible());
    EXPECT_TRUE(Find<QTimer>("titleWindow", "handOverTimer")->isActive());
    EXPECT_EQ(Find<QTimer>("titleWindow", "handOverTimer")->interval(), 2000);
    EXPECT_EQ(Text("titleWindow", "versionLabel"), "Ver 0.21");
}

namespace {
struct Failure {
    const char* name;
    std::function<void(FolderTest&)> prepare;
    Box box;
    QStringList filesAfter;
};
void PrintTo(const Failure& f, std::ostream* os) { *os << f.name; }

const Box kQuizMissing{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop};
const Box kNoRecordFile{"INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop};
}  // namespace

class StartUpFailure : public StartUp, public ::testing::WithParamInterface<Failure> {};

TEST_P(StartUpFailure, EndsTheGameAtItsStepWithItsMessage)
{
    GetParam().prepare(*this);
    EXPECT_THROW(StartGame(windows), ProgramEnded);
    EXPECT_EQ(fake.boxes, std::vector<Box>{GetParam().box});
    EXPECT_EQ(entries(), GetParam().filesAfter);
    EXPECT_FALSE(Opened("titleWindow"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartUpFailure,
    ::testing::Values(
        Failure{"NoQuizFile", [](FolderTest&) {}, kQuizMissing, {}},
        Failure{"AFolderForAQuizFile", [](FolderTest& t) { QDir(t.path("")).mkdir("NP2.DAT"); }, kQuizMissing, {"NP2.DAT"}},
        Failure{"ASecondGame", [](FolderTest& t) { t.writeQuiz("q,a"), t.fake.anotherInstance = true; },
                {"二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", MessageKind::Stop}, {"NP2.DAT"}},
        Failure{"ARecordFileThatCannotBeMade", [](FolderTest& t) { t.writeQuiz("q,a"), QDir(t.path("")).mkdir("NP2.INI"); },
                kNoRecordFile, {"NP2.DAT", "NP2.INI"}},
        Failure{"ARecordFileLinkedIntoAFolderThatIsNotThere",
                [](FolderTest& t) { t.writeQuiz("q,a"), QFile::link(t.path("Gone/NP2.INI"), t.path("NP2.INI")); }, kNoRecordFile,
                {"NP2.DAT", "NP2.INI"}},
        Failure{"ABrokenRecordFile", [](FolderTest& t) { t.writeQuiz("q,a"), t.writeFile("NP2.INI", WithLine(RecordFile(), "Kaisu = 0", "Kaisu = x")); },
                {"INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", MessageKind::Stop}, {"NP2.DAT", "NP2.INI"}}),
    [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST_F(StartUp, ARecordFileThatCannotBeWrittenIsReportedAndTheGameGoesOn)
{
    playTo(Stage::kOpening);
    ASSERT_EQ(::chmod(QFile::encodeName(path("NP2.INI")).constData(), 0444), 0);
    fake.boxes.clear();
    EXPECT_EQ(SaveRecord(kSurrenderRecord, std::int32_t{1}), FileReport::GoOn);
    EXPECT_EQ(SaveRecord(kBestNormalRecord, 12.5f), FileReport::GoOn);  // told once a run
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"INI File ERROR", "INIファイルに書き込めませんでした", MessageKind::Warning}}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
}

TEST_F(StartUp, ARecordFileThatGoesDuringPlayEndsTheGameAtTheNextWrite)
{
    playTo(Stage::kOpening);
    QFile::remove(path("NP2.INI"));
    Click("mainWindow", "yesButton");
    EXPECT_TRUE(fake.ended);
    EXPECT_EQ(fake.boxes.back(), (Box{".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します", MessageKind::Stop}));
    EXPECT_FALSE(Opened("mainWindow"));  // let go by the main window
    EXPECT_EQ(readFile("NP2.INI"), "<missing>");
}
