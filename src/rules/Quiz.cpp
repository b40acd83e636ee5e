#include "rules/Quiz.h"

#include "runtime/Numbers.h"
#include "runtime/TextFile.h"

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
        for (QByteArray line; file.readLine(line);) {
            if (IsQuizLine(line) && ++count == target) {
                draw.line = file.decode(line);
                draw.ok = true;
                return draw;
            }
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
