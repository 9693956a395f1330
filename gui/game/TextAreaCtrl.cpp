#include "gui/game/TextAreaCtrl.h"

#include <algorithm>

using namespace qor;

void cTextAreaCtrl::Refresh() {
    lines.clear();
    linePositions.clear();
    textRect = {rect.x, rect.y, 0.0f, 0.0f};
    if (caption.empty())
        return;
    if (caption.back() != u'\n')
        caption.push_back(u'\n');
    std::vector<float> widths;
    float widest = 0.0f;
    size_t start = 0;
    for (size_t end = caption.find(u'\n'); end != std::u16string::npos;
         start = end + 1, end = caption.find(u'\n', start)) {
        lines.push_back(caption.substr(start, end - start));
        // Hints colour their prices and goods: the codes take no room.
        widths.push_back(MeasureColoredText(lines.back(), font.get()).x);
        widest = std::max(widest, widths.back());
    }
    const float cell = font ? font->cellHeight : 0.0f;
    const float spacing = font ? font->spacing : 0.0f;
    textRect = {rect.x, rect.y, widest, static_cast<float>(lines.size()) * cell};
    linePositions.resize(lines.size());
    float y = rect.y;
    for (size_t k = lines.size(); k-- > 0;) {
        const float w = widths[k] - spacing;
        float offset = 0.0f;
        if (align & kAlignRight) {
            offset = widest - w;
        } else if (align & kAlignCenter) {
            offset = (widest - w) / 2;
        }
        linePositions[k] = {rect.x + offset, y};
        y += cell;
    }
}

void cTextAreaCtrl::Draw() {
    if (!font)
        return;
    cSpriteBatch* batch = GuiBatch();
    if (!batch)
        return;
    for (size_t k = 0; k < lines.size() && k < linePositions.size(); ++k) {
        DrawColoredText(batch, lines[k], linePositions[k].x, linePositions[k].y, font.get(), color);
    }
}

void cTextAreaCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    textRect.x += dx;
    textRect.y += dy;
    for (cVec2& p : linePositions) {
        p.x += dx;
        p.y += dy;
    }
}
