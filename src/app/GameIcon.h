#pragma once
#include <QIcon>
#include <QPixmap>

// The game's own icon: nine panels after a click on the centre, and a "２".
QIcon GameIcon();
QPixmap GameIconPixmap(int size);

// Makes the game's icon the application's as the first window with a frame or the first
// message box appears: the frameless title window shows none, so it does not wait for it.
void UseGameIconFromFirstFrame();
