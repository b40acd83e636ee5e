#pragma once
#include <QIcon>
#include <QPixmap>

// The game's own icon: nine panels after a click on the centre, and a "２".
QIcon GameIcon();
QPixmap GameIconPixmap(int size);

namespace detail {
// Makes the game's icon the application's, the first time a window with a frame or a
// dialog appears: the frameless title window shows none, so it does not wait for it.
void UseGameIcon();
}  // namespace detail
