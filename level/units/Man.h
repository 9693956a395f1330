#pragma once
// Everything that walks: a man follows a list of world points at a speed,
// turns its animation toward the way it goes and notices when it arrives.
// `cWalkman` sits between it and the worker and adds nothing. Neither is
// ever stored in a file; the worker, the hero and the enemies build on them.
#include <cstdint>
#include <string>
#include <vector>

#include "scene/Object.h"
#include "engine/Ramp.h"
#include "scene/ResourceSet.h"

// World points a walker still has to pass, the next one first.
using cWalkPath = std::vector<qor::cVec2>;

// The segment being walked: `current` runs from `from` to `to` at `speed`
// world units per second.
struct cMoveRamp {
    qor::cVec2 from;
    qor::cVec2 to;
    qor::cVec2 current;
    float speed = 0.0f;
    float elapsed = 0.0f;
    float duration = 0.0f;

    // Starts a segment from where the mover is now. A segment too short to
    // notice (or a speed of 0) jumps to its end at once.
    void SetTarget(qor::cVec2 point);
    // 0 idle, 1 running, 2 reached the end on this step.
    int Step(float seconds);
};

// The direction digit of a way (dx, dy), y upwards: '1' from 30° to 105°,
// '2' to 210°, '3' to 300°, else '0'. The figures' sprites are drawn for
// these four directions.
char16_t DirectionDigit(float dx, float dy);

class cMan : public cObject {
  public:
    using cObject::cObject;
    using cObject::PlayAnimation;

    cObject* GetTarget() const override { return target; }
    // Leaving actions run in OnStateChange, entry actions (OnEnterState)
    // once the new state holds, so that an entry may move on to another
    // state at once.
    void SetState(int32_t value) override;

    // Walking speed, world units per second, of a walk started in `mode`
    // (the state the walk belongs to).
    virtual float GetSpeed(int mode) const;
    // Seconds of the man's own time that pass in one tick.
    virtual float GetStepTime() const { return kTickSeconds; }
    // The walk animation for the segment being walked; -1 keeps the mode's
    // choice of the walk's start.
    virtual void UpdateWalkAnimation(int mode);
    void PlayAnimation(const std::u16string& name, int mode) { PlayAnimation(name, mode, false); }
    // Plays `name` followed by the direction digit of (dx, dy), unless that
    // very animation plays already.
    virtual void PlayDirectional(const std::u16string& name, float dx, float dy, int mode);
    // One tick along the path; arriving calls OnArrive.
    virtual void WalkStep();
    // Begins walking the path from its first point; false for an empty path.
    virtual bool StartWalk(int mode);
    virtual void SetCarriedItem(int32_t item) { carriedItem = item; }
    virtual void SetBag(const ResourceSet& goods) { bag = goods; }
    // The previous target's job markers are dropped: a man who turns away
    // leaves nobody expected there.
    virtual void SetTarget(cObject* object);
    // Walks the path toward the target (state 1, started afresh).
    virtual void Go(cWalkPath newPath, cObject* newTarget);
    virtual void OnArrive() {}
    // A tower takes aim at the man (enemies answer it).
    virtual void OnTowerAim(cObject* /*attacker*/) {}
    // A hit of that strength; true when it told (enemies answer it).
    virtual bool TakeHit(float /*strength*/) { return false; }
    // Whether a tower may take aim at the man now: enemies out of sight or
    // already beaten say no (enemies answer it).
    virtual bool IsTowerTarget() const { return true; }
    // The enemy freeze spell holds the man still, or lets him go (enemies
    // answer it).
    virtual void SetFrozen(bool /*frozen*/) {}

    // Whether the man carries anything: goods in the bag or an item.
    bool IsCarrying() const { return carriedItem != 0 || !bag.IsZero(); }
    // The animation `name` in the four directions ("walk0" … "walk3") from
    // the sprites of the same names after `spritePrefix` ("worker_walk0" …).
    void AddFourWays(const std::u16string& name, const std::u16string& spritePrefix);

    cWalkPath path;
    cMoveRamp mover;
    ResourceSet bag;            // goods carried
    ResourceSet pendingIncome;  // credited when the man next sets off
    int32_t carriedItem = 0;
    cObject* target = nullptr;  // not owned
    qor::cRamp strokeTimer{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    int32_t strokeSound = -1;
    float firstStroke = 0.0f;
    float strokePeriod = 0.0f;

  protected:
    // Entry actions of a state, once it holds; `from` is the state left.
    virtual void OnEnterState(int32_t /*from*/, int32_t /*to*/) {}
};

class cWalkman : public cMan {
  public:
    using cMan::cMan;
};
