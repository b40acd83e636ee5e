#include "rules/TitleKeys.h"

#include "runtime/Counters.h"

void CountTitleKey(Key key, TitleKeyRuns& runs, Course& course, bool& timeAttack)
{
    switch (key) {
    case Key::Down:
        Increment(runs.down);
        runs.up = 0;
        break;
    case Key::Up:
        Increment(runs.up);
        runs.down = 0;
        break;
    case Key::Left:
        Increment(runs.left);
        runs.right = 0;
        break;
    case Key::Right:
        Increment(runs.right);
        runs.left = 0;
        break;
    case Key::Other:
        break;
    }
    if (runs.down == 2)
        course = Course::Another;
    if (runs.up == 4)
        course = Course::Normal;
    if (runs.left == 2)
        timeAttack = true;
    if (runs.left == 4) {
        timeAttack = false;
        runs.left = 0;
    }
}
