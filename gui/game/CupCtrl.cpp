#include "gui/game/CupCtrl.h"

#include <algorithm>

#include "engine/Render.h"
#include "gui/WindowFunction.h"

using namespace qor;

cCupCtrl::cCupCtrl(std::u16string name, cWindow* window)
    : cCtrl(std::move(name), window),
      gold(GetSpriteInfo(u"gui_main1", u"gold")),
      silver(GetSpriteInfo(u"gui_main1", u"silver")),
      bronze(GetSpriteInfo(u"gui_main1", u"bronze")) {
    Show(false);
}

void cCupCtrl::ShowCup(int newMedal) {
    pop = kCupPopSeconds;
    medal = newMedal;
    Show(true);
}

void cCupCtrl::ResetCup() {
    pop = 0.0f;
    medal = kMedalGold;
    Show(false);
}

const cSpriteInfo* cCupCtrl::Sprite() const {
    switch (medal) {
        case kMedalGold:
            return &gold;
        case kMedalSilver:
            return &silver;
        case kMedalBronze:
            return &bronze;
        default:
            return nullptr;
    }
}

bool cCupCtrl::DrawnQuad(cRectF* where, float* alpha) const {
    const cSpriteInfo* sprite = Sprite();
    if (!sprite || !sprite->texture || !sprite->frames)
        return false;
    const float grow = pop / kCupPopSeconds + 1.0f;
    const float w = sprite->width * grow;
    const float h = sprite->height * grow;
    *where = {rect.x + rect.w / 2 - w / 2, rect.y + rect.h / 2 - h / 2, w, h};
    *alpha = 1.0f - pop / kCupPopSeconds;
    return true;
}

void cCupCtrl::Draw() {
    cRectF where;
    float alpha = 0.0f;
    cSpriteBatch* batch = GuiBatch();
    if (!batch || !DrawnQuad(&where, &alpha))
        return;
    const cSpriteInfo& sprite = *Sprite();
    DrawSprite(batch, sprite.texture, sprite.frames[0], where, PackColor(1, 1, 1, alpha));
}

int cCupCtrl::OnEvent(int kind, int param1, int param2) {
    if (kind == kWndTick)
        pop = std::max(pop - static_cast<float>(param1) / 1000.0f, 0.0f);
    return cCtrl::OnEvent(kind, param1, param2);
}

void cCupCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
}

void cCupCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cCupCtrl::SetFrame(float x, float y, float w, float h, float, float, int) {
    rect = {x, y, w, h};
    Refresh();
}
