// Identity, state, layer, position and the file record of scene objects.
#include "scene/Object.h"

#include <algorithm>
#include <cmath>

#include "engine/BitStream.h"
#include "scene/BaseWidget.h"
#include "scene/KindTable.h"
#include "scene/Node.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"

cObject::cObject(cBaseWidget* owner) : scene(owner) {
    spellTimer.rate = 1.0f;
    markerSprite = Services().FindSprite(u"target");
}

cObject::~cObject() = default;

cSceneServices& cObject::Services() const {
    return scene ? scene->Services() : DefaultSceneServices();
}

void cObject::Tick() {
    animations.player.Step(kTickSeconds);
    if (occupant && occupant->GetTarget() != this)
        occupant = nullptr;
    if (spellEffect && !SpellEffectAlive())
        spellEffect = nullptr;
    if (spellTimer.Step(kTickSeconds) == 2) {
        StopSpellEffect();
    } else if (spellEffect) {
        Services().MoveEmitter(spellEffect, {x + spellOffset.x, y + spellOffset.y});
    }
}

void cObject::SetKind(const std::u16string& kindName) {
    kind = kindName;
    const cKindInfo* info = FindKind(GetTypeId(), kind);
    if (info && info->kind) {
        footprintWidth = info->width;
        footprintHeight = info->height;
    }
}

bool cObject::OnStateChange(int32_t /*from*/, int32_t to) {
    if (to == kStateGone && scene) {
        const qor::cRectF bounds = GetBounds();
        if (bounds.w > 0.0f && bounds.h > 0.0f)
            scene->MarkObjectCells(this, false);
        scene->OnObjectRemoved(this);
    }
    return true;
}

void cObject::SetState(int32_t value) {
    if (value != state && OnStateChange(state, value))
        state = value;
}

void cObject::SetLayer(int32_t value) {
    const int layer = std::clamp<int32_t>(value, 0, kLayerCount - 1);
    m_layer = scene ? scene->SetObjectLayer(this, layer) : layer;
    for (cNode* node : workPlaces)
        node->SetLayer(m_layer);
    for (cNodeObj* node : approachNodes)
        node->SetLayer(m_layer);
}

void cObject::SetPosition(float newX, float newY) {
    const float dx = newX - x;
    const float dy = newY - y;
    x = newX;
    y = newY;
    for (cNode* node : workPlaces)
        node->MoveBy(dx, dy);
    for (cNodeObj* node : approachNodes)
        node->MoveBy(dx, dy);
}

bool cObject::Load(qor::cBitStream& stream, uint32_t version) {
    const uint32_t newId = stream.ReadU32();
    const float newX = stream.ReadF32();
    const float newY = stream.ReadF32();
    const uint32_t newLayer = stream.ReadU32();
    const std::u16string newKind = stream.ReadString();
    std::u16string newName;
    uint32_t newFlags = 0;
    if (version >= 2)
        newName = stream.ReadString();
    if (version >= 3)
        newFlags = stream.ReadU32();
    // A position that is not a number cannot be placed, drawn or picked.
    if (!std::isfinite(newX) || !std::isfinite(newY))
        return false;
    id = newId;
    SetLayer(static_cast<int32_t>(std::min<uint32_t>(newLayer, kLayerCount - 1)));
    SetKind(newKind);
    SetPosition(newX, newY);
    name = newName;
    flags = newFlags;
    return true;
}

void cObject::Save(qor::cBitStream& stream) const {
    stream.WriteU32(id);
    stream.WriteF32(x);
    stream.WriteF32(y);
    stream.WriteU32(static_cast<uint32_t>(m_layer));
    stream.WriteString(kind);
    stream.WriteString(name);
    stream.WriteU32(flags);
}

void cObject::AttachSpellEffect(cEmitter* emitter, qor::cVec2 offset) {
    spellEffect = emitter;
    spellOffset = offset;
    spellStamp = g_particles ? g_particles->Stamp(emitter) : cEmitterStamp{};
    spellTimer.Restart(0.0f, 3.0f);
}

bool cObject::SpellEffectAlive() const {
    // An effect of no known group (scene services of their own) is trusted.
    if (!spellEffect || spellStamp.group < 0)
        return spellEffect != nullptr;
    return g_particles && g_particles->IsCurrent(spellStamp);
}

void cObject::StopSpellEffect() {
    if (SpellEffectAlive())
        Services().FinishEmitter(spellEffect);
    spellEffect = nullptr;
}
