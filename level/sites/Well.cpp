#include "level/sites/Well.h"

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

void cWell::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    AddAnimation(u"life", u"well00");
    water = Services().FindSprite(u"well00_water");
    waterPlayer = qor::cAnimPlayer{};
    waterPlayer.frameCount = water.frameCount;
    waterPlayer.fps = water.fps;
    waterPlayer.frameDuration = water.fps > 1.0e-6f ? 1.0f / water.fps : 0.0f;
    waterPlayer.Reset(qor::kAnimLoop, true);
    profit = {0, 0, 0, 20};
    work.Restart(0.0f, GetWorkTime());
    SetState(kStateReady);
    PlayAnimation(u"life", qor::kAnimLoop, true);
}

void cWell::Tick() {
    cObject::Tick();
    waterPlayer.Step(kTickSeconds);
}

void cWell::Draw() {
    cObject::Draw();
    if (water.texture) {
        DrawSpriteRect(Services().Batch(), water, waterPlayer.frame,
                       FrameRect(water, waterPlayer.frame, {x, y}), tint);
    }
    if (IsDrawing() && g_sceneDraw)
        g_sceneDraw->DrawProgressBar({x, y - 32.0f}, work.current / work.to);
}

int cWell::HitTest(qor::cVec2 point) const {
    if (jobMarkers > 0 || HasWorkerAssigned(this))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

bool cWell::DoWork(float seconds) {
    if (work.current >= work.to)
        work.Restart(0.0f, GetWorkTime());
    return work.Step(seconds) == 1;
}

std::u16string cWell::GetHintText() const {
    return SourceHint(*this, IsDrawing(), {}, profit);
}
