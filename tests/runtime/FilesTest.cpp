#include "runtime/Files.h"

#include "FolderTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class WritingFiles : public FolderTest {
protected:
    bool write(const QString& name, const QByteArray& bytes) { return WriteWholeFile(path(name), bytes); }
};

// Lowers the largest file this process may write, as a full disk would stop it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of killing
        rlimit lower = saved_;
        lower.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
}  // namespace

TEST_F(WritingFiles, AReadOnlyFileAFolderAndLinksInACircleAreNotWritten)
{
    writeFile("NP2.INI", "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("NP2.INI")).constData(), 0444), 0);
    EXPECT_FALSE(write("NP2.INI", "new"));  // even for the administrator
    EXPECT_EQ(readFile("NP2.INI"), "old");
    ASSERT_TRUE(QDir(path("")).mkdir("folder"));
    EXPECT_FALSE(write("folder", "new"));
    ASSERT_TRUE(QFile::link(path("b"), path("a")) && QFile::link(path("a"), path("b")));
    EXPECT_FALSE(write("a", "new"));
    EXPECT_TRUE(QFileInfo(path("a")).isSymLink());
    EXPECT_EQ(entries(), (QStringList{"NP2.INI", "a", "b", "folder"}));
}

TEST_F(WritingFiles, AWriteThatFailsMidwayLeavesTheOldFileAndNoTemporaryFile)
{
    writeFile("NP2.INI", "old");
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(write("NP2.INI", QByteArray(8192, 'x')));
    }
    EXPECT_EQ(readFile("NP2.INI"), "old");
    EXPECT_EQ(entries(), QStringList{"NP2.INI"});
}
