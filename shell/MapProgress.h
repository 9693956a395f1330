#pragma once
// A profile's world-map progress: its file "map.dat" and the world map that
// shows it. The map reads what it can of the file; a file it cannot read
// whole (damaged, or written for another map) is kept on disk as it was, and
// is only replaced once the player has earned something new on the map. Then
// its bytes are first kept beside it as "map.dat.bak", so no progress a player
// ever had is lost.
#include <cstdint>
#include <vector>

#include "engine/Path.h"

class cMapWidget;

class cMapProgress {
  public:
    // Reads the file into the map. Without the file (or with an empty one) the
    // map starts over from its map file: only the first level is open.
    void Load(const qor::cPath& file, cMapWidget& map);
    // Writes the map's progress to the file; false when nothing was written.
    bool Save(const qor::cPath& file, const qor::cPath& backup, const cMapWidget& map);

    // The file was not read whole and is being kept as it was.
    bool KeepsDamagedFile() const { return m_keeping; }

  private:
    bool m_keeping = false;
    std::vector<uint8_t> m_unread;       // the file as it was, when it could be read at all
    std::vector<uint8_t> m_shownAtLoad;  // the progress the map showed after reading it
};

// The map's progress as "map.dat" holds it.
std::vector<uint8_t> EncodeMapProgress(const cMapWidget& map);
