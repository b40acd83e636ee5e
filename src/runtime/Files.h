#pragma once
#include <QString>
#include <string>

namespace rt {

// Replaces (or creates) a file in one step: the bytes go to a temporary file in the same
// folder, are flushed to disk and renamed over the target. A crash at any moment leaves
// either the old file or the new one, never a torn one. An existing file keeps its
// permissions; a new one gets the usual ones. False when nothing could be written.
bool ReplaceFile(const std::string& requested, const std::string& bytes);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Set while a replacement is under way, so an ending signal can wait for the rename.
bool ReplacingNow();
void SetEndRequestHandler(void (*handler)());

}  // namespace rt

// The file lookup: the file's name when an ordinary file is at the path, else "".
QString Dir(const QString& path);
