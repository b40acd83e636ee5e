// A game killed while it writes its records leaves the record file as it was before the
// write or as it is after it, never anything in between.
#include "runtime/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
}

// Starts a writer that writes the two values by turns until it is killed, and returns
// once it has replaced the file at least once.
pid_t StartWriter(const QString& path, const QByteArray& a, const QByteArray& b)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {  // this test's process has no other threads: the child may write at once
        for (unsigned long i = 0; WriteProfileString(path, "Kousan", "Kaisu", i % 2 ? a : b); ++i)
            if (i == 1 && ::write(fds[1], "w", 1) != 1)  // one of two writes changed the file
                break;
        ::_exit(1);
    }
    ::close(fds[1]);
    char c = 0;
    const bool started = ::read(fds[0], &c, 1) == 1;
    ::close(fds[0]);
    return started ? pid : -1;
}
}  // namespace

TEST(CrashSafeRecords, AWriterKilledAtRandomMomentsLeavesTheOldOrTheNewFile)
{
    // In memory when it can be: 500 kills then fit in a few seconds and land all over the writing.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/np2-crash-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    const QString ini = dir.path() + "/NP2.INI";
    // Values of different lengths, and a file long enough that a torn copy would show.
    const QByteArray shortValue = "7";
    const QByteArray longValue = "123456789012345678901234567890";
    std::string startingFile = "[Kousan]\r\nKaisu = 0\r\n";
    for (int i = 0; i < 200; ++i)
        startingFile += "; padding line " + std::to_string(i) + " of the record file\r\n";
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(startingFile.data(), static_cast<qint64>(startingFile.size())) > 0);
    f.close();
    // The two versions the file may be in once the writer is under way.
    ASSERT_TRUE(WriteProfileString(ini, "Kousan", "Kaisu", longValue));
    const std::string withLong = ReadAll(ini);
    ASSERT_TRUE(WriteProfileString(ini, "Kousan", "Kaisu", shortValue));
    const std::string withShort = ReadAll(ini);

    const unsigned seed = std::random_device()();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayUs(0, 2000);
    int shortSeen = 0, longSeen = 0;
    for (int i = 0; i < 500; ++i) {
        const pid_t pid = StartWriter(ini, shortValue, longValue);
        ASSERT_GT(pid, 0) << "the writer did not start";
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer stopped by itself";
        const std::string now = ReadAll(ini);
        ASSERT_TRUE(now == withShort || now == withLong) << "kill " << i << " (seed " << seed << ") left:\n" << now;
        (now == withShort ? shortSeen : longSeen) += 1;
    }
    // Both versions turned up, so the kills came at different points of the writing.
    EXPECT_GT(shortSeen * longSeen, 0);
    // A kill between linking the new file into the folder and renaming it over the old
    // one leaves it beside the records, whole.
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const std::string left = ReadAll(dir.filePath(name));
        EXPECT_TRUE(left == withShort || left == withLong) << name.toStdString() << " (seed " << seed << ") is torn";
    }
}
