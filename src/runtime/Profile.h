#pragma once
// Profile strings: one key of an INI-style file, read or written as bytes, so that
// everything else in the file (comments in any encoding) stays as it is. A line "[name]"
// opens a section ("[" without "]" opens none), "name = value" is a key, ";" starts a
// comment; lines end in CR LF, LF or CR. Names match without regard to case, blanks
// around names and values are dropped, the first matching section and key win.
#include <QByteArray>
#include <QString>

// The key's value without one pair of enclosing quotes (empty with nothing after "=");
// the fallback when the key, its section or the file is missing.
QByteArray ReadProfileString(const QString& path, const QByteArray& section, const QByteArray& key, const QByteArray& fallback);
// The same in the bytes of a file read already: one reading for several keys.
QByteArray FindProfileString(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                             const QByteArray& fallback);

// Rewrites only the key's line (in the file's own spelling of the name), or adds the key
// at the end of its section, or the section at the end of the file; every other byte
// stays. A value the key already has leaves the file untouched. The file is replaced in
// one step; false when it could not be.
bool WriteProfileString(const QString& path, const QByteArray& section, const QByteArray& key, const QByteArray& value);
