#include "level/sites/TunnelBuild.h"

#include <algorithm>
#include <cmath>

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"

namespace {

struct cMonument {
    const char16_t* kind;
    ResourceSet total;
    float rate[4];  // wood, food, money, mana per second of work
};

constexpr cMonument kMonuments[] = {
    {u"lighthouse00", {200, 0, 0, 0}, {0.8f, 0.0f, 0.0f, 0.0f}},
    {u"key_statue00", {150, 0, 0, 0}, {0.5f, 0.0f, 0.0f, 0.0f}},
    {u"key_altar00", {0, 500, 0, 0}, {0.0f, 1.0f, 0.0f, 0.0f}},
    {u"key_castle00", {0, 0, 400, 0}, {0.0f, 0.0f, 1.0f, 0.0f}},
};

// The castle smokes from more of its towers as it rises: one more each time
// the share still owed drops below one of these.
constexpr float kCastleSmokeShares[3] = {0.7f, 0.5f, 0.35f};
constexpr qor::cVec2 kCastleSmoke[3] = {{-60.0f, 110.0f}, {60.0f, 110.0f}, {0.0f, 150.0f}};
// The lighthouse's lantern: two fires and their smoke.
constexpr qor::cVec2 kLantern[3] = {{-10.0f, 120.0f}, {10.0f, 120.0f}, {0.0f, 120.0f}};

int32_t Sum(const ResourceSet& r) {
    return r.wood + r.food + r.money + r.mana;
}

// So much must be paid before the amounts rise over the monument: more
// builders, bigger amounts less often.
int32_t PaidShown(int busy) {
    return busy <= 1 ? 2 : busy >= 4 ? 5 : busy + 1;
}

}  // namespace

void cTunnelBuild::SetKind(const std::u16string& kindName) {
    cBuild::SetKind(kindName);
    total = {};
    for (float& r : rate)
        r = 0.0f;
    for (const cMonument& row : kMonuments) {
        if (kind == row.kind) {
            total = row.total;
            for (int i = 0; i < kResourceCount; ++i)
                rate[i] = row.rate[i];
        }
    }
    remaining = total;
    for (float& c : carry)
        c = 0.0f;
    paid = {};
}

ResourceSet cTunnelBuild::GetPrice() const {
    if (state == kStateReady)
        return {};
    ResourceSet price;
    for (int i = 0; i < kResourceCount; ++i)
        price.Set(i, static_cast<int32_t>(std::lround(rate[i])));
    return price;
}

float cTunnelBuild::WorkDone() const {
    const int32_t whole = Sum(total);
    return whole > 0 ? 1.0f - static_cast<float>(Sum(remaining)) / static_cast<float>(whole) : 1.0f;
}

void cTunnelBuild::Tick() {
    cBuild::Tick();
    // Builders who left before a single bit was paid leave a bare site.
    if (state == kBuildWorking && remaining == total && GetAssignedMen().empty())
        SetState(0);
}

bool cTunnelBuild::DoWork(float seconds) {
    cLevelWidget* level = LevelOf(this);
    if (waitEmpty || state == kStateReady || !level || Sum(total) <= 0)
        return false;
    if (!level->Host().CanAfford(GetPrice()))
        return false;
    SetState(kBuildWorking);
    StepDust();
    ResourceSet due;
    for (int i = 0; i < kResourceCount; ++i) {
        carry[i] += rate[i] * seconds;
        if (carry[i] < 1.0f)
            continue;
        const float whole = std::floor(carry[i]);
        carry[i] -= whole;
        due.Set(i, std::min(static_cast<int32_t>(whole), remaining[i]));
    }
    if (!due.IsZero()) {
        if (!level->Host().Spend(due))
            return false;
        Pay(due);
    }
    SetShownStage(WorkDone());
    if (remaining.IsZero()) {
        Complete();
        return false;
    }
    return true;
}

void cTunnelBuild::Pay(const ResourceSet& amounts) {
    remaining -= amounts;
    paid += amounts;
    if (Sum(paid) >= PaidShown(GetBusyPlaces())) {
        if (cLevelWidget* level = LevelOf(this))
            level->AddFloatingText(u"-" + FormatResources(paid), {x, y + 40.0f});
        paid = {};
    }
    if (kind == u"key_castle00")
        SmokeCastle();
}

void cTunnelBuild::SmokeCastle() {
    const float owed = 1.0f - WorkDone();
    for (int k = 0; k < 3; ++k) {
        if (flames[k].Get() || owed >= kCastleSmokeShares[k] || !g_particles)
            continue;
        flames[k].Keep(g_particles->AddSmoke());
        Services().MoveEmitter(flames[k].Get(), {x + kCastleSmoke[k].x, y + kCastleSmoke[k].y});
    }
}

void cTunnelBuild::Complete() {
    SetState(kStateReady);
    CelebrateStep();
    if (kind == u"lighthouse00" && g_particles) {
        for (int k = 0; k < 3; ++k) {
            if (flames[k].Get())
                continue;
            flames[k].Keep(k < 2 ? g_particles->AddFire() : g_particles->AddSmoke());
            Services().MoveEmitter(flames[k].Get(), {x + kLantern[k].x, y + kLantern[k].y});
        }
    } else if (kind == u"key_castle00") {
        if (cLevelWidget* level = LevelOf(this))
            level->Host().StartTalk(u"0291");
    }
}

std::u16string cTunnelBuild::GetHintText() const {
    // What is still owed, not the bit a second of work takes: that is what
    // the player saves up for.
    std::u16string text = Services().Localize(kind) + u"\n";
    if (state == kBuildWorking)
        text += HintLine(*this, u"FinishWork");
    if (state != kStateReady && !remaining.IsZero())
        text += PriceLine(*this, remaining);
    return text;
}
