// Start-up and the game's files: every check in its order, each failure with its message.
#include "GameTest.h"

#include "windows/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
const Box kDatMissing{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop};
const Box kIniMissing{".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します", MessageKind::Stop};
}  // namespace

class StartUp : public GameTest {
protected:
    QStringList files() const { return QDir(path("")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
};

TEST_F(StartUp, AFreshFolderGetsTheDefaultRecordFileAndTheTitleWindow)
{
    writeQuiz("日本の首都は？,東京");
    EXPECT_FALSE(Ends(StartGame));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    EXPECT_EQ(G.bestTimeAnother, 9999.0f);
    EXPECT_EQ(G.recordPath, path("NP2.INI"));
    EXPECT_FALSE(G.aborting);
    ASSERT_TRUE(titleWindow->isVisible());
    EXPECT_EQ(titleWindow->handOverTimer.interval(), 2000);
    EXPECT_TRUE(titleWindow->handOverTimer.isRunning());
    EXPECT_EQ(titleWindow->versionLabel.text(), "Ver 0.21");
    EXPECT_EQ(G.course, "NORMAL");
}

TEST_F(StartUp, EachFailureEndsTheGameAtItsStepWithItsMessage)
{
    struct Case {
        const char* name;
        std::function<void()> prepare;
        Box box;
        QStringList filesAfter;
    };
    const Case cases[] = {
        {"no quiz file", [] {}, kDatMissing, {}},
        {"a folder for a quiz file", [this] { QDir(path("")).mkdir("NP2.DAT"); }, kDatMissing, {"NP2.DAT"}},
        {"a second game", [this] { writeQuiz("q,a"); fake.anotherInstance = true; },
         {"二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", MessageKind::Stop}, {"NP2.DAT"}},
        {"a record file that cannot be made",
         [this] {
             writeQuiz("q,a");
             QDir(path("")).mkdir("NP2.INI");
         },
         {"INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop}, {"NP2.DAT", "NP2.INI"}},
        {"a broken record file",
         [this] {
             writeQuiz("q,a");
             writeFile("NP2.INI", WithLine(RecordFile(), "Kaisu = 0", "Kaisu = many"));
         },
         {"INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", MessageKind::Stop},
         {"NP2.DAT", "NP2.INI"}},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        c.prepare();
        EXPECT_TRUE(Ends(StartGame)) << c.name;
        EXPECT_EQ(fake.boxes, std::vector<Box>{c.box}) << c.name;
        EXPECT_EQ(files(), c.filesAfter) << c.name;
        EXPECT_FALSE(titleWindow.isLoaded()) << c.name;
    }
}

TEST_F(StartUp, AnInstalledGameKeepsItsRecordsInThePlayersOwnFolderAndWritesNothingElse)
{
    ASSERT_TRUE(QDir(path("")).mkpath("usr/games") && QDir(path("")).mkpath("usr/share/games/nurupika2"));
    writeFile("usr/share/games/nurupika2/NP2.DAT", "q,a\r\n");
    fake.folder = path("usr/games");
    StartGame();
    EXPECT_TRUE(fake.boxes.empty());
    const QString own = path("home/.local/share/nurupika2");
    EXPECT_EQ(readFile("home/.local/share/nurupika2/NP2.INI"), RecordFile());
    EXPECT_EQ(QFileInfo(own).permissions() & 0x7777, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                       QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    EXPECT_EQ(fake.lockedFolder, own);  // one game at a time per player
    EXPECT_EQ(QDir(path("usr")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), (QStringList{"games", "share"}));
    EXPECT_TRUE(QDir(path("usr/games")).isEmpty());
}

TEST_F(StartUp, AProgramAtTheRootOfTheFileSystemGetsSingleSeparators)
{
    fake.folder = "/";
    EXPECT_TRUE(Ends(StartGame));  // no quiz file at the root
    EXPECT_EQ(G.recordPath, "/NP2.INI");
    EXPECT_EQ(G.quizPath, "/NP2.DAT");
}

TEST_F(StartUp, ARecordFileDeletedDuringPlayEndsTheGameAtTheNextWrite)
{
    startToMainWindow();
    QFile::remove(path("NP2.INI"));
    EXPECT_TRUE(Ends([] { SaveRecord(kSurrenderRecord, std::int32_t{1}); }));
    EXPECT_EQ(fake.boxes.back(), kIniMissing);
    EXPECT_TRUE(G.aborting);
    EXPECT_FALSE(mainWindow.isLoaded());  // let go by the main window
    EXPECT_EQ(readFile("NP2.INI"), "<missing>");
}

TEST_F(StartUp, AFailedWriteIsShownAndTheGameGoesOn)
{
    startToMainWindow();
    ASSERT_EQ(::chmod(QFile::encodeName(path("NP2.INI")).constData(), 0444), 0);
    fake.boxes.clear();
    EXPECT_FALSE(Ends([] { SaveRecord(kSurrenderRecord, std::int32_t{1}); }));
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"INI File ERROR", "INIファイルに書き込めませんでした", MessageKind::Warning}}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
}
