#include "level/sites/Plant.h"

#include "level/LevelWidget.h"
#include "level/OverlayPlayer.h"
#include "scene/Node.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

// Where the smoke leaves the sawmill's stovepipe and the gold mill's two
// chimneys, from the plant's position.
constexpr qor::cVec2 kSawmillPipe{-5.0f, 60.0f};
constexpr qor::cVec2 kGoldmillChimneys[2] = {{-30.0f, 100.0f}, {20.0f, 100.0f}};

bool IsBuilt(int32_t state) {
    return state == kStateReady || state == kPlantProcessing;
}

}  // namespace

void cPlant::SetKind(const std::u16string& kindName) {
    screw = pad = fire = shadow = {};
    cBuild::SetKind(kindName);
    output = {};
    if (IsSawmill()) {
        output.wood = 40;
    } else if (IsMill()) {
        output.food = 40;
        screw = Services().FindSprite(u"mill00_screw");
        shadow = Services().FindSprite(u"mill00_sh");
    } else if (IsGoldmill()) {
        output.money = 40;
        pad = Services().FindSprite(u"goldmill00_pad");
        fire = Services().FindSprite(u"goldmill00_back");
    }
    screwPlayer = LoopingPlayer(screw);
    padPlayer = LoopingPlayer(pad);
    firePlayer = LoopingPlayer(fire);
}

void cPlant::ShowBuilt() {
    PlayAnimation(u"life", qor::kAnimStopped, true);
    SetAnimationFrame(GetFrameCount() - 1);
}

bool cPlant::OnStateChange(int32_t from, int32_t to) {
    if (!cBuild::OnStateChange(from, to))
        return false;
    if (from == kPlantProcessing && to != kPlantProcessing) {
        StopSmoke();
        // The machinery comes to rest in its still frame.
        screwPlayer.frame = 0;
        padPlayer.frame = 0;
    }
    return true;
}

void cPlant::Tick() {
    cBuild::Tick();
    if (!IsBuilt(state))
        return;
    firePlayer.Step(kTickSeconds);
    if (state == kPlantProcessing) {
        screwPlayer.Step(kTickSeconds);
        padPlayer.Step(kTickSeconds);
    }
}

void cPlant::Draw() {
    DrawShadow();
    const bool built = IsBuilt(state);
    if (built)
        DrawMachinery(fire, firePlayer);  // behind the open furnace door
    DrawBuilding();
    if (built) {
        DrawMachinery(screw, screwPlayer);
        DrawMachinery(pad, padPlayer);
    }
    DrawUpgradeIcon();
    DrawWorkBar();
}

void cPlant::DrawMachinery(const qor::cSpriteInfo& sprite, const qor::cAnimPlayer& player) const {
    if (sprite.texture)
        DrawSpriteRect(Services().Batch(), sprite, player.frame,
                       FrameRect(sprite, player.frame, {x, y}), tint);
}

int cPlant::GetSelectable() const {
    return IsBuilt(state) ? -1 : cBuild::GetSelectable();
}

cObject* cPlant::AssignMan(cObject* man) {
    if (GetFreePlaces() == 0)
        return nullptr;
    if (IsBuilt(state) || workPlaces.empty())
        return cObject::AssignMan(man);
    cNode* first = workPlaces.front();
    if (!first->IsFree())
        return nullptr;
    first->occupant = man;
    return first;
}

void cPlant::StartProcessing() {
    if (IsSawmill()) {
        PlayLevelSound(this, kSoundSawmill);
        if (!smoke[0].Get() && g_particles) {
            smoke[0].Keep(g_particles->AddSmoke());
            Services().MoveEmitter(smoke[0].Get(), {x + kSawmillPipe.x, y + kSawmillPipe.y});
        }
    } else if (IsMill()) {
        PlayLevelSound(this, kSoundMill);
    } else if (IsGoldmill()) {
        PlayLevelSound(this, kSoundGoldmill);
        for (int k = 0; k < 2; ++k) {
            if (smoke[k].Get() || !g_particles)
                continue;
            smoke[k].Keep(g_particles->AddSmoke());
            const qor::cVec2 at{x + kGoldmillChimneys[k].x, y + kGoldmillChimneys[k].y};
            Services().MoveEmitter(smoke[k].Get(), at);
        }
    }
}

void cPlant::FinishProcessing() {
    if (state != kPlantProcessing)
        return;
    if (cLevelWidget* level = LevelOf(this))
        level->CreditGoods(output, {x, y + 20.0f});
    if (GetAssignedMen().empty())
        SetState(kStateReady);
}

void cPlant::StopSmoke() {
    for (cKeptEmitter& kept : smoke) {
        if (cEmitter* emitter = kept.Get())
            Services().FinishEmitter(emitter);
        kept.Keep(nullptr);
    }
}
