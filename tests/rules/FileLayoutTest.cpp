#include "rules/FileLayout.h"

#include "FolderTest.h"

#include <QDir>

// A program in games/, an installed quiz in share/games/nurupika2/, the player's folder in data/.
class FileLayoutTest : public FolderTest {};

TEST_F(FileLayoutTest, AQuizBesideTheProgramKeepsBothFilesThereOtherwiseTheInstalledOnesAreUsed)
{
    ASSERT_TRUE(QDir(path("")).mkpath("games") && QDir(path("")).mkpath("share/games/nurupika2") && QDir(path("")).mkpath("data/nurupika2"));
    auto all = [this] {
        const FileLayout f = LocateFiles(path("games"), path("data"));
        return QStringList{f.quizPath, f.recordPath, f.lockFolder, f.folderToMake}.join("|").replace(path(""), "");
    };
    EXPECT_EQ(all(), "games/NP2.DAT|games/NP2.INI|games|");  // neither: the missing quiz is looked for beside the program
    writeFile("share/games/nurupika2/NP2.DAT", "q,a\n");
    EXPECT_EQ(all(), "share/games/nurupika2/NP2.DAT|data/nurupika2/NP2.INI|data/nurupika2|data/nurupika2");
    writeFile("data/nurupika2/NP2.DAT", "mine,yes\n");  // the player's own quiz comes first
    EXPECT_EQ(all(), "data/nurupika2/NP2.DAT|data/nurupika2/NP2.INI|data/nurupika2|data/nurupika2");
    writeFile("games/NP2.DAT", "q,a\n");  // a quiz beside the program makes it portable again
    EXPECT_EQ(all(), "games/NP2.DAT|games/NP2.INI|games|");
    EXPECT_EQ(LocateFiles("/", "/data").recordPath, "/NP2.INI");  // one separator at the root
}
