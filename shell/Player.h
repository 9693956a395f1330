#pragma once
// The game's player profile: the record in "player.dat" (name, hint switch,
// score and statistics) and the world-map progress in "map.dat", both in the
// profile's own folder, plus the resources of the level being played.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Path.h"
#include "scene/ResourceSet.h"
#include "shell/MapProgress.h"
#include "shell/PlayerBase.h"

namespace qor {
class cBitStream;
}

inline constexpr char16_t kPlayerFile[] = u"player.dat";
inline constexpr char16_t kMapFile[] = u"map.dat";
// Where a map progress that could not be read whole goes once it is replaced.
inline constexpr char16_t kMapBackupFile[] = u"map.dat.bak";
// The record version this game writes. Version 1 records lack the statistics.
inline constexpr int32_t kPlayerRecordVersion = 2;

class cPlayer : public cPlayerBase {
  public:
    // `folder` is the folder's own name ("plr003"), not a path.
    explicit cPlayer(std::u16string folder);

    bool Load() override;
    bool Save() override;
    // Hands "map.dat" to the game's world map; without the file the map
    // starts over.
    bool LoadMap() override;
    // Writes the world map's progress to "map.dat" (once the shutdown has
    // saved it, never again).
    bool SaveMap() override;
    bool DeleteFiles() override;
    const std::u16string& GetName() const override { return name; }
    std::u16string GetNameCopy() const override { return name; }
    virtual void ResetLevelStats();

    // The record as stored in "player.dat" (always the current version), and
    // back. Decoding never fails: missing bytes read as 0, a name length with
    // its top bit set reads as an empty name, and a name longer than the data
    // stops at its end.
    void EncodeRecord(qor::cBitStream* out) const;
    void DecodeRecord(qor::cBitStream* in);

    // "{AppPath}/profile/<folder>/<file>"; the folder is made when missing.
    qor::cPath FilePath(std::u16string_view file) const;
    qor::cPath FolderPath() const;

    std::u16string folder;
    std::u16string name;
    int32_t version = kPlayerRecordVersion;
    int mapSaved = 0;  // the shutdown has written the map already
    ResourceSet resources{};
    bool reserved = true;
    bool showHints = true;
    int32_t score = 0;
    float levelTime = 0.0f;
    int32_t builds = 0;
    int32_t earned = 0;

    // The world map's side of "map.dat", while the game has a world map.
    cMapProgress mapProgress;
    // Without a world map (the profile on its own, in tools and tests) the
    // progress is kept exactly as read and written back unchanged, so that
    // no medal is ever lost.
    std::vector<uint8_t> mapBytes;
};
