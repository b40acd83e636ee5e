#include "rules/Quiz.h"

#include "runtime/Numbers.h"
#include "runtime/Services.h"
#include "runtime/TextFile.h"

bool IsQuizLine(const QString& line)
{
    return !line.isEmpty() && !line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char(','));
}

QuizDraw DrawQuizLine(const QString& path, int target)
{
    QuizDraw draw;
    TextFileReader file;
    int count = 0;
    ++draw.reads;
    if (!file.open(path))
        return draw;
    while (count != target) {
        if (file.atEnd()) {
            file.close();
            // The end came first, so count is the number of questions: the target wraps
            // round the file, and a second reading stops right at the drawn line.
            if (count == 0 || draw.reads == 2)
                return draw;
            target = (target - 1) % count + 1;
            count = 0;
            ++draw.reads;
            if (!file.open(path))
                return draw;
            continue;
        }
        draw.line = file.readLine();
        if (IsQuizLine(draw.line))
            ++count;
    }
    file.close();
    draw.ok = true;
    return draw;
}

int DrawQuizTarget()
{
    ReseedRandom();
    int target = 0;
    while (target == 0)
        target = WholePart(RandomFraction() * 100.0);
    return target;
}

QuizQuestion SplitQuizLine(const QString& line)
{
    const auto comma = line.indexOf(QLatin1Char(','));
    return {line.left(comma), line.mid(comma + 1)};
}
