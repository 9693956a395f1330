#include "tools/fontgen/GlyphSheet.h"

#include <cairo.h>
#include <ft2build.h>
#include <algorithm>
#include <cmath>
#include FT_FREETYPE_H

#include "tools/common/ResourceIcons.h"

namespace fontgen {

namespace {

constexpr int kGap = 2;  // empty pixels between cells so filtering never bleeds

// Characters that the game's texts use as resource icons.
bool IconFor(char32_t ch, datakit::Resource* resource) {
    switch (ch) {
        case U'\u00BD':
            *resource = datakit::Resource::kWood;
            return true;
        case U'\u00BC':
            *resource = datakit::Resource::kFood;
            return true;
        case U'\u00BE':
            *resource = datakit::Resource::kMoney;
            return true;
        case U'\u2030':
            *resource = datakit::Resource::kMana;
            return true;
        default:
            return false;
    }
}

// A coverage map (0..1) of one glyph cell before colouring.
struct Cell {
    int width = 0;
    std::vector<float> coverage;  // width x cellHeight
    Glyph glyph;
    bool icon = false;
    datakit::Resource resource = datakit::Resource::kWood;
    int iconX = 0, iconY = 0, iconSize = 0;
};

// Max filter with a round kernel: the outline's coverage.
std::vector<float> Dilate(const std::vector<float>& src, int w, int h, double radius) {
    std::vector<float> out(src.size(), 0.0f);
    const int r = static_cast<int>(std::ceil(radius));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float best = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= w || sy >= h)
                        continue;
                    const double d = std::sqrt(double(dx * dx + dy * dy));
                    // soft edge over the last half pixel of the radius
                    const double weight = std::clamp(radius + 0.5 - d, 0.0, 1.0);
                    best = std::max(best, static_cast<float>(src[sy * w + sx] * weight));
                }
            }
            out[y * w + x] = best;
        }
    }
    return out;
}

std::vector<float> Blur3(const std::vector<float>& src, int w, int h) {
    std::vector<float> out(src.size(), 0.0f);
    static const float kWeights[3] = {0.25f, 0.5f, 0.25f};
    std::vector<float> tmp(src.size(), 0.0f);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float sum = 0;
            for (int k = -1; k <= 1; ++k) {
                const int sx = std::clamp(x + k, 0, w - 1);
                sum += src[y * w + sx] * kWeights[k + 1];
            }
            tmp[y * w + x] = sum;
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float sum = 0;
            for (int k = -1; k <= 1; ++k) {
                const int sy = std::clamp(y + k, 0, h - 1);
                sum += tmp[sy * w + x] * kWeights[k + 1];
            }
            out[y * w + x] = sum;
        }
    }
    return out;
}

int NextPowerOfTwo(int v) {
    int p = 1;
    while (p < v)
        p <<= 1;
    return p;
}

}  // namespace

std::vector<char32_t> GameCharacterSet() {
    std::vector<char32_t> set;
    for (char32_t c = 0x20; c <= 0x7E; ++c)
        set.push_back(c);
    for (char32_t c = 0xA0; c <= 0xFF; ++c)
        set.push_back(c);
    for (char32_t c : {U'\u2013', U'\u2014', U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022',
                       U'\u2026', U'\u2030', U'\u20AC', U'\u2122'}) {
        set.push_back(c);
    }
    return set;
}

bool BuildSheet(const std::string& fontFile, const Style& style, Sheet* sheet, std::string* error) {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        *error = "FreeType initialisation failed";
        return false;
    }
    if (FT_New_Face(library, fontFile.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        *error = "cannot open font face " + fontFile;
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixelSize));
    sheet->familyName = face->family_name ? face->family_name : "";
    sheet->styleName = face->style_name ? face->style_name : "";

    const int ascender = static_cast<int>(std::ceil(face->size->metrics.ascender / 64.0));
    const int descender = static_cast<int>(std::floor(face->size->metrics.descender / 64.0));
    const int outlinePad = static_cast<int>(std::ceil(style.outline));
    const int padTop = outlinePad;
    const int padBottom = outlinePad + std::max(0, style.shadowY) + (style.shadowY > 0 ? 1 : 0);
    const int padSide = outlinePad + 1;
    const int cellHeight = padTop + ascender - descender + padBottom;
    const int baseline = padTop + ascender;  // rows from the top of the cell
    sheet->cellHeight = cellHeight;

    std::vector<Cell> cells;
    for (char32_t ch : GameCharacterSet()) {
        Cell cell;
        cell.glyph.ch = ch;
        datakit::Resource resource;
        if (IconFor(ch, &resource)) {
            // As tall as a capital letter and a little more, sitting on the baseline.
            const int size = std::max(8, static_cast<int>(std::lround(ascender * 0.95)));
            cell.icon = true;
            cell.resource = resource;
            cell.iconSize = size;
            cell.width = size + 2 * padSide;
            cell.iconX = padSide;
            cell.iconY = baseline - size + static_cast<int>(std::lround(size * 0.08));
            cell.glyph.bearingX = 1 - padSide;
            cell.glyph.advance = size + 2;
            cell.coverage.assign(static_cast<size_t>(cell.width) * cellHeight, 0.0f);
            cells.push_back(std::move(cell));
            continue;
        }
        const FT_UInt index = FT_Get_Char_Index(face, ch);
        if (index == 0 && ch != U' ')
            continue;  // the face lacks it: the game shows nothing
        if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int advance = static_cast<int>(std::lround(slot->advance.x / 64.0));
        const int left = std::min(0, slot->bitmap_left) - padSide;
        const int right =
            std::max(advance, slot->bitmap_left + static_cast<int>(bitmap.width)) + padSide;
        cell.width = right - left;
        cell.glyph.bearingX = left;
        cell.glyph.advance = advance;
        cell.coverage.assign(static_cast<size_t>(cell.width) * cellHeight, 0.0f);
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = baseline - slot->bitmap_top + static_cast<int>(row);
            if (y < 0 || y >= cellHeight)
                continue;
            const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int x = slot->bitmap_left - left + static_cast<int>(col);
                if (x < 0 || x >= cell.width)
                    continue;
                const float value = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                        ? ((src[col / 8] >> (7 - col % 8)) & 1 ? 1.0f : 0.0f)
                                        : src[col] / 255.0f;
                cell.coverage[static_cast<size_t>(y) * cell.width + x] = value;
            }
        }
        cells.push_back(std::move(cell));
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);

    // Shelf packing in character order: try widths and keep the smallest
    // power-of-two texture.
    int bestW = 0, bestH = 0;
    for (int width : {128, 256, 512, 1024, 2048}) {
        int x = kGap, y = kGap;
        bool fits = true;
        for (const Cell& cell : cells) {
            if (cell.width + 2 * kGap > width) {
                fits = false;
                break;
            }
            if (x + cell.width + kGap > width) {
                x = kGap;
                y += cellHeight + kGap;
            }
            x += cell.width + kGap;
        }
        if (!fits)
            continue;
        const int height = NextPowerOfTwo(y + cellHeight + kGap);
        if (bestW == 0 || width * height < bestW * bestH ||
            (width * height == bestW * bestH &&
             std::abs(width - height) < std::abs(bestW - bestH))) {
            bestW = width;
            bestH = height;
        }
    }
    if (bestW == 0) {
        *error = "glyphs too large for a texture";
        return false;
    }

    sheet->image = datakit::RgbaImage(bestW, bestH);
    cairo_surface_t* iconSurface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bestW, bestH);
    cairo_t* cr = cairo_create(iconSurface);
    int x = kGap, y = kGap;
    for (Cell& cell : cells) {
        if (x + cell.width + kGap > bestW) {
            x = kGap;
            y += cellHeight + kGap;
        }
        cell.glyph.u = x;
        cell.glyph.v = y;
        cell.glyph.cu = cell.width;
        cell.glyph.cv = cellHeight;
        if (cell.icon) {
            datakit::DrawResourceIcon(cr, cell.resource, x + cell.iconX, y + cell.iconY,
                                      cell.iconSize);
        } else {
            const int w = cell.width, h = cellHeight;
            std::vector<float> outline, shadow;
            if (style.outline > 0)
                outline = Dilate(cell.coverage, w, h, style.outline);
            const std::vector<float>& body = outline.empty() ? cell.coverage : outline;
            if (style.shadowX != 0 || style.shadowY != 0)
                shadow = Blur3(body, w, h);
            for (int py = 0; py < h; ++py) {
                for (int px = 0; px < w; ++px) {
                    // Layers from the bottom: shadow (black), outline (dark ink), glyph (white).
                    float r = 0, g = 0, b = 0, a = 0;
                    auto over = [&](float cr_, float cg, float cb, float ca) {
                        const float na = ca + a * (1 - ca);
                        if (na <= 0)
                            return;
                        r = (cr_ * ca + r * a * (1 - ca)) / na;
                        g = (cg * ca + g * a * (1 - ca)) / na;
                        b = (cb * ca + b * a * (1 - ca)) / na;
                        a = na;
                    };
                    if (!shadow.empty()) {
                        const int sx = px - style.shadowX, sy = py - style.shadowY;
                        if (sx >= 0 && sy >= 0 && sx < w && sy < h) {
                            over(0.1f, 0.05f, 0.02f,
                                 shadow[sy * w + sx] * static_cast<float>(style.shadowAlpha));
                        }
                    }
                    if (!outline.empty())
                        over(0.22f, 0.13f, 0.07f, outline[py * w + px]);
                    over(1, 1, 1, cell.coverage[py * w + px]);
                    uint8_t* out = sheet->image.at(x + px, y + py);
                    out[0] = static_cast<uint8_t>(std::lround(r * 255));
                    out[1] = static_cast<uint8_t>(std::lround(g * 255));
                    out[2] = static_cast<uint8_t>(std::lround(b * 255));
                    out[3] = static_cast<uint8_t>(std::lround(std::clamp(a, 0.0f, 1.0f) * 255));
                }
            }
        }
        sheet->glyphs.push_back(cell.glyph);
        x += cell.width + kGap;
    }
    cairo_destroy(cr);
    // The icons were drawn with cairo; lay them over the glyph pixels.
    const datakit::RgbaImage icons = datakit::FromCairo(iconSurface);
    cairo_surface_destroy(iconSurface);
    for (size_t i = 0; i < icons.pixels.size(); i += 4) {
        if (icons.pixels[i + 3] == 0)
            continue;
        std::copy(&icons.pixels[i], &icons.pixels[i] + 4, &sheet->image.pixels[i]);
    }
    datakit::BleedIntoTransparent(sheet->image, 2);
    return true;
}

}  // namespace fontgen
