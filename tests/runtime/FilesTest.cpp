#include "runtime/Files.h"

#include "FolderTest.h"

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class ReplacingFiles : public FolderTest {
protected:
    bool replace(const QString& name, const std::string& bytes) { return ReplaceFile(path(name), bytes); }
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

TEST_F(ReplacingFiles, ALinkStaysALinkAndTheTargetKeepsItsPermissions)
{
    writeFile("records.ini", "old");
    ASSERT_TRUE(QFile::link(path("records.ini"), path("NP2.INI")));
    ASSERT_EQ(::chmod(QFile::encodeName(path("records.ini")).constData(), 0640), 0);
    ASSERT_TRUE(replace("NP2.INI", "new"));
    EXPECT_TRUE(QFileInfo(path("NP2.INI")).isSymLink());
    EXPECT_EQ(readFile("records.ini"), "new");
    EXPECT_EQ(QFileInfo(path("records.ini")).permissions(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                  QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup);
}

TEST_F(ReplacingFiles, AKilledWritesLeftoverGoesWithTheNextWriteAndNothingElseDoes)
{
    writeFile("NP2.INI", "old");
    writeFile(".NP2.INI.nurupika2-a1B2c3.tmp", "torn");       // what a kill leaves behind
    writeFile(".NP2.INI.nurupika2-a1B2c3.tmp.mine", "mine");  // not exactly that form
    ASSERT_TRUE(QFile::link(path("NP2.INI"), path(".NP2.INI.nurupika2-Linked.tmp")));  // not an ordinary file
    ASSERT_TRUE(replace("NP2.INI", "new"));
    EXPECT_EQ(entries(), (QStringList{".NP2.INI.nurupika2-Linked.tmp", ".NP2.INI.nurupika2-a1B2c3.tmp.mine", "NP2.INI"}));
}

TEST_F(ReplacingFiles, AWriteThatFailsMidwayLeavesTheOldFileAndNoTemporaryFile)
{
    writeFile("NP2.INI", "old");
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(replace("NP2.INI", std::string(8192, 'x')));
    }
    EXPECT_EQ(readFile("NP2.INI"), "old");
    EXPECT_EQ(entries(), QStringList{"NP2.INI"});
}
