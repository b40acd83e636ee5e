#include "rules/Quiz.h"

#include "runtime/Numbers.h"
#include "runtime/TextFile.h"

#include <algorithm>
#include <cstring>
#include <string>

bool IsQuizLine(const QString& line)
{
    return !line.isEmpty() && !line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char(','));
}

namespace {
// What counting needs of a line, gathered as its bytes go by: whether it is a question
// is the same on the bytes as on the text, since "#" and "," are never part of a longer
// character. Only a first line that starts with a byte-order mark needs the encoding.
struct Line {
    std::size_t length = 0;
    std::string head;  // the first four bytes
    bool comma = false;
    bool keep = false;
    std::string bytes;  // the whole line, only when kept
};

bool IsQuestion(const Line& line, bool first, TextFileReader& file)
{
    std::size_t skip = 0;
    if (first && line.head.compare(0, 3, "\xEF\xBB\xBF") == 0 && file.isUtf8())
        skip = 3;  // the mark is dropped
    return line.length > skip && line.head[skip] != '#' && line.comma;
}
}  // namespace

QuizDraw DrawQuizLine(const QString& path, int target)
{
    QuizDraw draw;
    // The first reading stops at the target, or counts the questions when the end comes
    // first; then the target wraps round and a second reading stops right at it.
    for (draw.reads = 1; draw.reads <= 2; ++draw.reads) {
        TextFileReader file;
        if (!file.open(path))
            return draw;
        int count = 0;
        bool first = true;
        for (;;) {
            Line line;
            line.keep = count + 1 == target;  // only the line that may be drawn is kept whole
            const bool read = file.readLine([&line](const char* bytes, std::size_t n) {
                if (line.head.size() < 4)
                    line.head.append(bytes, std::min<std::size_t>(n, 4 - line.head.size()));
                line.length += n;
                line.comma = line.comma || std::memchr(bytes, ',', n) != nullptr;
                if (line.keep)
                    line.bytes.append(bytes, n);
            });
            if (!read)
                break;
            if (IsQuestion(line, first, file) && ++count == target) {
                draw.line = file.decode(line.bytes, first);
                draw.ok = true;
                return draw;
            }
            first = false;
        }
        if (file.failed() || count == 0 || draw.reads == 2)
            return draw;
        target = (target - 1) % count + 1;
    }
    return draw;
}

int DrawQuizTarget(RandomSource& random)
{
    random.reseed();
    int target = 0;
    while (target == 0)
        target = WholePart(random.fraction() * 100.0);
    return target;
}

QString QuizTimeLimitText() { return "制限時間 " + FullWidthDigits(kQuizTimeLimitSeconds) + "秒"; }

QuizQuestion SplitQuizLine(const QString& line)
{
    const auto comma = line.indexOf(QLatin1Char(','));
    return {line.left(comma), line.mid(comma + 1)};
}
