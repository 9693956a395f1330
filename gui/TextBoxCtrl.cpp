#include "gui/TextBoxCtrl.h"

#include <algorithm>
#include <cmath>

namespace qor {

namespace {

// A colour code: "^" and eight more characters.
constexpr size_t kColorCodeLength = 9;

struct cWrapper {
    const cFont& font;
    float width;  // of the rectangle
    size_t maxLines;
    float space;  // advance of a space between words
    std::vector<std::u16string> lines{1};
    std::vector<float> widths{0.0f};

    // False when the text has run out of lines.
    bool NewLine() {
        if (lines.size() >= maxLines)
            return false;
        lines.emplace_back();
        widths.push_back(0.0f);
        return true;
    }

    // `wordWidth` counts the spacing after every character.
    bool AddWord(const std::u16string& word, float wordWidth) {
        // An empty word (two spaces in a row) adds nothing to the line.
        if (word.empty())
            return true;
        const bool lineEmpty = lines.back().empty();
        const float needed = widths.back() + wordWidth + (lineEmpty ? 0.0f : space);
        // A word wider than the box still gets a line of its own, not a blank
        // line before it.
        if (needed >= width && !lineEmpty) {
            if (!NewLine())
                return false;
        }
        std::u16string& line = lines.back();
        if (line.empty()) {
            line = word;
            widths.back() = wordWidth - font.spacing;
        } else {
            line += u' ';
            line += word;
            widths.back() += space + wordWidth;
        }
        return true;
    }
};

}  // namespace

void cTextBoxSysCtrl::Refresh() {
    lines.clear();
    lineRects.clear();
    lineFlags.clear();
    blockRect = {rect.x, rect.y, 0, 0};
    textRect = blockRect;
    if (!font || caption.empty())
        return;
    const cFont& f = *font;
    // Flushes the last word.
    if (caption.back() != u' ' && caption.back() != u'\n')
        caption.push_back(u' ');

    const float lineHeight = f.cellHeight;
    // A font without line height could stack lines forever; one line per
    // character is the most the text can fill anyway.
    const double capacity =
        lineHeight > 0.0f ? std::round(static_cast<double>(rect.h) / lineHeight) : caption.size();
    const size_t maxLines = static_cast<size_t>(std::clamp(capacity, 1.0, double(caption.size())));
    cWrapper wrap{f, rect.w, maxLines, f.Glyph(u' ').dx + f.spacing};

    std::u16string word;
    float wordWidth = 0.0f;
    for (size_t i = 0; i < caption.size();) {
        const char16_t c = caption[i];
        if (c == u'^' && i + 1 < caption.size() && caption[i + 1] == u'^') {
            word += u"^^";
            i += 2;
        } else if (c == u'^' && i + kColorCodeLength <= caption.size()) {
            word.append(caption, i, kColorCodeLength);
            i += kColorCodeLength;
        } else if (c == u' ' || c == u'\n') {
            if (!wrap.AddWord(word, wordWidth))
                break;
            if (c == u'\n' && !wrap.NewLine())
                break;
            word.clear();
            wordWidth = 0.0f;
            ++i;
        } else {
            word.push_back(c);
            wordWidth += f.Glyph(c).dx + f.spacing;
            ++i;
        }
    }

    lines = std::move(wrap.lines);
    const size_t n = lines.size();
    const float blockHeight = lineHeight * static_cast<float>(n);
    const float bottom = rect.y + std::trunc(AlignOffsetY(align, rect.h, blockHeight));
    float left = 0.0f, right = 0.0f;
    for (size_t k = 0; k < n; ++k) {
        const float w = wrap.widths[k];
        const float x = rect.x + std::trunc(AlignOffsetX(align, rect.w, w));
        const float y = bottom + static_cast<float>(n - 1 - k) * lineHeight;
        lineRects.push_back({x, y, w, lineHeight});
        left = k == 0 ? x : std::min(left, x);
        right = k == 0 ? x + w : std::max(right, x + w);
    }
    blockRect = {left, bottom, right - left, blockHeight};
    textRect = blockRect;
    lineFlags.assign(n, 0);
}

void cTextBoxSysCtrl::Draw() {
    if (!font)
        return;
    cSpriteBatch* batch = GuiBatch();
    if (!batch)
        return;
    for (size_t k = 0; k < lines.size() && k < lineRects.size(); ++k) {
        const cRectF& r = lineRects[k];
        DrawColoredText(batch, lines[k], r.x, r.y, font.get(), color);
        if (k < lineFlags.size() && lineFlags[k] == 1) {
            // A plain two-unit bar through the middle of the line.
            DrawSprite(batch, nullptr, {0, 0, 1, 1}, {r.x, r.y + font->cellHeight / 2 - 1, r.w, 2},
                       color);
        }
    }
}

void cTextBoxSysCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    blockRect.x += dx;
    blockRect.y += dy;
    textRect.x += dx;
    textRect.y += dy;
    for (cRectF& r : lineRects) {
        r.x += dx;
        r.y += dy;
    }
}

cRectF cTextBoxSysCtrl::GetLineRect(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= lineRects.size())
        return {};
    const cRectF& r = lineRects[static_cast<size_t>(index)];
    const cVec2 size = MeasureColoredText(lines[static_cast<size_t>(index)], font.get());
    return {r.x, r.y, size.x, size.y};
}

void cTextBoxSysCtrl::SetLineFlag(int index, int value) {
    if (index < 0 || static_cast<size_t>(index) >= lineFlags.size())
        return;
    lineFlags[static_cast<size_t>(index)] = value;
}

}  // namespace qor
