// The profile-string reader and writer on arbitrary record files.
// Input: section, key and value, each ended by a NUL, then the file's bytes.
#include "FuzzSupport.h"

#include "runtime/Profile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Line {
    std::string text, end;
    bool operator==(const Line& o) const { return text == o.text && end == o.end; }
    bool operator!=(const Line& o) const { return !(*this == o); }
};

// CR LF, LF and CR each end a line; the last line may have no end.
std::vector<Line> Lines(const std::string& b)
{
    std::vector<Line> out;
    std::string text;
    for (size_t i = 0; i < b.size(); ++i) {
        if (b[i] == '\r' || b[i] == '\n') {
            const bool crlf = b[i] == '\r' && i + 1 < b.size() && b[i + 1] == '\n';
            out.push_back({text, crlf ? "\r\n" : std::string(1, b[i])});
            text.clear();
            i += crlf ? 1 : 0;
        } else {
            text += b[i];
        }
    }
    if (!text.empty())
        out.push_back({text, ""});
    return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// A name or value the writer can store and the reader give back unchanged.
bool Plain(const std::string& s, const char* forbidden)
{
    if (s.empty() || IsBlank(s.front()) || IsBlank(s.back()))
        return false;
    return s.find_first_of(forbidden) == std::string::npos;
}

std::string Get(const std::string& section, const std::string& key, const std::string& path)
{
    const QByteArray value = ReadProfileString(QString::fromStdString(path), QByteArray::fromStdString(section),
                                               QByteArray::fromStdString(key), "\n(none)");  // no value can hold a line end
    return value.toStdString();
}

bool Put(const std::string& section, const std::string& key, const std::string& value, const std::string& path)
{
    return WriteProfileString(QString::fromStdString(path), QByteArray::fromStdString(section), QByteArray::fromStdString(key),
                              QByteArray::fromStdString(value));
}

// The key's line as written: in place it keeps the file's own spelling of the key's name.
bool SameEntry(const Line& written, const Line& entry)
{
    const size_t a = written.text.find('='), b = entry.text.find('=');
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        return s;
    };
    return written.end == entry.end && a != std::string::npos && lower(written.text.substr(0, a)) == lower(entry.text.substr(0, b)) &&
           written.text.substr(a) == entry.text.substr(b);
}

// The new file is the old one with the key's line written in place, or added at the end
// of its section, or added with a new section at the end of the file.
void CheckOnlyTheKeyChanged(const std::vector<Line>& before, const std::vector<Line>& after, const Line& entry,
                            const Line& header)
{
    const size_t n = before.size();
    if (after.size() == n) {
        size_t differing = 0;
        for (size_t i = 0; i < n; ++i)
            if (after[i] != before[i]) {
                ++differing;
                FUZZ_CHECK(SameEntry(after[i], entry));
            }
        FUZZ_CHECK(differing <= 1);
        return;
    }
    // A line that was last and had no end gets one when a line is added after it.
    auto same = [&](size_t i, const Line& now, bool nextAdded) {
        return now == before[i] || (nextAdded && i + 1 == n && before[i].end.empty() && now.text == before[i].text && now.end == "\r\n");
    };
    if (after.size() == n + 1) {
        size_t at = 0;
        while (at < n && after[at] == before[at])
            ++at;
        // the added line is at 'at', or the line before it only gained an end
        for (size_t k : {at, at + 1}) {
            if (k > n || after[k] != entry)
                continue;
            bool ok = true;
            for (size_t i = 0; i < n && ok; ++i)
                ok = same(i, after[i < k ? i : i + 1], i + 1 == k);
            if (ok)
                return;
        }
        FUZZ_CHECK(!"one line added, the rest unchanged");
    }
    FUZZ_CHECK(after.size() == n + 2);
    for (size_t i = 0; i < n; ++i)
        FUZZ_CHECK(same(i, after[i], i + 1 == n));
    FUZZ_CHECK(after[n] == header);
    FUZZ_CHECK(after[n + 1] == entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string field[3];
    size_t pos = 0;
    for (auto& f : field) {
        const size_t nul = input.find('\0', pos);
        if (nul == std::string::npos)
            return 0;
        f = input.substr(pos, nul - pos);
        pos = nul + 1;
    }
    const std::string old = input.substr(pos);
    const std::string& section = field[0];
    const std::string& key = field[1];
    const std::string& value = field[2];
    const std::string path = fuzz::ScratchFolder() + "/NP2.INI";
    fuzz::WriteBytes(path, old);

    const std::string before = Get(section, key, path);
    FUZZ_CHECK(Put(section, key, value, path));
    const std::string now = fuzz::ReadBytes(path);
    const std::string& v = value;
    const bool plainValue = v.empty() || (Plain(v, "\r\n") && !((v.front() == '"' || v.front() == '\'') && v.size() >= 2 && v.back() == v.front()));
    if (!Plain(section, "\r\n]") || !Plain(key, "\r\n=;") || key[0] == '[' || !plainValue)
        return 0;  // names and values the file format cannot hold as they are
    FUZZ_CHECK((now == old) == (before == v));  // untouched exactly when the key held the value
    CheckOnlyTheKeyChanged(Lines(old), Lines(now), Line{key + "=" + v, "\r\n"}, Line{"[" + section + "]", "\r\n"});
    FUZZ_CHECK(Get(section, key, path) == v);
    // writing the same again changes nothing
    FUZZ_CHECK(Put(section, key, value, path));
    FUZZ_CHECK(fuzz::ReadBytes(path) == now);
    return 0;
}
