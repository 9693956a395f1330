#pragma once
// The player's way across the world map as the results screen records it:
// the medal of each level point and which level comes next. The world map
// answers; it registers itself as g_mapMedals for as long as it exists.
//
// Medal states: 0 locked, 1 open, 2 bronze, 3 silver, 4 gold. Do not
// renumber: they are stored in every player's map progress.
#include <cstdint>

class cMapMedals {
  public:
    virtual ~cMapMedals() = default;
    // The medal state of level `level` (0-based); 0 for a level without a point.
    virtual int32_t GetMedal(int level) const = 0;
    // Raises the level's medal state to `medal`; a medal never goes down.
    virtual void SetMedal(int level, int32_t medal) = 0;
    // Opens every level up to `level` and makes it the chosen one.
    virtual void OpenLevel(int level) = 0;
};

// The world map; null while none exists.
extern cMapMedals* g_mapMedals;

// Whether the world map shows a medal on level `level` (0-based): the level
// was won before. False while no map exists.
bool MapShowsMedal(int level);
