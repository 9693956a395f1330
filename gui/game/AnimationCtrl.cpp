#include "gui/game/AnimationCtrl.h"

#include <algorithm>

#include "gui/WindowFunction.h"

using namespace qor;

cAnimationCtrl::cAnimationCtrl(std::u16string name, cWindow* window)
    : cImageCtrl(std::move(name), window) {
    player.mode = kAnimLoop;
}

void cAnimationCtrl::SetTileset(int newColumns, int newRows, float fps) {
    columns = std::clamp(newColumns, 1, kMaxTilesetSide);
    rows = std::clamp(newRows, 1, kMaxTilesetSide);
    const float rate = fps > 0.0f ? fps : 30.0f;
    player.frame = 0;
    player.frameCount = columns * rows;
    player.accumulated = 0.0f;
    player.frameDuration = 1.0f / rate;
    player.fps = rate;
    player.Reset(kAnimLoop, true);
}

cRectF cAnimationCtrl::CellUV(int frame) const {
    const float c = static_cast<float>(columns);
    const float r = static_cast<float>(rows);
    const float u = static_cast<float>(frame % columns) / c;
    const float v = 1.0f - (1.0f / r + static_cast<float>(frame / columns) / r);
    return {u, v, 1.0f / c, 1.0f / r};
}

int cAnimationCtrl::OnEvent(int kind, int param1, int param2) {
    if (kind == kWndTick && player.Step(static_cast<float>(param1) / 1000.0f) > 0) {
        uvRect = CellUV(player.frame);
    }
    return cImageCtrl::OnEvent(kind, param1, param2);
}
