#include "scene/TextEffectList.h"

#include <algorithm>
#include <utility>

#include "engine/SpriteBatch.h"

cTextEffectList::cTextEffectList(qor::cSpriteBatch* b, qor::cFontRef f)
    : batch(b), font(std::move(f)) {}

void cTextEffectList::AddText(const std::u16string& text, vec2 point) {
    const qor::cVec2 size = qor::MeasureColoredText(text, font.get());
    entries.push_back(
        {kLifeSeconds, text, {point.x - size.x * 0.5f, point.y - size.y * 0.5f}, 0xFFFFFFFFu});
}

void cTextEffectList::Update(float seconds) {
    std::erase_if(entries, [seconds](cEntry& e) {
        e.life -= seconds;
        if (e.life <= 0.0f)
            return true;
        e.position.y += kRiseSpeed * seconds;
        if (e.life < 1.0f)
            e.color = (static_cast<uint32_t>(255.0f * e.life) << 24) | 0x00FFFFFFu;
        return false;
    });
}

void cTextEffectList::Draw() {
    if (!batch)
        return;
    for (const cEntry& e : entries) {
        // Colour codes set their own alpha, so the text is drawn opaque and then
        // faded as a whole: the coloured parts fade with the rest.
        const int before = batch->VertexEnd();
        qor::DrawColoredText(batch, e.text, e.position.x, e.position.y, font.get(),
                             e.color | 0xFF000000u);
        const uint32_t alpha = e.color >> 24;
        const int after = batch->VertexEnd();
        if (alpha < 255 && after > before) {
            for (int i = before; i < after; ++i) {
                uint32_t& c = batch->vertices[static_cast<size_t>(i)].color;
                c = (c & 0x00FFFFFFu) | (((c >> 24) * alpha / 255u) << 24);
            }
        }
    }
    if (batch->runCount > 0) {
        qor::FlushBatch(batch);
        batch->Clear();
    }
}
