// One quiz draw, as the quiz window's START makes it: prints the milliseconds it took and
// the length of the drawn line.  quiz_draw FILE [TARGET]
#include "rules/Quiz.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const int target = argc > 2 ? std::atoi(argv[2]) : 99;
    const auto start = std::chrono::steady_clock::now();
    const QuizDraw draw = DrawQuizLine(QString::fromLocal8Bit(argv[1]), target);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%.3f %lld\n", took.count(), static_cast<long long>(draw.line.size()));
    return draw.ok ? 0 : 1;
}
