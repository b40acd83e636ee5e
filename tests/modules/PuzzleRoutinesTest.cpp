#include "GameTest.h"
