#include "level/LevelView.h"

cLevelView* g_levelView = nullptr;
