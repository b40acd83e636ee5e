#pragma once
// The nine panels of problem 1: a click flips a panel and its neighbours between blue and
// red; the goal is all nine red.
#include "rules/Course.h"
#include "runtime/Random.h"

#include <QString>

#include <array>

enum class PanelColour { Blue, Red };

// Panels 1 to 9 row by row, from the top left: board[0] is panel 1.
using Board = std::array<PanelColour, 9>;

Board AllBlue();
// Flips the panel (1 to 9) and those above, left, right and below it; never diagonals.
Board Flip(Board board, int panel);
bool AllRed(const Board& board);
// Each panel blue or red with equal chance; the random numbers are reseeded per panel.
Board Scramble(RandomSource& random);

// The time from START to all red: 20 seconds on NORMAL, 10 on ANOTHER; the card before
// the panels tells it: "ｽﾀｰﾄﾎﾞﾀﾝを押して開始（制限時間20秒）".
int PanelsTimeLimitSeconds(Course course);
QString PanelsStartText(Course course);
