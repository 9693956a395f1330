#pragma once
// Floating texts: a resource gain shown where it happened, rising slowly and
// fading out in its last second. The texts may carry colour codes.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Font.h"
#include "scene/Vec.h"

namespace qor {
class cSpriteBatch;
}

class cTextEffectList {
  public:
    struct cEntry {
        float life = 0.0f;  // seconds
        std::u16string text;
        vec2 position;  // lower-left corner of the text
        uint32_t color = 0xFFFFFFFFu;
    };

    static constexpr float kLifeSeconds = 2.0f;
    static constexpr float kRiseSpeed = 12.0f;  // units per second

    cTextEffectList(qor::cSpriteBatch* batch, qor::cFontRef font);

    // Shows `text` centred on `point` for two seconds.
    void AddText(const std::u16string& text, vec2 point);
    void Update(float seconds);
    // Draws every text and flushes the batch.
    void Draw();
    void Clear() { entries.clear(); }

    qor::cSpriteBatch* batch;
    qor::cFontRef font;
    std::vector<cEntry> entries;
};
