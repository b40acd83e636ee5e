#include "rules/GameState.h"

GameState G;
