#pragma once
// Production buildings: the sawmill, the mill and the gold mill. They are
// built like any building; once standing, a worker who brings goods hands
// them in and waits while the plant works them (the sawmill smokes, the
// mill's sails turn, the gold mill's hammer stamps), and the plant then
// credits its own, larger output for that delivery.
#include "level/sites/Build.h"
#include "scene/ResourceSet.h"

// The state of a plant working a delivery.
inline constexpr int32_t kPlantProcessing = 4;

class cPlant : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kPlant;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    bool OnStateChange(int32_t from, int32_t to) override;
    void Tick() override;
    void Draw() override;
    // Built, it is marked as nothing to do: its work comes with the goods.
    int GetSelectable() const override;
    // While built or processing (or without work places) any free place;
    // a site takes its builder at the first work place only.
    cObject* AssignMan(cObject* man) override;

    // --- cPlant ------------------------------------------------------------
    // A delivery arrived: the plant's sound and smoke.
    virtual void StartProcessing();
    // The delivering worker left: the output is credited, and the plant
    // stands idle again once nobody else is at it.
    virtual void FinishProcessing();
    // Seconds a delivery takes.
    virtual float GetProcessTime() const { return 3.0f; }

    bool IsSawmill() const { return kind == u"sawmill00"; }
    bool IsMill() const { return kind == u"mill00"; }
    bool IsGoldmill() const { return kind == u"goldmill00"; }

    ResourceSet output;  // credited per delivery
    // The mill's sails, the gold mill's trip hammer and the fire behind its
    // furnace door, each with its own frame player.
    qor::cSpriteInfo screw, pad, fire;
    qor::cAnimPlayer screwPlayer, padPlayer, firePlayer;
    cKeptEmitter smoke[2];

  protected:
    void ShowBuilt() override;

  private:
    void StopSmoke();
    void DrawMachinery(const qor::cSpriteInfo& sprite, const qor::cAnimPlayer& player) const;
};
