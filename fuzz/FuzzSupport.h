#pragma once
// Shared by the fuzz targets: a failed check stops the run loudly, and every target has
// a scratch folder of its own (in memory when /dev/shm is there, as files are written
// on every run), removed when the run ends.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

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
    static const QTemporaryDir folder((QFileInfo("/dev/shm").isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
                                      QStringLiteral("/np2-fuzz-XXXXXX"));
    FUZZ_CHECK(folder.isValid());
    return folder.path().toStdString();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    QFile file(QString::fromStdString(path));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
}

}  // namespace fuzz
