#include "tools/artgen/SpritePacker.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

namespace artgen {

namespace {

// Transparent pixels kept around each trimmed frame and between frames, so
// that bilinear filtering at a frame's edge never reaches a neighbour.
constexpr int kMargin = 1;
constexpr int kGap = 2;

struct Block {
    int w, h;
    std::vector<uint32_t> pixels;  // premultiplied ARGB32, row by row
    int x = 0, y = 0;              // place in the texture, from its top-left corner
};

struct FrameRef {
    size_t block;
    int dx, dy;  // anchor from the block's lower-left corner, y upwards
};

std::shared_ptr<cairo_surface_t> NewSurface(int w, int h) {
    return std::shared_ptr<cairo_surface_t>(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h),
                                            cairo_surface_destroy);
}

uint32_t PixelAt(cairo_surface_t* s, int x, int y) {
    const unsigned char* row =
        cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    uint32_t p;
    std::memcpy(&p, row + x * 4, 4);
    return p;
}

// Paints a frame on its canvas and cuts out what it covers. Empty on failure.
std::optional<std::pair<Block, FrameRef>> Rasterize(const SpriteArt& art, size_t index,
                                                    std::string* error) {
    const CanvasBox& c = art.canvas;
    const int cw = c.right - c.left, ch = c.bottom - c.top;
    const std::string what = art.name + " frame " + std::to_string(index);
    auto surface = NewSurface(cw, ch);
    cairo_t* cr = cairo_create(surface.get());
    cairo_translate(cr, -c.left, -c.top);
    art.frames[index](cr);
    const cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    if (status != CAIRO_STATUS_SUCCESS) {
        *error = what + ": cairo: " + cairo_status_to_string(status);
        return std::nullopt;
    }
    cairo_surface_flush(surface.get());
    int x0 = cw, y0 = ch, x1 = -1, y1 = -1;
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < cw; ++x) {
            if (PixelAt(surface.get(), x, y) >> 24) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0) {
        *error = what + " is empty";
        return std::nullopt;
    }
    if (x0 == 0 || y0 == 0 || x1 == cw - 1 || y1 == ch - 1) {
        *error = what + " reaches the edge of its canvas and would be cut off";
        return std::nullopt;
    }
    x0 -= kMargin;
    y0 -= kMargin;
    x1 += kMargin;
    y1 += kMargin;
    Block block{x1 - x0 + 1, y1 - y0 + 1, {}};
    block.pixels.reserve(static_cast<size_t>(block.w) * block.h);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x)
            block.pixels.push_back(PixelAt(surface.get(), x, y));
    }
    FrameRef ref{0, -c.left - x0, (y1 + 1) - (-c.top)};
    if (art.cornerAnchor)
        ref.dx = ref.dy = 0;
    return std::make_pair(std::move(block), ref);
}

// Shelves from the tallest block down; false when the texture is too small.
bool Place(std::vector<Block>& blocks, int width, int height) {
    std::vector<size_t> order(blocks.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        if (blocks[a].h != blocks[b].h)
            return blocks[a].h > blocks[b].h;
        return blocks[a].w > blocks[b].w;
    });
    int x = 0, y = 0, shelf = 0;
    for (size_t i : order) {
        Block& b = blocks[i];
        if (x + b.w > width) {
            x = 0;
            y += shelf + kGap;
            shelf = 0;
        }
        if (b.w > width || y + b.h > height)
            return false;
        b.x = x;
        b.y = y;
        x += b.w + kGap;
        shelf = std::max(shelf, b.h);
    }
    return true;
}

}  // namespace

PackedSprites PackSprites(const std::vector<SpriteArt>& arts, int width, int height) {
    PackedSprites result;
    std::vector<Block> blocks;
    std::map<std::vector<uint32_t>, size_t> known;  // identical frames share a block
    std::vector<std::vector<FrameRef>> refs(arts.size());
    for (size_t a = 0; a < arts.size(); ++a) {
        for (size_t f = 0; f < arts[a].frames.size(); ++f) {
            auto cut = Rasterize(arts[a], f, &result.error);
            if (!cut)
                return result;
            auto& [block, ref] = *cut;
            std::vector<uint32_t> key = block.pixels;
            key.push_back(static_cast<uint32_t>(block.w));
            auto [it, added] = known.emplace(std::move(key), blocks.size());
            if (added)
                blocks.push_back(std::move(block));
            ref.block = it->second;
            refs[a].push_back(ref);
        }
        if (arts[a].frames.empty()) {
            result.error = arts[a].name + " has no frames";
            return result;
        }
    }
    if (!Place(blocks, width, height)) {
        result.error = "the sprites do not fit into " + std::to_string(width) + " x " +
                       std::to_string(height) + " pixels";
        return result;
    }
    result.surface = NewSurface(width, height);
    cairo_surface_flush(result.surface.get());
    unsigned char* data = cairo_image_surface_get_data(result.surface.get());
    const int stride = cairo_image_surface_get_stride(result.surface.get());
    for (const Block& b : blocks) {
        for (int y = 0; y < b.h; ++y) {
            std::memcpy(data + (b.y + y) * stride + b.x * 4,
                        &b.pixels[static_cast<size_t>(y) * b.w], static_cast<size_t>(b.w) * 4);
        }
    }
    cairo_surface_mark_dirty(result.surface.get());
    for (size_t a = 0; a < arts.size(); ++a) {
        ExSprite sprite{arts[a].name, arts[a].fps, {}};
        for (const FrameRef& ref : refs[a]) {
            const Block& b = blocks[ref.block];
            sprite.frames.push_back({double(ref.dx), double(ref.dy), double(b.x) / width,
                                     double(height - b.y - b.h) / height, double(b.w) / width,
                                     double(b.h) / height, double(b.w), double(b.h)});
        }
        result.sprites.push_back(std::move(sprite));
    }
    return result;
}

TextureDef SpriteTexture(const std::string& name, int width, int height,
                         std::function<std::vector<SpriteArt>()> arts) {
    struct Shared {
        std::function<std::vector<SpriteArt>()> arts;
        std::optional<PackedSprites> packed;
        const PackedSprites& Get(const std::string& name, int width, int height) {
            if (!packed) {
                packed = PackSprites(arts(), width, height);
                if (!packed->error.empty())
                    std::fprintf(stderr, "bm_artgen: %s: %s\n", name.c_str(),
                                 packed->error.c_str());
            }
            return *packed;
        }
    };
    auto shared = std::make_shared<Shared>();
    shared->arts = std::move(arts);
    TextureDef def{name, width, height, nullptr, {}, ""};
    def.paint = [shared, name, width, height](cairo_t* cr, const PaintContext&) {
        const PackedSprites& packed = shared->Get(name, width, height);
        if (!packed.surface)
            return;
        cairo_set_source_surface(cr, packed.surface.get(), 0, 0);
        cairo_paint(cr);
    };
    def.exSprites = [shared, name, width, height]() {
        const PackedSprites& packed = shared->Get(name, width, height);
        return packed.error.empty() ? packed.sprites : std::vector<ExSprite>{};
    };
    return def;
}

}  // namespace artgen
