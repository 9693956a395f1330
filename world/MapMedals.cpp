#include "world/MapMedals.h"

cMapMedals* g_mapMedals = nullptr;
