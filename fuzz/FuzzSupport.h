#pragma once
// Shared by the fuzz targets: a failed check stops the run loudly, and every target has
// a scratch folder of its own (in memory when /dev/shm is there, as files are written
// on every run).
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

#define FUZZ_CHECK(cond)                                                                  \
    do {                                                                                  \
        if (!(cond)) {                                                                    \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (0)

namespace fuzz {

inline std::string ScratchFolder()
{
    static std::string folder = [] {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
        std::string tmpl = std::string(base) + "/np2-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        static std::string removeAtExit;
        removeAtExit = tmpl;
        std::atexit([] {
            ::nftw(removeAtExit.c_str(), [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p); }, 8,
                   FTW_DEPTH | FTW_PHYS);
        });
        return tmpl;
    }();
    return folder;
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

inline std::string ReadBytes(const std::string& path)
{
    std::string bytes;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    char buf[65536];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
        bytes.append(buf, static_cast<size_t>(n));
    ::close(fd);
    return bytes;
}

}  // namespace fuzz
