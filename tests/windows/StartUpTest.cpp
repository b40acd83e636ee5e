// Start-up and the game's files: every check in its order, each failure with its message.
#include "GameTest.h"

#include "windows/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

class StartUp : public GameTest {
protected:
    QStringList files(const QString& folder = "") const
    {
        return QDir(path(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    }
};

TEST_F(StartUp, AFreshFolderGetsTheDefaultRecordFileAndTheTitleWindowForTwoSeconds)
{
    writeQuiz("日本の首都は？,東京");
    EXPECT_FALSE(Ends(StartGame));
    EXPECT_TRUE(fake.boxes.empty() && !G.aborting && G.bestTimeAnother == 9999.0f && G.course == "NORMAL");
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    EXPECT_EQ(fake.lockedFolder, fake.folder);  // one game at a time per program folder
    ASSERT_TRUE(titleWindow->isVisible() && titleWindow->handOverTimer->isActive());
    EXPECT_EQ(titleWindow->handOverTimer->interval(), 2000);
    EXPECT_EQ(titleWindow->versionLabel->text(), "Ver 0.21");
}

TEST_F(StartUp, EachFailureEndsTheGameAtItsStepWithItsMessage)
{
    const Box datMissing{".DAT Don't Exist", "DATファイルが無くなっています\r\n実行を中断します", MessageKind::Stop};
    struct Case {
        const char* name;
        std::function<void()> prepare;
        Box box;
        QStringList filesAfter;
    };
    const Case cases[] = {
        {"no quiz file", [] {}, datMissing, {}},
        {"a folder for a quiz file", [this] { QDir(path("")).mkdir("NP2.DAT"); }, datMissing, {"NP2.DAT"}},
        {"a second game", [this] { writeQuiz("q,a"), fake.anotherInstance = true; },
         {"二重起動ERROR", "『ぬるぴか』の二重起動は出来ません", MessageKind::Stop}, {"NP2.DAT"}},
        {"a record file that cannot be made", [this] { writeQuiz("q,a"), QDir(path("")).mkdir("NP2.INI"); },
         {"INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop}, {"NP2.DAT", "NP2.INI"}},
        {"a record file linked into a folder that is not there",
         [this] { writeQuiz("q,a"), QFile::link(path("Gone/NP2.INI"), path("NP2.INI")); },
         {"INI File ERROR", "INIファイルを作成できませんでした\r\n実行を中断します", MessageKind::Stop}, {"NP2.DAT", "NP2.INI"}},
        {"a broken record file", [this] { writeQuiz("q,a"), writeFile("NP2.INI", WithLine(RecordFile(), "Kaisu = 0", "Kaisu = x")); },
         {"INI File ERROR", "INIファイルが壊れている可能性があります。削除するか修正してください", MessageKind::Stop},
         {"NP2.DAT", "NP2.INI"}},
    };
    for (const Case& c : cases) {
        TearDown();  // a fresh folder and game for each case
        SetUp();
        c.prepare();
        EXPECT_TRUE(Ends(StartGame)) << c.name;
        EXPECT_EQ(fake.boxes, std::vector<Box>{c.box}) << c.name;
        EXPECT_EQ(files(), c.filesAfter) << c.name;
        EXPECT_FALSE(titleWindow.isLoaded()) << c.name;
    }
    fake.folder = "/";  // at the root of the file system the paths get single separators
    EXPECT_TRUE(Ends(StartGame));
    EXPECT_EQ(G.recordPath + G.quizPath, "/NP2.INI/NP2.DAT");
}

TEST_F(StartUp, ARecordFileThatGoesDuringPlayEndsTheGameAtTheNextWriteAndOneThatCannotBeWrittenIsReported)
{
    startToMainWindow();
    ASSERT_EQ(::chmod(QFile::encodeName(path("NP2.INI")).constData(), 0444), 0);
    fake.boxes.clear();
    EXPECT_FALSE(Ends([] { SaveRecord(kSurrenderRecord, std::int32_t{1}); }));  // the game goes on
    EXPECT_EQ(fake.boxes, (std::vector<Box>{{"INI File ERROR", "INIファイルに書き込めませんでした", MessageKind::Warning}}));
    EXPECT_EQ(readFile("NP2.INI"), RecordFile());
    QFile::remove(path("NP2.INI"));
    EXPECT_TRUE(Ends([] { SaveRecord(kSurrenderRecord, std::int32_t{1}); }));
    EXPECT_EQ(fake.boxes.back(), (Box{".INI Don't Exist", "INIファイルが無くなっています\r\n実行を中断します", MessageKind::Stop}));
    EXPECT_TRUE(G.aborting && !mainWindow.isLoaded());  // let go by the main window
    EXPECT_EQ(readFile("NP2.INI"), "<missing>");
}
