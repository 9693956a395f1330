#include "world/Point.h"

#include <algorithm>
#include <cstdint>

#include "engine/BitStream.h"
#include "engine/FormatString.h"
#include "scene/SceneServices.h"
#include "world/MapWidget.h"

namespace {

// Bytes of a run-state record: the medal, then the chosen flag.
constexpr size_t kStateRecordBytes = 5;

// The marker floats this far above the point's anchor (y grows upwards).
constexpr float kMarkerRise = 80.0f;
constexpr float kMarkerShift = 4.0f;

struct cMedalSprite {
    const char16_t* animation;
    const char16_t* sprite;
};

constexpr cMedalSprite kMedalSprites[] = {
    {u"start", u"map_start"},      {u"bronze", u"map_bronze"},  {u"silver", u"map_silver"},
    {u"gold", u"map_gold"},        {u"starth", u"map_start_h"}, {u"bronzeh", u"map_bronze_h"},
    {u"silverh", u"map_silver_h"}, {u"goldh", u"map_gold_h"},
};

}  // namespace

cPoint::cPoint(cBaseWidget* owner) : cObject(owner) {
    state = kStateReady;
}

std::u16string cPoint::AnimationFor(int32_t medalState, bool hovered) {
    const char16_t* name = nullptr;
    switch (medalState) {
        case kMedalOpen:
            name = u"start";
            break;
        case kMedalBronze:
            name = u"bronze";
            break;
        case kMedalSilver:
            name = u"silver";
            break;
        case kMedalGold:
            name = u"gold";
            break;
        default:
            return u"none";
    }
    std::u16string animation(name);
    if (hovered)
        animation += u'h';
    return animation;
}

void cPoint::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    markerSprite = Services().FindSprite(u"map_current");
    markerPlayer = {};
    if (markerSprite.texture && markerSprite.frameCount > 0) {
        markerPlayer.frameCount = markerSprite.frameCount;
        markerPlayer.fps = markerSprite.fps > 0.0f ? markerSprite.fps : 30.0f;
        markerPlayer.frameDuration = 1.0f / markerPlayer.fps;
        markerPlayer.Reset(qor::kAnimLoop, true);
    }
    for (const cMedalSprite& entry : kMedalSprites)
        AddAnimation(entry.animation, entry.sprite);
    PlayAnimation(u"none", qor::kAnimLoop, true);
}

bool cPoint::IsHovered() const {
    const auto* map = dynamic_cast<const cMapWidget*>(scene);
    return map && map->hoveredPoint == this;
}

void cPoint::Tick() {
    cObject::Tick();
    markerPlayer.Step(kTickSeconds);
    // Started afresh only when the state or the hover changes: restarting
    // every tick would hold a point of several frames on its first one.
    std::u16string wanted = AnimationFor(medal, IsHovered());
    // Without its hovered sprite a point would vanish under the pointer, lose
    // the hover and come back, flickering: it keeps its plain sprite instead.
    if (!animations.Find(wanted))
        wanted = AnimationFor(medal, false);
    if (wanted != animationName)
        PlayAnimation(wanted, qor::kAnimLoop, true);
}

void cPoint::Draw() {
    cObject::Draw();
    if (!current || !markerSprite.texture || markerSprite.frameCount <= 0)
        return;
    const int frame = std::clamp(markerPlayer.frame, 0, markerSprite.frameCount - 1);
    qor::cVec2 offset;
    qor::cVec2 size{markerSprite.width, markerSprite.height};
    if (markerSprite.offsets && markerSprite.sizes) {
        offset = {markerSprite.offsets[frame].x, markerSprite.offsets[frame].y};
        size = {markerSprite.sizes[frame].x, markerSprite.sizes[frame].y};
    }
    const qor::cRectF rect{x - offset.x + kMarkerShift, y - offset.y + kMarkerRise, size.x, size.y};
    DrawSpriteRect(Services().Batch(), markerSprite, frame, rect, 0xFFFFFFFFu);
}

int cPoint::HitTest(qor::cVec2 point) const {
    const qor::cRectF b = GetBounds();
    return point.x >= b.x && point.x < b.x + b.w && point.y >= b.y && point.y < b.y + b.h ? 1 : 0;
}

std::u16string cPoint::GetHintText() const {
    // A level number read from a damaged file may be the largest there is.
    const auto shown = static_cast<int32_t>(std::min<int64_t>(int64_t{level} + 1, INT32_MAX));
    return qor::Format(u"%s %i", {Services().Localize(u"LevelNumber"), shown});
}

bool cPoint::Load(qor::cBitStream& stream, uint32_t version) {
    if (!cObject::Load(stream, version))
        return false;
    level = stream.ReadI32();
    return true;
}

void cPoint::Save(qor::cBitStream& stream) const {
    cObject::Save(stream);
    stream.WriteI32(level);
}

bool cPoint::LoadState(qor::cBitStream& stream, uint32_t /*version*/) {
    if ((stream.BitLength() - stream.ReadPosition()) / 8 < kStateRecordBytes)
        return false;
    const int32_t newMedal = stream.ReadI32();
    const uint8_t newCurrent = stream.ReadU8();
    if (newMedal < kMedalLocked || newMedal > kMedalGold || newCurrent > 1)
        return false;
    medal = newMedal;
    current = newCurrent;
    return true;
}

bool cPoint::SaveState(qor::cBitStream& stream) const {
    stream.WriteI32(medal);
    stream.WriteBool(current != 0);
    return true;
}
