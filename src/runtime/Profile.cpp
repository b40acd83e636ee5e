#include "runtime/Profile.h"

#include "runtime/Files.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One line of the file as it stands, with its own line end.
struct Line {
    std::string text;  // without the line end
    std::string end;   // "\r\n", "\n", "\r" or "" on a last line without one
};

std::vector<Line> SplitLines(const std::string& bytes)
{
    std::vector<Line> lines;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t j = i;
        while (j < bytes.size() && bytes[j] != '\r' && bytes[j] != '\n')
            ++j;
        Line line{bytes.substr(i, j - i), ""};
        if (j < bytes.size()) {
            if (bytes[j] == '\r' && j + 1 < bytes.size() && bytes[j + 1] == '\n')
                line.end = "\r\n";
            else
                line.end = std::string(1, bytes[j]);
            j += line.end.size();
        }
        lines.push_back(std::move(line));
        i = j;
    }
    return lines;
}

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && Blank(s[b]))
        ++b;
    while (e > b && Blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// What a line is to the profile functions.
struct Parsed {
    enum Kind { Other, Section, Entry } kind = Other;
    std::string name;   // section or key name, trimmed
    bool hasValue = false;
    std::string value;  // trimmed
};

Parsed Parse(const std::string& text)
{
    Parsed p;
    const std::string t = Trim(text);
    if (t.empty())
        return p;
    const auto close = t.find(']');
    if (t[0] == '[' && close != std::string::npos) {  // without its "]" it opens no section
        p.kind = Parsed::Section;
        p.name = Trim(t.substr(1, close - 1));
        return p;
    }
    p.kind = Parsed::Entry;
    const auto eq = t.find('=');
    if (eq == std::string::npos) {
        p.name = t;
        return p;
    }
    p.name = Trim(t.substr(0, eq));
    p.hasValue = true;
    p.value = Trim(t.substr(eq + 1));
    return p;
}

// Index range [begin, end) of the lines that belong to the first section of that name
// (the header line excluded); begin = npos when there is none.
struct Range {
    size_t header = std::string::npos;
    size_t begin = std::string::npos;
    size_t end = std::string::npos;
};

Range FindSection(const std::vector<Line>& lines, const std::string& section)
{
    Range r;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Parsed p = Parse(lines[i].text);
        if (p.kind != Parsed::Section)
            continue;
        if (r.begin != std::string::npos) {
            r.end = i;
            return r;
        }
        if (SameName(p.name, section)) {
            r.header = i;
            r.begin = i + 1;
        }
    }
    if (r.begin != std::string::npos)
        r.end = lines.size();
    return r;
}

size_t FindKey(const std::vector<Line>& lines, const Range& r, const std::string& key)
{
    if (r.begin == std::string::npos)
        return std::string::npos;
    for (size_t i = r.begin; i < r.end; ++i) {
        const Parsed p = Parse(lines[i].text);
        if (p.kind == Parsed::Entry && SameName(p.name, key))
            return i;
    }
    return std::string::npos;
}

std::string Unquote(const std::string& v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Copies text into the buffer as the system function does: truncated to size - 1 and
// NUL-ended; returns the count copied.
int CopyOut(const std::string& text, char* buffer, int size)
{
    const size_t room = static_cast<size_t>(size - 1);
    const size_t n = std::min(text.size(), room);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// A list of names, each NUL-ended, then a second NUL. When it does not fit, it is cut and
// ended by two NULs, and the count is size - 2.
int CopyList(const std::vector<std::string>& names, char* buffer, int size)
{
    std::string all;
    for (const auto& n : names) {
        all += n;
        all += '\0';
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    if (all.size() + 1 <= static_cast<size_t>(size)) {
        std::memcpy(buffer, all.data(), all.size());
        buffer[all.size()] = '\0';
        return static_cast<int>(all.size());
    }
    const size_t n = static_cast<size_t>(size) - 2;
    std::memcpy(buffer, all.data(), n);
    buffer[n] = '\0';
    buffer[n + 1] = '\0';
    return size - 2;
}

std::string DefaultText(const char* def)
{
    // The system function drops trailing blanks of the default.
    std::string d = def ? def : "";
    while (!d.empty() && Blank(d.back()))
        d.pop_back();
    return d;
}

}  // namespace

int GetPrivateProfileStringA(const char* section, const char* key, const char* def, char* buffer, int size,
                             const char* path)
{
    if (!buffer || size <= 0)
        return 0;
    std::string bytes;
    const bool readable = path && ReadWholeFile(QFile::decodeName(path), bytes) == ReadResult::Read;
    const std::vector<Line> lines = readable ? SplitLines(bytes) : std::vector<Line>{};

    if (!section) {
        std::vector<std::string> names;
        for (const auto& l : lines) {
            const Parsed p = Parse(l.text);
            if (p.kind == Parsed::Section)
                names.push_back(p.name);
        }
        return CopyList(names, buffer, size);
    }
    const Range r = FindSection(lines, section);
    if (!key) {
        std::vector<std::string> names;
        if (r.begin != std::string::npos) {
            for (size_t i = r.begin; i < r.end; ++i) {
                const Parsed p = Parse(lines[i].text);
                if (p.kind == Parsed::Entry && p.hasValue)
                    names.push_back(p.name);
            }
        }
        return CopyList(names, buffer, size);
    }
    const size_t at = FindKey(lines, r, key);
    if (at != std::string::npos) {
        const Parsed p = Parse(lines[at].text);
        if (p.hasValue)
            return CopyOut(Unquote(p.value), buffer, size);
    }
    return CopyOut(DefaultText(def), buffer, size);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* path)
{
    if (!section || !path)
        return false;
    const QString file = QFile::decodeName(path);  // the C interface's path, as the game's other paths
    std::string bytes;
    switch (ReadWholeFile(file, bytes)) {
    case ReadResult::Read: break;
    case ReadResult::Missing: bytes.clear(); break;
    case ReadResult::Unreadable: return false;  // never overwrite what we cannot see
    }
    std::vector<Line> lines = SplitLines(bytes);
    const Range r = FindSection(lines, section);

    if (!key) {  // remove the section
        if (r.header == std::string::npos)
            return true;
        lines.erase(lines.begin() + static_cast<long>(r.header), lines.begin() + static_cast<long>(r.end));
    } else {
        const size_t at = FindKey(lines, r, key);
        if (!value) {  // remove the key
            if (at == std::string::npos)
                return true;
            lines.erase(lines.begin() + static_cast<long>(at));
        } else {
            const Line entry{std::string(key) + "=" + value, "\r\n"};
            if (at != std::string::npos) {
                const Parsed p = Parse(lines[at].text);
                if (p.hasValue && Unquote(p.value) == value)
                    return true;  // the value it already has: the file stays as it is, byte for byte
                lines[at] = Line{p.name + "=" + value, "\r\n"};  // in the file's own spelling of the name
            } else if (r.begin != std::string::npos) {
                // after the section's last non-blank line, so a blank separator stays in place
                size_t insertAt = r.begin;
                for (size_t i = r.begin; i < r.end; ++i)
                    if (!Trim(lines[i].text).empty())
                        insertAt = i + 1;
                if (insertAt > 0 && lines[insertAt - 1].end.empty())
                    lines[insertAt - 1].end = "\r\n";
                lines.insert(lines.begin() + static_cast<long>(insertAt), entry);
            } else {
                if (!lines.empty() && lines.back().end.empty())
                    lines.back().end = "\r\n";
                lines.push_back(Line{"[" + std::string(section) + "]", "\r\n"});
                lines.push_back(entry);
            }
        }
    }
    std::string out;
    for (const auto& l : lines)
        out += l.text + l.end;
    return ReplaceFile(file, out);
}
