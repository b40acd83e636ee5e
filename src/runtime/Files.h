#pragma once
// The game's files, named by QString paths like every path of the game; each turns into
// the system's bytes only at the system call.
#include <QString>

#include <string>

// Replaces (or creates) a file in one step: the bytes go to a hidden temporary file in the
// same folder, are flushed to disk and renamed over the target. A crash at any moment
// leaves either the old file or the new one, never a torn one. A symbolic link stays a
// link and its target is replaced, or made when it is not there yet. An existing file
// keeps its permissions; a new one gets the usual ones. False when nothing could be
// written; nothing is changed then.
bool ReplaceFile(const QString& file, const std::string& bytes);

// Reads a whole ordinary file.
enum class ReadResult { Read, Missing, Unreadable };
ReadResult ReadWholeFile(const QString& path, std::string& bytes);

// True when an ordinary file (not a folder) is at the path.
bool IsOrdinaryFile(const QString& path);

// Makes a folder that only its owner may enter (mode 0700), with any missing parents;
// false when it is not there afterwards.
bool MakePrivateFolder(const QString& path);

namespace detail {
// For the program's ending signals: set while a replacement is under way, and a handler
// called when it is over, so that an ending signal can wait for the rename.
bool ReplacingNow();
void SetEndRequestHandler(void (*handler)());
}  // namespace detail
