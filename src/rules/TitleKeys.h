#pragma once
// The hidden choice on the title window: Down twice chooses ANOTHER, Up four times NORMAL
// again; Left twice switches time attack on, four times off again. Each arrow breaks the
// run of its opposite; other keys break nothing.
#include "rules/Course.h"

#include <Qt>

#include <cstdint>

// Runs of arrow-key releases on the title window.
struct TitleKeyRuns {
    std::int16_t down = 0;
    std::int16_t up = 0;
    std::int16_t left = 0;
    std::int16_t right = 0;
};

void CountTitleKey(Qt::Key key, TitleKeyRuns& runs, Course& course, bool& timeAttack);
