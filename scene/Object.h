#pragma once
// The scene object: everything that stands in a level, on the world map or in
// the menu backdrop. The scene widget owns every object in one of its ten
// layer lists, ticks them at a fixed 1/30 s step, draws them layer by layer
// and offers them clicks; the level calls their game operations (jobs, work,
// prices). This base holds what every object has: identity and type, position
// and layer, named animations, the state hooks, the work places and approach
// node that workers use, the one man that may occupy it, the job markers over
// it, a spell effect that follows it, its hint and its file record.
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/Atlas.h"
#include "engine/SpriteBatch.h"
#include "scene/AnimationSet.h"
#include "scene/EmitterStamp.h"
#include "scene/LevelGrid.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"
#include "scene/TypeIds.h"

namespace qor {
class cBitStream;
}

class cBaseWidget;
class cEmitter;
class cNode;
class cNodeObj;
class cObject;
class cSceneServices;

// A layer list owns its objects; moving an object between lists splices it.
using cObjectList = std::list<std::unique_ptr<cObject>>;

inline constexpr int kLayerCount = 10;
// The fixed logic step in seconds.
inline constexpr float kTickSeconds = 0.033333335f;

// States every class shares; classes number their own states from 0 up.
inline constexpr int32_t kStateInitial = -1;
inline constexpr int32_t kStateReady = -99;  // finished: built, repaired, grown, lying
inline constexpr int32_t kStateGone = -100;  // removed by the scene at the end of the tick

// Flags of the file record. Stored in scene files: do not renumber.
inline constexpr uint32_t kFlagReady = 0x1;   // a bridge or building starts finished
inline constexpr uint32_t kFlagMeteor = 0x2;  // a barrier is a stone that falls in later

class cObject {
  public:
    explicit cObject(cBaseWidget* scene);
    virtual ~cObject();
    cObject(const cObject&) = delete;
    cObject& operator=(const cObject&) = delete;

    // --- life -------------------------------------------------------------
    virtual void Tick();
    virtual void Draw();
    // Draws the current sprite as it shows `time` seconds into its animation
    // (classes that show progress pass the progress), then the job markers.
    virtual void DrawAt(float time, float blend);
    virtual void DrawMarkers();
    virtual qor::cVec2 GetHintAnchor() const;

    virtual uint32_t GetTypeId() const { return scene_type::kNone; }
    bool IsKind(uint32_t mask) const { return (mask & GetTypeId()) != 0; }
    uint32_t GetId() const { return id; }
    // Stores the kind and takes the footprint the kind table gives it;
    // classes register their animations and numbers here.
    virtual void SetKind(const std::u16string& kindName);
    // Accepts or refuses a change of state. The base lets go of the grid and
    // the owner's node lists when the object goes.
    virtual bool OnStateChange(int32_t from, int32_t to);
    virtual void SetState(int32_t value);
    // Clamps to 0..9, moves the object to the end of that layer list and
    // takes its work places and approach nodes along.
    virtual void SetLayer(int32_t value);
    int GetLayer() const { return m_layer; }

    // --- animation --------------------------------------------------------
    bool AddAnimation(const std::u16string& animation, const std::u16string& sprite,
                      const std::u16string& texture);
    bool AddAnimation(const std::u16string& animation, const std::u16string& sprite);
    // An unknown name leaves the object without a sprite until another plays.
    void PlayAnimation(const std::u16string& animation, int mode, bool restart);
    void SetAnimationMode(int mode, bool restart);
    void SetAnimationFrame(int32_t frame);
    int GetFrameCount() const { return animations.player.frameCount; }
    virtual float GetAnimationSpeed() const { return 1.0f; }
    const qor::cSpriteInfo& GetSprite() const { return animations.current; }
    int GetFrame() const { return animations.player.frame; }
    bool IsAnimationStopped() const { return animations.player.mode == qor::kAnimStopped; }

    // --- geometry ---------------------------------------------------------
    // The ring under a hovered object: the footprint in cells as a screen
    // rectangle, widened.
    virtual qor::cRectF GetFootprint() const;
    virtual qor::cVec2 GetPosition() const { return {x, y}; }
    // Lower-left corner, width and height of what the object shows now.
    virtual qor::cRectF GetBounds() const;
    // Non-zero when a click at the point picks the object.
    virtual int HitTest(qor::cVec2 /*point*/) const { return 0; }
    void MoveBy(qor::cVec2 delta) { MoveBy(delta.x, delta.y); }
    void MoveBy(float dx, float dy) { SetPosition(x + dx, y + dy); }
    void SetPosition(qor::cVec2 position) { SetPosition(position.x, position.y); }
    // Stores the position and moves the work places and approach nodes along.
    virtual void SetPosition(float newX, float newY);
    virtual void SetAuxValue(float value) { auxValue = value; }
    cCell GetCell() const { return CellOfPoint({x, y}); }
    float GetRadius() const { return GetBounds().w * 0.5f; }

    // --- selection and hints ----------------------------------------------
    virtual int GetSelectable() const { return static_cast<int>(selectable); }
    virtual void SetSelectable(int32_t value) { selectable = value != 0 ? 1 : 0; }
    virtual std::u16string GetHintText() const;

    // --- file record and run state ----------------------------------------
    // Reads the record of a scene file of that version; false when the record
    // cannot be used (the reader then stops reading objects).
    virtual bool Load(qor::cBitStream& stream, uint32_t version);
    virtual void Save(qor::cBitStream& stream) const;
    virtual bool LoadState(qor::cBitStream& /*stream*/, uint32_t /*version*/) { return true; }
    virtual bool SaveState(qor::cBitStream& /*stream*/) const { return true; }

    // --- work places, approach nodes and the occupant ----------------------
    void AddWorkPlace(cNode* node);
    void ClearWorkPlaces() { workPlaces.clear(); }
    virtual int GetFreePlaces() const;
    virtual int GetBusyPlaces() const;
    // Reserves a place for the man: the first free work place, or the object
    // itself when it has none. Null when nothing is free.
    virtual cObject* AssignMan(cObject* man);
    virtual void ReleaseMan(cObject* man);
    std::vector<cObject*> GetAssignedMen() const;
    void AddApproachNode(cNodeObj* node);
    void ClearApproachNodes() { approachNodes.clear(); }
    void SetApproachDirection(int32_t direction);
    int32_t GetApproachDirection() const;
    qor::cVec2 GetApproachPoint() const;
    // The object a walker is heading for or working at; null for everything
    // that does not walk. An occupant whose target moved on is let go.
    virtual cObject* GetTarget() const { return nullptr; }

    // --- jobs -------------------------------------------------------------
    // Applies a worker's work for the time given; true while work remains.
    virtual bool DoWork(float /*seconds*/) { return false; }
    virtual ResourceSet GetPrice() const { return {}; }
    virtual ResourceSet GetProfit() const { return {}; }

    // --- spell effects ----------------------------------------------------
    virtual void ShowSpellEffect(int32_t /*spell*/) {}
    virtual void StopSpellEffect();
    // Lets the emitter follow the object at `offset` for the three seconds a
    // spell shows on it.
    void AttachSpellEffect(cEmitter* emitter, qor::cVec2 offset);
    // The particle groups are emptied when the level is left: an effect made
    // before that went with them and must not be touched.
    bool SpellEffectAlive() const;

    cSceneServices& Services() const;

  protected:
    // The footprint rectangle widened on each side by `widen` of its width
    // (and by `widen` / 2.5 of its width at the top and bottom).
    qor::cRectF WidenedFootprint(float widen) const;

  public:
    // --- fields -----------------------------------------------------------
    cBaseWidget* scene = nullptr;  // the scene that made the object; not owned
    uint32_t id = 0;               // unique in the scene; file links refer to it
    int32_t state = kStateInitial;
    float x = 0.0f;
    float y = 0.0f;
    uint32_t tint = 0xFFFFFFFFu;  // ARGB
    float auxValue = 0.0f;
    std::u16string kind;  // decides sprites and numbers ("stone00", "tree03" ...)
    uint32_t selectable = 0;
    int32_t footprintWidth = 1;   // cells along the grid's i axis
    int32_t footprintHeight = 1;  // cells along the grid's j axis
    cAnimationSet animations;
    std::u16string animationName;
    std::u16string name;  // the story finds objects by it
    std::vector<cNode*> workPlaces;
    std::vector<cNodeObj*> approachNodes;  // only the first is used
    cObject* occupant = nullptr;           // the man working here when there are no work places
    // The cells the object blocks on its level's ground, and the ground's
    // generation they were taken on: only these are given back when it goes.
    cCellRect heldCells;
    uint32_t heldOn = 0;
    uint32_t jobMarkers = 0;               // queued jobs aimed at the object
    uint32_t flags = 0;                    // kFlagReady, kFlagMeteor
    qor::cSpriteInfo markerSprite;
    uint8_t active = 1;
    // Whether the workers can reach the object from their house; the level
    // recounts it whenever the ways across the island change.
    uint8_t reachable = 1;
    cEmitter* spellEffect = nullptr;  // not owned; see SpellEffectAlive()
    qor::cRamp spellTimer;
    qor::cVec2 spellOffset;
    cEmitterStamp spellStamp;  // of spellEffect, when a particle group owns it

  private:
    friend class cBaseWidget;
    int m_layer = kLayerCount - 1;
    // Where the object sits in the scene's lists, for removal in constant time.
    cObjectList::iterator m_slot;
    bool m_listed = false;  // in one of the scene's lists
    bool m_dead = false;    // in the scene's list of removed objects
};
