#include "level/Build.h"

#include "scene/Node.h"
#include "scene/SceneServices.h"

void cBuild::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    AddAnimation(u"life", kind);
    if (IsBase()) {
        shadow = Services().FindSprite(u"base00_sh");
        flag = Services().FindSprite(u"base00_flag");
        flagPlayer.frameCount = flag.frameCount;
        flagPlayer.fps = flag.fps;
        flagPlayer.frameDuration = flag.fps > 1.0e-6f ? 1.0f / flag.fps : 0.0f;
        flagPlayer.Reset(qor::kAnimLoop, true);
        PlayAnimation(u"life", qor::kAnimLoop, true);
        SetState(kStateReady);
    } else {
        PlayAnimation(u"life", qor::kAnimStopped, true);
    }
}

void cBuild::Tick() {
    cObject::Tick();
    if (IsBase())
        flagPlayer.Step(kTickSeconds);
}

void cBuild::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (state != 0 && shadow.texture)
        DrawSpriteRect(batch, shadow, 0, FrameRect(shadow, 0, {x, y}), 0xFFFFFFFFu);
    cObject::Draw();
    if (IsBase() && flag.texture) {
        const qor::cVec2 pole{x - 6.0f, y + 103.0f};
        DrawSpriteRect(batch, flag, flagPlayer.frame, FrameRect(flag, flagPlayer.frame, pole),
                       tint);
    }
}

cObject* cBuild::AssignMan(cObject* man) {
    if (!IsBase())
        return cObject::AssignMan(man);
    // The house holds every worker at once: nobody is kept waiting outside.
    return workPlaces.empty() ? static_cast<cObject*>(this) : workPlaces.front();
}

int cBuild::GetFreePlaces() const {
    return IsBase() ? 1 : cObject::GetFreePlaces();
}
