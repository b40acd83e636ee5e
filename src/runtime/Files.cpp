#include "runtime/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    // through symbolic links to the file they name, even one not made yet
    QFileInfo target(path);
    for (int hop = 0; target.isSymLink(); ++hop) {
        if (hop == 40)
            return false;  // the links go round in a circle
        target.setFile(target.symLinkTarget());
    }
    // A file without any write permission is read-only, even for the administrator,
    // whom QSaveFile would let replace it.
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (target.exists() && !(target.permissions() & anyWrite))
        return false;
    QSaveFile file(target.filePath());
    // Unbuffered: a write that fails only when a buffer is flushed would still be committed.
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() && file.commit();
}

ReadResult ReadWholeFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.exists())
        return ReadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return ReadResult::Unreadable;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? ReadResult::Read : ReadResult::Unreadable;
}

bool IsOrdinaryFile(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.exists() && info.isFile();
}

bool MakePrivateFolder(const QString& path)
{
    if (const QString parent = QFileInfo(path).path(); parent != path && !QFileInfo::exists(parent))
        MakePrivateFolder(parent);
    QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QFileInfo(path).isDir();
}
