#include "shell/MapProgress.h"

cMapProgress* g_mapProgress = nullptr;
