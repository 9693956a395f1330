#pragma once
// The constructed buildings. So far the level needs one of them: the base
// ("base00"), the workers' house where every load of goods ends up. It is
// always built, never clicked, and takes in any number of workers at once.
// Sites, levels and upgrades of the other buildings come with the buildings
// themselves; until then a building shows its picture and stands.
#include "scene/Object.h"

inline constexpr char16_t kBaseKind[] = u"base00";

class cBuild : public cObject {
  public:
    using cObject::cObject;

    static constexpr uint32_t kType = scene_type::kBuild;
    uint32_t GetTypeId() const override { return kType; }

    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    void Draw() override;
    // The base lets everybody in; other buildings have their places.
    cObject* AssignMan(cObject* man) override;
    int GetFreePlaces() const override;

    bool IsBase() const { return kind == kBaseKind; }
    // Built as far as the level allows: no worker is taken on any more. The
    // base is always complete; the other buildings count their levels.
    virtual bool IsAtMaxLevel() const { return IsBase(); }

    qor::cSpriteInfo shadow;
    qor::cSpriteInfo flag;  // the base's flag, waving
    qor::cAnimPlayer flagPlayer;
};
