#include "gui/game/SectorCtrl.h"

#include <algorithm>

using namespace qor;

void cSectorCtrl::SetValue(float v) {
    value = v > 0.0f ? std::min(v, 1.0f) : 0.0f;
}

void cSectorCtrl::Draw() {
    if (!texture)
        return;
    cSpriteBatch* batch = GuiBatch();
    if (!batch)
        return;
    const cVec2 centre{rect.x + rect.w / 2, rect.y + rect.h / 2};
    const float radius = std::min(rect.w, rect.h) / 2;
    const float angle = value * 6.2831855f;
    const int segments = std::max(static_cast<int>(value * 64.0f), 16);
    constexpr float kTwelveOClock = 1.5707964f;
    DrawSector(batch, texture, centre, radius, segments, kTwelveOClock - angle, kTwelveOClock,
               uvRect, color);
}
