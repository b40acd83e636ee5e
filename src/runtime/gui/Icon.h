#pragma once
#include <QIcon>
#include <QPixmap>

// The game's own icon: nine panels after a click on the centre, and a "２".
QIcon GameIcon();
QPixmap GameIconPixmap(int size);
