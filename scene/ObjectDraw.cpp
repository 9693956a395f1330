// How scene objects show themselves: their sprite, the job markers over them
// and their hint text.
#include <algorithm>

#include "scene/Node.h"
#include "scene/Object.h"
#include "scene/SceneServices.h"

namespace {

// More markers than this would only pile up off the object; a runaway count
// must not stall the frame either.
constexpr uint32_t kMaxDrawnMarkers = 64;

}  // namespace

void cObject::Draw() {
    DrawSpriteRect(Services().Batch(), animations.current, animations.player.frame, GetBounds(),
                   tint);
    DrawMarkers();
}

void cObject::DrawAt(float time, float blend) {
    Services().DrawSpriteAtTime(animations.current, time, {x, y}, blend, false);
    DrawMarkers();
}

void cObject::DrawMarkers() {
    if (jobMarkers == 0 || !markerSprite.texture)
        return;
    qor::cSpriteBatch* batch = Services().Batch();
    const qor::cVec2 anchor = GetHintAnchor();
    const float w = markerSprite.width;
    const float h = markerSprite.height;
    // The first marker ends at the anchor; each further one sits 0.3 of a
    // marker to the right of the previous.
    const uint32_t count = std::min(jobMarkers, kMaxDrawnMarkers);
    for (uint32_t i = 0; i < count; ++i) {
        const qor::cRectF rect{anchor.x + (0.3f * static_cast<float>(i) - 1.0f) * w, anchor.y, w,
                               h};
        DrawSpriteRect(batch, markerSprite, 0, rect, 0xFFFFFFFFu);
    }
}

qor::cVec2 cObject::GetHintAnchor() const {
    const qor::cRectF bounds = GetBounds();
    return {bounds.x + bounds.w, bounds.y};
}

std::u16string cObject::GetHintText() const {
    bool occupied = occupant != nullptr;
    for (const cNode* node : workPlaces)
        occupied = occupied || node->occupant != nullptr;
    if (!occupied || GetFreePlaces() == 0)
        return {};
    cSceneServices& services = Services();
    return services.Localize(kind) + u"\n" + services.Localize(u"AddWorker");
}
