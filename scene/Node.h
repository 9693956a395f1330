#pragma once
// Points a level designer places for walkers: a work place where a worker
// stands while working on its owner (`cNode`), the approach point a worker
// goes to for an owner without work places (`cNodeObj`, with the way the
// worker faces there), and a waypoint of the enemies' road
// (`cNodeTrajectory`). Nodes are never drawn and never take clicks.
#include "scene/Object.h"

class cNode : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kNode;
    uint32_t GetTypeId() const override { return kType; }
    void Tick() override;
    void Draw() override {}
    qor::cRectF GetBounds() const override;
    virtual bool IsFree() const { return occupant == nullptr; }

    cObject* owner = nullptr;  // the object whose list holds the node; not owned
};

class cNodeObj : public cNode {
  public:
    using cNode::cNode;

    static constexpr uint32_t kType = scene_type::kNodeObj;
    uint32_t GetTypeId() const override { return kType; }

    int32_t direction = 0;  // facing 0..3 of a worker standing here
};

class cNodeTrajectory : public cNode {
  public:
    using cNode::cNode;

    static constexpr uint32_t kType = scene_type::kNodeTrajectory;
    uint32_t GetTypeId() const override { return kType; }
};
