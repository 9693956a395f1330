#include "scene/Random.h"

cRandom* g_gameRandom = nullptr;
