#include "shell/MapMedals.h"

cMapMedals* g_mapMedals = nullptr;
