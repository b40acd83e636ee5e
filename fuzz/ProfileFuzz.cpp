// The profile-string reader and writer on arbitrary record files.
// Input: section, key and value, each ended by a NUL, then the file's bytes. A key or
// value of the single byte 0x01 stands for a null pointer (remove the section, the key).
#include "FuzzSupport.h"

#include "runtime/Profile.h"

#include <algorithm>
#include <cstring>
#include <memory>
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

std::string Get(const char* section, const char* key, const std::string& path, int size)
{
    std::unique_ptr<char[]> buf(new char[static_cast<size_t>(size)]);  // exactly size: overruns are caught
    std::memset(buf.get(), 0x7f, static_cast<size_t>(size));
    const int n = GetPrivateProfileStringA(section, key, "dflt", buf.get(), size, path.c_str());
    FUZZ_CHECK(n >= 0 && n <= size - 1);
    FUZZ_CHECK(buf[static_cast<size_t>(n)] == '\0');
    if (!section || !key) {
        // a list: names each NUL-ended, then a second NUL (after a cut, two NULs)
        FUZZ_CHECK(n == 0 || buf[static_cast<size_t>(n - 1)] == '\0' || (n == size - 2 && buf[static_cast<size_t>(n + 1)] == '\0'));
    }
    return std::string(buf.get(), static_cast<size_t>(n));
}

void CheckReader(const char* section, const char* key, const std::string& path)
{
    const std::string whole = Get(section, key, path, 1 << 13);
    for (int size : {1, 2, 3, 5, 16}) {
        const std::string cut = Get(section, key, path, size);
        if (section && key) {  // a value is cut to size - 1
            FUZZ_CHECK(cut == whole.substr(0, static_cast<size_t>(size - 1)));
        } else {  // a list is cut to size - 2
            FUZZ_CHECK(whole.size() <= static_cast<size_t>(size - 1) ? cut == whole
                                                                      : cut == whole.substr(0, static_cast<size_t>(std::max(0, size - 2))));
        }
    }
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

// The new file is the old one less one stretch of bytes; every other byte is kept.
// (The lines are not compared: taking out a line between one ended by a lone CR and an
// empty one ended by LF joins those two ends into one CR LF.)
void CheckOnlyAStretchRemoved(const std::string& before, const std::string& after, bool oneLine)
{
    FUZZ_CHECK(after.size() <= before.size());
    size_t head = 0;
    while (head < after.size() && after[head] == before[head])
        ++head;
    const size_t removed = before.size() - after.size();
    FUZZ_CHECK(after.compare(head, std::string::npos, before, head + removed, std::string::npos) == 0);
    if (oneLine) {
        const std::string gone = before.substr(head, removed);
        FUZZ_CHECK(std::count(gone.begin(), gone.end(), '\n') + std::count(gone.begin(), gone.end(), '\r') <= 2);
    }
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
    const char* key = field[1] == "\x01" ? nullptr : field[1].c_str();
    const char* value = field[2] == "\x01" ? nullptr : field[2].c_str();
    const std::string path = fuzz::ScratchFolder() + "/NP2.INI";
    fuzz::WriteBytes(path, old);

    CheckReader(section.c_str(), key, path);
    CheckReader(section.c_str(), nullptr, path);
    CheckReader(nullptr, nullptr, path);

    FUZZ_CHECK(WritePrivateProfileStringA(section.c_str(), key, value, path.c_str()));
    const std::string now = fuzz::ReadBytes(path);
    const std::vector<Line> before = Lines(old), after = Lines(now);
    if (!key) {
        CheckOnlyAStretchRemoved(old, now, false);
        return 0;
    }
    if (!value) {
        CheckOnlyAStretchRemoved(old, now, true);
        return 0;
    }
    const std::string v = value;
    const bool plainValue = v.empty() || (Plain(v, "\r\n") && !((v.front() == '"' || v.front() == '\'') && v.size() >= 2 && v.back() == v.front()));
    if (!Plain(section, "\r\n]") || !Plain(key, "\r\n=") || key[0] == '[' || !plainValue)
        return 0;  // names and values the file format cannot hold as they are
    CheckOnlyTheKeyChanged(before, after, Line{std::string(key) + "=" + v, "\r\n"}, Line{"[" + section + "]", "\r\n"});
    FUZZ_CHECK(Get(section.c_str(), key, path, 1 << 13) == v);
    // writing the same again changes nothing
    FUZZ_CHECK(WritePrivateProfileStringA(section.c_str(), key, value, path.c_str()));
    FUZZ_CHECK(fuzz::ReadBytes(path) == now);
    return 0;
}
