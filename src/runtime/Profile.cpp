#include "runtime/Profile.h"

#include "runtime/Files.h"

#include <QList>

#include <optional>

namespace {

// One line of the file as it stands, with its own end: CR LF, LF, CR, or none at the end.
struct Line {
    QByteArray text;
    QByteArray end;
};

QList<Line> SplitLines(const QByteArray& bytes)
{
    QList<Line> lines;
    for (qsizetype at = 0; at < bytes.size();) {
        qsizetype stop = at;
        while (stop < bytes.size() && bytes[stop] != '\r' && bytes[stop] != '\n')
            ++stop;
        const qsizetype endSize = bytes.mid(stop, 2) == "\r\n" ? 2 : stop < bytes.size() ? 1 : 0;
        lines.append({bytes.mid(at, stop - at), bytes.mid(stop, endSize)});
        at = stop + endSize;
    }
    return lines;
}

std::optional<QByteArray> SectionName(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0)
        return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

struct Key {
    QByteArray name;
    std::optional<QByteArray> value;  // none without "="
};

std::optional<Key> KeyOf(const QByteArray& line)
{
    const QByteArray text = line.trimmed();
    if (text.isEmpty() || text.startsWith(';') || SectionName(text))
        return std::nullopt;
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return Key{text, std::nullopt};
    return Key{text.left(equals).trimmed(), text.mid(equals + 1).trimmed()};
}

bool SameName(const QByteArray& a, const QByteArray& b) { return a.toLower() == b.toLower(); }  // ASCII letters

QByteArray Unquote(const QByteArray& v)
{
    const bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    return quoted ? v.mid(1, v.size() - 2) : v;
}

// Where a key is: the lines of its section, [begin, end), and the key's own line.
struct Place {
    qsizetype begin = -1, end = -1, key = -1;
};

Place Find(const QList<Line>& lines, const QByteArray& section, const QByteArray& key)
{
    Place place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i].text);
        if (name && place.begin >= 0) {
            place.end = i;
            return place;
        }
        if (name && SameName(*name, section))
            place.begin = i + 1;
        const auto k = KeyOf(lines[i].text);  // none on a section's line
        if (k && place.begin >= 0 && place.key < 0 && SameName(k->name, key))
            place.key = i;
    }
    if (place.begin >= 0)
        place.end = lines.size();
    return place;
}

}  // namespace

QByteArray FindProfileString(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                             const QByteArray& fallback)
{
    const QList<Line> lines = SplitLines(file);
    const Place place = Find(lines, section, key);
    const auto found = place.key >= 0 ? KeyOf(lines[place.key].text)->value : std::nullopt;
    return found ? Unquote(*found) : fallback;
}

QByteArray ReadProfileString(const QString& path, const QByteArray& section, const QByteArray& key, const QByteArray& fallback)
{
    QByteArray file;
    ReadWholeFile(path, file);  // a file that cannot be read gives the fallback
    return FindProfileString(file, section, key, fallback);
}

bool WriteProfileString(const QString& path, const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    QByteArray file;
    if (ReadWholeFile(path, file) == ReadResult::Unreadable)
        return false;  // never overwrite what we cannot see
    QList<Line> lines = SplitLines(file);
    const Place place = Find(lines, section, key);
    if (place.key >= 0) {
        const Key old = *KeyOf(lines[place.key].text);
        if (old.value && Unquote(*old.value) == value)
            return true;  // the value it already has: the file stays as it is, byte for byte
        lines[place.key] = {old.name + '=' + value, "\r\n"};
    } else {
        // after the section's last non-blank line, so a blank separator stays in place;
        // a new section at the end of the file
        qsizetype at = place.begin >= 0 ? place.begin : lines.size();
        for (qsizetype i = place.begin; i >= 0 && i < place.end; ++i)
            if (!lines[i].text.trimmed().isEmpty())
                at = i + 1;
        if (at > 0 && lines[at - 1].end.isEmpty())
            lines[at - 1].end = "\r\n";  // the file's last line had no end
        lines.insert(at, {key + '=' + value, "\r\n"});
        if (place.begin < 0)
            lines.insert(at, {'[' + section + ']', "\r\n"});
    }
    QByteArray out;
    for (const Line& line : lines)
        out += line.text + line.end;
    return WriteWholeFile(path, out);
}
