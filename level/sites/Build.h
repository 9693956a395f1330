#pragma once
// The player's buildings. A building starts as a site (a staked plot, level
// -1); workers sent to it build it in one step of work, stage by stage, and
// it stands at level 0. As far as the level allows (`maxLevel`) it can be
// upgraded, one step of work and one price per level. The house turns every
// new level into one more worker. The base ("base00") is the workers' fixed
// camp: always built, never clicked, and it takes in any number of workers.
//
// States: 0 site, 1 a step of work in progress, 4 a plant working a delivery
// (cPlant), -99 built and idle.
#include "engine/AnimPlayer.h"
#include "engine/Ramp.h"
#include "scene/EmitterStamp.h"
#include "scene/Object.h"
#include "scene/ResourceSet.h"

inline constexpr char16_t kBaseKind[] = u"base00";

// A step of construction or upgrade is in progress.
inline constexpr int32_t kBuildWorking = 1;

struct cBuildKind;

class cBuild : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBuild;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    qor::cVec2 GetHintAnchor() const override;
    int HitTest(qor::cVec2 point) const override;
    std::u16string GetHintText() const override;
    bool DoWork(float seconds) override;
    ResourceSet GetPrice() const override;
    // The base lets everybody in; other buildings have their places.
    cObject* AssignMan(cObject* man) override;
    int GetFreePlaces() const override;

    // --- cBuild ------------------------------------------------------------
    // Whether a step of work may go on: a site or a step under way, or a
    // built building below its highest level. Never for the base.
    virtual bool CanUpgrade() const;
    // One level up (within maxLevel); the house brings one more worker.
    virtual void LevelUp();
    // The price and the work of the next step, for the current level.
    virtual void SetupLevel();
    // Which picture shows: `fraction` of the step under way, as a share of
    // the sprite's length (construction stages first, then one frame per
    // level).
    virtual void SetShownStage(float fraction);

    bool IsBase() const { return kind == kBaseKind; }
    // Built as far as the level allows: no worker is taken on any more.
    bool IsAtMaxLevel() const { return IsBase() || level >= maxLevel; }
    bool IsSite() const { return state == 0; }

    qor::cRamp upgrade{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    int32_t level = -1;    // -1 while a site, then 0, 1, ...
    int32_t maxLevel = 0;  // the level sets it from its story
    ResourceSet price;     // of the next step
    float iconPhase = 0.0f;
    uint8_t waitEmpty = 0;  // a step just ended: no work until its workers left
    uint8_t affordable = 0;
    qor::cSpriteInfo iconAffordable;
    qor::cSpriteInfo iconTooDear;
    qor::cSpriteInfo flag;  // the base's flag, waving
    qor::cAnimPlayer flagPlayer;
    qor::cSpriteInfo shadow;
    int32_t stages = -1;  // construction stages of the picture; -1 without
    float shownStage = 0.0f;
    cKeptEmitter dust;
    float dustTimer = 0.0f;

  protected:
    // A step of work: the dust, the stage shown, and the end of the step.
    // False once the step is done (or cannot go on).
    bool WorkStep(float seconds);
    // A step finished: its sound, the salute, and no work until the
    // builders have left.
    void CelebrateStep();
    // The shadow on the ground (not under a bare site).
    void DrawShadow();
    // The building's picture, its job markers and, for the base, the flag.
    void DrawBuilding();
    // The bobbing icon that offers the next step, and the work's bar.
    void DrawUpgradeIcon();
    void DrawWorkBar();
    // How much of the step under way is done, 0 … 1.
    virtual float WorkDone() const;
    // The dust of the building site, kept up while work goes on.
    void StepDust();
    // The building's sprite frame for the bounds, once it is no site.
    virtual void ShowBuilt();
    // Where a new worker of the house appears: its first work place, else
    // the nearest open cell beside it.
    qor::cVec2 DoorPoint() const;

    const cBuildKind* m_kind = nullptr;
};
