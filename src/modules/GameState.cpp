#include "modules/GameState.h"

GameState G;
