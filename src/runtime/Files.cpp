#include "runtime/Files.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
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

// A replacement cut short by a kill leaves its temporary file behind; the next one that
// succeeds clears them away (one game per folder, so none of them is still being written).
void RemoveLeftovers(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const bool temporary = std::all_of(name.begin() + static_cast<long>(prefix.size()), name.end(),
                                           [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
        if (temporary) {
            std::string leftover = folder;
            leftover += '/';
            leftover += name;
            ::unlink(leftover.c_str());
        }
    }
    ::closedir(dir);
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

}  // namespace

bool detail::ReplacingNow() { return replacing != 0; }
void detail::SetEndRequestHandler(void (*handler)()) { endRequestHandler = handler; }

bool ReplaceFile(const std::string& requested, const std::string& bytes)
{
    // Write through a symbolic link to the file it names, not over the link.
    std::string path = requested;
    if (char* real = ::realpath(requested.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
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
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
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

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.clear();
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;
        bytes.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

bool IsOrdinaryFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

bool MakePrivateFolder(const QString& path)
{
    const QByteArray folder = QFile::encodeName(path);
    for (int slash = folder.indexOf('/', 1); slash > 0; slash = folder.indexOf('/', slash + 1))
        ::mkdir(folder.left(slash).constData(), 0700);
    ::mkdir(folder.constData(), 0700);
    struct stat st {};
    return ::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}
