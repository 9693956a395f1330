#include "world/MapMedals.h"

#include "world/Point.h"

cMapMedals* g_mapMedals = nullptr;

bool MapShowsMedal(int level) {
    return g_mapMedals && g_mapMedals->GetMedal(level) >= kMedalBronze;
}
