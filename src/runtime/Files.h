#pragma once
// The game's files, named by QString paths like every path of the game.
#include <QByteArray>
#include <QString>

// Writes a whole file in one step: a crash at any moment leaves the old file or the new
// one, never a torn one. A symbolic link stays a link and the file it names is written,
// made when it is not there yet. An existing file keeps its permissions. False when
// nothing could be written (a read-only file, a folder, a full disk, links in a circle);
// nothing has changed then.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// Reads a whole ordinary file.
enum class ReadResult { Read, Missing, Unreadable };
ReadResult ReadWholeFile(const QString& path, QByteArray& bytes);

// True when an ordinary file (not a folder) is at the path.
bool IsOrdinaryFile(const QString& path);

// Makes a folder that only its owner may enter, with any missing parents; false when it
// is not there afterwards.
bool MakePrivateFolder(const QString& path);
