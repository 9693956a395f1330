#pragma once
// Production buildings: the sawmill, the mill and the gold mill. A worker who
// brings goods hands them in and waits while the plant works them; the plant
// then credits its own, larger output. Their construction and looks come
// with the buildings; the level already delivers to a plant that stands.
#include "level/Build.h"
#include "scene/ResourceSet.h"

// The state of a plant working a delivery.
inline constexpr int32_t kPlantProcessing = 4;

class cPlant : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kPlant;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    // While built or processing (or without work places) any free place;
    // otherwise only the first work place.
    cObject* AssignMan(cObject* man) override;

    // A delivery arrived: the plant's sound.
    virtual void StartProcessing();
    // The delivering worker left: the output is credited, and the plant
    // stands idle again once nobody else is at it.
    virtual void FinishProcessing();
    // Seconds a delivery takes.
    virtual float GetProcessTime() const { return 3.0f; }

    ResourceSet output;  // credited per delivery
};
