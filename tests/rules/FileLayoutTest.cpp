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
    FileLayout f = locate();  // neither: the missing quiz is looked for beside the program
    EXPECT_EQ(f.quizPath + "|" + f.recordPath + "|" + f.lockFolder + "|" + f.folderToMake,
              path("games/NP2.DAT") + "|" + path("games/NP2.INI") + "|" + path("games") + "|");
    writeFile("share/games/nurupika2/NP2.DAT", "q,a\n");
    f = locate();
    EXPECT_EQ(f.quizPath + "|" + f.recordPath + "|" + f.lockFolder + "|" + f.folderToMake,
              path("share/games/nurupika2/NP2.DAT") + "|" + path("data/nurupika2/NP2.INI") + "|" + path("data/nurupika2") + "|" +
                  path("data/nurupika2"));
    ASSERT_TRUE(QDir(path("")).mkpath("data/nurupika2"));
    writeFile("data/nurupika2/NP2.DAT", "mine,yes\n");  // the player's own quiz comes first
    EXPECT_EQ(locate().quizPath, path("data/nurupika2/NP2.DAT"));
    writeFile("games/NP2.DAT", "q,a\n");  // a quiz beside the program makes it portable again
    EXPECT_EQ(locate().recordPath, path("games/NP2.INI"));
}
