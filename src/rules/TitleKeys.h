#pragma once
// The hidden choice on the title window: Down twice chooses ANOTHER, Up four times NORMAL
// again; Left twice switches time attack on, four times off again. Each arrow breaks the
// run of its opposite; other keys break nothing.
#include "rules/GameState.h"
#include "runtime/Input.h"

void CountTitleKey(Key key, TitleKeyRuns& runs, Course& course, bool& timeAttack);
