#include "rules/Panels.h"

#include "runtime/Numbers.h"

#include <algorithm>

namespace {
PanelColour Flipped(PanelColour c) { return c == PanelColour::Blue ? PanelColour::Red : PanelColour::Blue; }
}  // namespace

Board AllBlue()
{
    Board board;
    board.fill(PanelColour::Blue);
    return board;
}

Board Flip(Board board, int panel)
{
    const int row = (panel - 1) / 3;
    const int column = (panel - 1) % 3;
    auto flip = [&](int r, int c) {
        if (r >= 0 && r < 3 && c >= 0 && c < 3) {
            PanelColour& p = board.at(static_cast<size_t>(r) * 3 + static_cast<size_t>(c));
            p = Flipped(p);
        }
    };
    flip(row, column);
    flip(row - 1, column);
    flip(row, column - 1);
    flip(row, column + 1);
    flip(row + 1, column);
    return board;
}

bool AllRed(const Board& board)
{
    return std::all_of(board.begin(), board.end(), [](PanelColour c) { return c == PanelColour::Red; });
}

Board Scramble(RandomSource& random)
{
    Board board;
    for (PanelColour& panel : board) {
        random.reseed();
        const int digit = WholePart(random.fraction() * 10.0);
        panel = digit % 2 == 0 ? PanelColour::Blue : PanelColour::Red;
    }
    return board;
}

int PanelsTimeLimitSeconds(Course course) { return course == Course::Another ? 10 : 20; }

QString PanelsStartText(Course course)
{
    return QString("ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間%1秒）").arg(PanelsTimeLimitSeconds(course));
}
