#pragma once
// Monuments: the lighthouse, the statue, the harvest shrine (the altar key)
// and the castle (the castle key). Nothing is paid when the workers set out;
// the monument takes its price bit by bit while they build, a little every
// second of work, and the work stops when the player runs out of what it
// takes. Paid amounts rise over it now and then; the last bit completes it.
#include "level/sites/Build.h"

class cTunnelBuild : public cBuild {
  public:
    using cBuild::cBuild;

    static constexpr uint32_t kType = scene_type::kTunnelBuild;
    uint32_t GetTypeId() const override { return kType; }

    // --- cObject -----------------------------------------------------------
    void SetKind(const std::u16string& kindName) override;
    void Tick() override;
    std::u16string GetHintText() const override;
    bool DoWork(float seconds) override;
    // What one second of work takes, in whole units: what the player must
    // have for the work to go on.
    ResourceSet GetPrice() const override;

    ResourceSet total;         // the whole price
    ResourceSet remaining;     // still to pay
    float rate[4] = {};        // units paid per second of work
    float carry[4] = {};       // the fraction of a unit owed
    ResourceSet paid;          // paid since the amounts last rose over it
    cKeptEmitter flames[3];    // the lighthouse's fire, the castle's smoke

  protected:
    float WorkDone() const override;

  private:
    void Pay(const ResourceSet& amounts);
    void Complete();
    void SmokeCastle();
};
