#include "rules/TitleKeys.h"

#include "runtime/Counters.h"

void CountTitleKey(Qt::Key key, TitleKeyRuns& runs, Course& course, bool& timeAttack)
{
    switch (key) {
    case Qt::Key_Down:
        Increment(runs.down);
        runs.up = 0;
        break;
    case Qt::Key_Up:
        Increment(runs.up);
        runs.down = 0;
        break;
    case Qt::Key_Left:
        Increment(runs.left);
        runs.right = 0;
        break;
    case Qt::Key_Right:
        Increment(runs.right);
        runs.left = 0;
        break;
    default:
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
