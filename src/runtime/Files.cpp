#include "runtime/Files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdlib>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t replacing = 0;
void (*endRequestHandler)() = nullptr;

bool WriteAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary file of a replacement: hidden, beside the file it replaces, with the
// game's own marker around the random part, so that no name a person gives a file (a
// copy such as "NP2.INI.backup") is ever taken for one.
constexpr char kTempMarker[] = ".nurupika2-";
constexpr char kTempEnd[] = ".tmp";
constexpr std::size_t kRandomLength = 6;  // mkstemps' XXXXXX

std::string NameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TempPattern(const std::string& path)
{
    return FolderOf(path) + "/." + NameOf(path) + kTempMarker + std::string(kRandomLength, 'X') + kTempEnd;
}

bool IsTempName(const std::string& name, const std::string& target)
{
    const std::string head = "." + target + kTempMarker;
    const std::string tail = kTempEnd;
    if (name.size() != head.size() + kRandomLength + tail.size() || name.compare(0, head.size(), head) != 0 ||
        name.compare(name.size() - tail.size(), tail.size(), tail) != 0)
        return false;
    const auto random = name.begin() + static_cast<long>(head.size());
    return std::all_of(random, random + static_cast<long>(kRandomLength),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// A replacement cut short by a kill leaves its temporary file behind; the next one that
// succeeds clears such files away (one game per folder, so none of them is still being
// written). Only ordinary files of exactly that name go.
void RemoveLeftovers(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const std::string target = NameOf(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTempName(entry->d_name, target))
            continue;
        const std::string leftover = folder + "/" + entry->d_name;
        struct stat st {};
        if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(leftover.c_str());
    }
    ::closedir(dir);
}

// The file a write goes to: through symbolic links to the file they name, even when that
// file is not made yet (a link into a synced folder before the first game). Empty when
// the links go round in a circle.
std::string WriteTarget(const std::string& requested)
{
    std::string path = requested;
    for (int hop = 0; hop < 40; ++hop) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            path = real;
            std::free(real);
            return path;
        }
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return std::string();
        target.resize(static_cast<std::size_t>(n));
        if (target[0] != '/')
            target.insert(0, FolderOf(path) + "/");
        path = std::move(target);
    }
    return std::string();
}

struct ReplacingScope {
    ReplacingScope() { replacing = 1; }
    ~ReplacingScope()
    {
        replacing = 0;
        if (endRequestHandler)
            endRequestHandler();  // an ending signal that came during the rename is honoured now
    }
    ReplacingScope(const ReplacingScope&) = delete;
    ReplacingScope& operator=(const ReplacingScope&) = delete;
};

std::string SystemName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

bool detail::ReplacingNow() { return replacing != 0; }
void detail::SetEndRequestHandler(void (*handler)()) { endRequestHandler = handler; }

bool ReplaceFile(const QString& file, const std::string& bytes)
{
    // Write through a symbolic link to the file it names, not over the link.
    const std::string path = WriteTarget(SystemName(file));
    if (path.empty())
        return false;
    struct stat old {};
    const bool exists = ::lstat(path.c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return false;
        // A file without any write permission is read-only, even for the administrator.
        if ((old.st_mode & 0222) == 0)
            return false;
        const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return false;
        ::close(probe);
    }

    ReplacingScope scope;
    const std::string folder = FolderOf(path);
    std::string temp = TempPattern(path);
    const int fd = ::mkstemps(temp.data(), static_cast<int>(sizeof kTempEnd - 1));
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes);
    if (ok)
        ok = ::fchmod(fd, exists ? (old.st_mode & 07777) : NewFileMode()) == 0;
    if (ok && exists && ::geteuid() == 0)
        (void)!::fchown(fd, old.st_uid, old.st_gid);
    if (ok)
        ok = ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    RemoveLeftovers(path);
    return true;
}

ReadResult ReadWholeFile(const QString& path, std::string& bytes)
{
    const std::string name = SystemName(path);
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        struct stat st {};
        return ::stat(name.c_str(), &st) == 0 ? ReadResult::Unreadable : ReadResult::Missing;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadResult::Unreadable;
    }
    bytes.clear();
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return ReadResult::Unreadable;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return ReadResult::Read;
}

bool IsOrdinaryFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

bool MakePrivateFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(path);  // the system's bytes, walked folder by folder
    for (int slash = folder.indexOf('/', 1); slash > 0; slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0700);
    ::mkdir(folder.constData(), 0700);
    struct stat st {};
    return ::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
