#pragma once
#include <QIcon>

namespace rt {
// The game's own icon: nine panels after a click on the centre, and a "２".
QIcon GameIcon();
QPixmap GameIconPixmap(int size);
}  // namespace rt
