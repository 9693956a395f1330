#include "level/sites/Altar.h"

#include <cmath>

#include "level/HintText.h"
#include "level/LevelWidget.h"
#include "level/OverlayPlayer.h"
#include "scene/SceneServices.h"
#include "level/tables/SpellTable.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kGlowStep = 0.026666668f;  // radians per step
// How often the altar looks whether the player can pay.
constexpr float kCheckSeconds = 0.5f;

}  // namespace

void cAltar::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    SetLayer(6);
    AddAnimation(u"life", u"altar00");
    PlayAnimation(u"life", qor::kAnimLoop, true);
    checkTimer.Restart(0.0f, kCheckSeconds);
    SetSpell(spell);
}

void cAltar::SetSpell(int32_t newSpell) {
    spell = newSpell;
    const std::u16string name(GetSpellSprite(spell));
    emblemOff = name.empty() ? qor::cSpriteInfo{} : Services().FindSprite(name + u"_off");
    emblemOn = name.empty() ? qor::cSpriteInfo{} : Services().FindSprite(name + u"_on");
    emblemPlayer = LoopingPlayer(emblemOn);
}

ResourceSet cAltar::GetPrice() const {
    return GetSpellPrice(spell);
}

void cAltar::Tick() {
    cObject::Tick();
    glow += kGlowStep;
    if (glow >= kTwoPi)
        glow -= kTwoPi;
    if (checkTimer.Step(kTickSeconds) == 2) {
        const cLevelWidget* level = LevelOf(this);
        affordable = spell != 0 && level && level->Host().CanAfford(GetPrice()) ? 1 : 0;
        checkTimer.Restart(0.0f, kCheckSeconds);
    }
    if (affordable)
        emblemPlayer.Step(kTickSeconds);
}

void cAltar::Draw() {
    cObject::Draw();
    const qor::cSpriteInfo& emblem = affordable ? emblemOn : emblemOff;
    if (!emblem.texture)
        return;
    const int frame = affordable ? emblemPlayer.frame : 0;
    // The glowing emblem breathes.
    const float light = affordable ? 0.8f + 0.2f * std::sin(glow) : 1.0f;
    const uint32_t alpha = static_cast<uint32_t>(light * 255.0f + 0.5f);
    DrawSpriteRect(Services().Batch(), emblem, frame, FrameRect(emblem, frame, {x, y}),
                   (alpha << 24) | (tint & 0x00FFFFFFu));
}

int cAltar::HitTest(qor::cVec2 point) const {
    const cLevelWidget* level = LevelOf(this);
    if (spell == 0 || (level && level->IsSpellActive(spell)))
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cAltar::GetHintText() const {
    // An altar says what it sells and for how much.
    if (spell == 0)
        return {};
    return Services().Localize(std::u16string(GetSpellNameKey(spell))) + u"\n" +
           PriceLine(*this, GetPrice());
}
