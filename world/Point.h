#pragma once
// A level's point on the world map. Its record names the level it opens (from
// 0); its run state, which each player's map progress keeps, is the medal the
// level has earned and whether it is the chosen one. A locked point plays an
// animation that does not exist, so it is invisible and cannot be hit; the
// chosen one carries the animated "map_current" marker above it.
#include "engine/AnimPlayer.h"
#include "scene/Object.h"

// Medal states of a level point. Stored in every player's map progress and
// passed by the finish screen: do not renumber.
inline constexpr int32_t kMedalLocked = 0;
inline constexpr int32_t kMedalOpen = 1;
inline constexpr int32_t kMedalBronze = 2;
inline constexpr int32_t kMedalSilver = 3;
inline constexpr int32_t kMedalGold = 4;

class cPoint : public cObject {
  public:
    // Starts complete (-99), locked and not chosen.
    explicit cPoint(cBaseWidget* scene);

    static constexpr uint32_t kType = scene_type::kPoint;
    uint32_t GetTypeId() const override { return kType; }

    // Looks up the marker and registers the sprite of every medal state, plain
    // and hovered; then shows nothing until the first tick picks the state's.
    void SetKind(const std::u16string& kindName) override;
    // The marker runs; the medal state's animation shows, hovered or not.
    void Tick() override;
    void Draw() override;
    // Points never touch a grid or node list, whatever their state.
    bool OnStateChange(int32_t /*from*/, int32_t /*to*/) override { return true; }
    int HitTest(qor::cVec2 point) const override;
    // "Level 7" for level 6.
    std::u16string GetHintText() const override;

    bool Load(qor::cBitStream& stream, uint32_t version) override;
    void Save(qor::cBitStream& stream) const override;
    // A record whose medal is not a medal state, or whose chosen flag is not
    // 0 or 1, or that is cut short, is refused and changes nothing: damaged
    // progress must not open a level.
    bool LoadState(qor::cBitStream& stream, uint32_t version) override;
    bool SaveState(qor::cBitStream& stream) const override;

    // The animation the medal state shows: "start", "bronzeh" ...; "none" for
    // a locked point.
    static std::u16string AnimationFor(int32_t medal, bool hovered);
    bool IsHovered() const;

    int32_t level = 0;  // index of the level, from 0; players see it plus one
    int32_t medal = kMedalLocked;
    uint8_t current = 0;  // the chosen level
    // The chosen level's marker. (Not the job marker of the object base, which
    // a point never shows: these two hide the base's name on purpose.)
    qor::cSpriteInfo markerSprite;
    qor::cAnimPlayer markerPlayer;
};
