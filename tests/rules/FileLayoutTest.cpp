#include "rules/FileLayout.h"

#include "FolderTest.h"

#include <QDir>

// A program in games/, an installed quiz in share/games/nurupika2/, the player's folder in data/.
class FileLayoutTest : public FolderTest {
protected:
    FileLayout locate() { return LocateFiles(path("games"), path("data")); }
    void SetUp() override
    {
        FolderTest::SetUp();
        ASSERT_TRUE(QDir(path("")).mkpath("games") && QDir(path("")).mkpath("share/games/nurupika2"));
    }
};

TEST_F(FileLayoutTest, AQuizBesideTheProgramKeepsBothFilesThereOtherwiseTheInstalledOnesAreUsed)
{
    auto all = [this] {
        const FileLayout f = locate();
        return QStringList{f.quizPath, f.recordPath, f.lockFolder, f.folderToMake}.join("|").replace(path(""), "");
    };
    EXPECT_EQ(all(), "games/NP2.DAT|games/NP2.INI|games|");  // neither: the missing quiz is looked for beside the program
    writeFile("share/games/nurupika2/NP2.DAT", "q,a\n");
    EXPECT_EQ(all(), "share/games/nurupika2/NP2.DAT|data/nurupika2/NP2.INI|data/nurupika2|data/nurupika2");
    ASSERT_TRUE(QDir(path("")).mkpath("data/nurupika2"));
    writeFile("data/nurupika2/NP2.DAT", "mine,yes\n");  // the player's own quiz comes first
    EXPECT_EQ(locate().quizPath, path("data/nurupika2/NP2.DAT"));
    writeFile("games/NP2.DAT", "q,a\n");  // a quiz beside the program makes it portable again
    EXPECT_EQ(locate().recordPath, path("games/NP2.INI"));
}
