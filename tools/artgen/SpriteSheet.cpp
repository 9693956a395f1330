#include "tools/artgen/SpriteSheet.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "tools/common/LuaText.h"

namespace artgen {

namespace {

using datakit::LuaNumber;
using datakit::LuaQuote;

// Each frame is drawn on a canvas this big with the anchor at (kAnchorX,
// kAnchorY): room for the tallest monument above its anchor.
constexpr int kCanvas = 800;
constexpr int kAnchorX = 400, kAnchorY = 560;
// Transparent pixels kept around a frame's drawing and between frames, so
// that bilinear filtering never reaches into a neighbour.
constexpr int kMargin = 1, kGap = 2;

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "bm_artgen: %s\n", message.c_str());
    std::exit(1);
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;  // canvas pixels, y down
};

Rect Union(Rect p, Rect q) {
    const int x0 = std::min(p.x, q.x), y0 = std::min(p.y, q.y);
    const int x1 = std::max(p.x + p.w, q.x + q.w), y1 = std::max(p.y + p.h, q.y + q.h);
    return {x0, y0, x1 - x0, y1 - y0};
}

struct Frame {
    cairo_surface_t* canvas = nullptr;  // the whole drawing canvas
    Rect crop;                          // what of it goes into the sheet
    int sheetX = 0, sheetY = 0;         // where it goes
};

struct PackedSprite {
    SpriteDef def;
    std::vector<Frame> frames;
};

struct PackedSheet {
    std::string name;
    int width = 0, height = 0;
    std::vector<PackedSprite> sprites;
    ~PackedSheet() {
        for (auto& sprite : sprites) {
            for (auto& frame : sprite.frames)
                cairo_surface_destroy(frame.canvas);
        }
    }
};

// The smallest rectangle holding every visible pixel, with the margin.
Rect Coverage(cairo_surface_t* canvas, const std::string& what) {
    cairo_surface_flush(canvas);
    const unsigned char* data = cairo_image_surface_get_data(canvas);
    const int stride = cairo_image_surface_get_stride(canvas);
    int x0 = kCanvas, y0 = kCanvas, x1 = -1, y1 = -1;
    for (int y = 0; y < kCanvas; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < kCanvas; ++x) {
            if (row[x] >> 24) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0)
        Fail(what + " draws nothing");
    if (x0 < kMargin || y0 < kMargin || x1 >= kCanvas - kMargin || y1 >= kCanvas - kMargin)
        Fail(what + " runs off its drawing canvas");
    return {x0 - kMargin, y0 - kMargin, x1 - x0 + 1 + 2 * kMargin, y1 - y0 + 1 + 2 * kMargin};
}

Frame DrawFrame(const FramePainter& paint, const std::string& what) {
    Frame frame;
    frame.canvas = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kCanvas, kCanvas);
    cairo_t* cr = cairo_create(frame.canvas);
    cairo_translate(cr, kAnchorX, kAnchorY);
    paint(cr);
    const cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    if (status != CAIRO_STATUS_SUCCESS)
        Fail(what + ": cairo: " + cairo_status_to_string(status));
    frame.crop = Coverage(frame.canvas, what);
    return frame;
}

// Skyline packing, tallest frames first: each frame goes where its top edge
// stays lowest (the leftmost such place on ties). Ties in height keep the
// order of definition, so the layout never changes between runs.
void Pack(PackedSheet& sheet) {
    std::vector<Frame*> order;
    for (auto& sprite : sheet.sprites) {
        for (auto& frame : sprite.frames)
            order.push_back(&frame);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Frame* p, const Frame* q) { return p->crop.h > q->crop.h; });
    // the lowest free row under every column of pixels
    std::vector<int> skyline(static_cast<size_t>(sheet.width), 0);
    int used = 0;
    for (Frame* frame : order) {
        const int w = frame->crop.w + kGap, h = frame->crop.h + kGap;
        if (frame->crop.w > sheet.width)
            Fail(sheet.name + ": a frame is wider than the sheet");
        int bestX = 0, bestY = INT32_MAX;
        for (int x = 0; x + frame->crop.w <= sheet.width; ++x) {
            const int end = std::min(sheet.width, x + w);
            const int y = *std::max_element(skyline.begin() + x, skyline.begin() + end);
            if (y < bestY) {
                bestX = x;
                bestY = y;
            }
        }
        frame->sheetX = bestX;
        frame->sheetY = bestY;
        std::fill(skyline.begin() + bestX, skyline.begin() + std::min(sheet.width, bestX + w),
                  bestY + h);
        used = std::max(used, bestY + frame->crop.h);
    }
    if (used > sheet.height) {
        Fail(sheet.name + " needs " + std::to_string(used) + " rows of pixels but has " +
             std::to_string(sheet.height));
    }
}

std::shared_ptr<PackedSheet> Build(const std::string& name, int width, int height,
                                   const std::vector<SpriteDef>& defs) {
    auto sheet = std::make_shared<PackedSheet>();
    sheet->name = name;
    sheet->width = width;
    sheet->height = height;
    for (const SpriteDef& def : defs) {
        if (def.frames.empty())
            Fail(name + ": sprite " + def.name + " has no frames");
        PackedSprite sprite{def, {}};
        for (size_t k = 0; k < def.frames.size(); ++k) {
            sprite.frames.push_back(
                DrawFrame(def.frames[k], def.name + " frame " + std::to_string(k)));
        }
        if (def.firstFrameSpansAll) {
            for (const Frame& frame : sprite.frames)
                sprite.frames[0].crop = Union(sprite.frames[0].crop, frame.crop);
        }
        sheet->sprites.push_back(std::move(sprite));
    }
    Pack(*sheet);
    return sheet;
}

struct SheetSource {
    int width = 0, height = 0;
    std::function<std::vector<SpriteDef>()> sprites;
    std::shared_ptr<PackedSheet> packed;
};

std::map<std::string, SheetSource>& Sheets() {
    static std::map<std::string, SheetSource> sheets;
    return sheets;
}

// Every sheet is drawn once per run, on first use by its painter or its script.
const PackedSheet& Packed(const std::string& name) {
    SheetSource& source = Sheets().at(name);
    if (!source.packed)
        source.packed = Build(name, source.width, source.height, source.sprites());
    return *source.packed;
}

void Paint(cairo_t* cr, const PackedSheet& sheet) {
    for (const auto& sprite : sheet.sprites) {
        for (const auto& frame : sprite.frames) {
            cairo_save(cr);
            cairo_rectangle(cr, frame.sheetX, frame.sheetY, frame.crop.w, frame.crop.h);
            cairo_clip(cr);
            cairo_set_source_surface(cr, frame.canvas, frame.sheetX - frame.crop.x,
                                     frame.sheetY - frame.crop.y);
            cairo_paint(cr);
            cairo_restore(cr);
        }
    }
}

// One extended atlas per sprite: texture coordinates from the bottom left,
// the anchor's offset from the frame's lower-left corner, the size in pixels.
std::string Script(const PackedSheet& sheet) {
    std::string s;
    for (const auto& sprite : sheet.sprites) {
        s += "addTextureInfoExNodes(createTextureInfoEx(" + LuaQuote(sprite.def.name) + "), " +
             LuaQuote(sheet.name) + ", {\n";
        for (const Frame& f : sprite.frames) {
            const double W = sheet.width, H = sheet.height;
            s += "    { dx = " + std::to_string(kAnchorX - f.crop.x) +
                 ", dy = " + std::to_string(f.crop.y + f.crop.h - kAnchorY) +
                 ", u = " + LuaNumber(f.sheetX / W) +
                 ", v = " + LuaNumber((H - f.sheetY - f.crop.h) / H) +
                 ", cu = " + LuaNumber(f.crop.w / W) + ", cv = " + LuaNumber(f.crop.h / H) +
                 ", w = " + std::to_string(f.crop.w) + ", h = " + std::to_string(f.crop.h) +
                 " },\n";
        }
        s += "}, " + LuaNumber(sprite.def.fps) + ")\n";
    }
    return s;
}

}  // namespace

SpriteDef ProgressSprite(const std::string& name, int frames,
                         const std::function<void(cairo_t*, int)>& paint, bool firstFrameSpansAll) {
    SpriteDef def{name, double(frames), {}, firstFrameSpansAll};
    for (int k = 0; k < frames; ++k)
        def.frames.push_back([paint, k](cairo_t* cr) { paint(cr, k); });
    return def;
}

SpriteDef LoopSprite(const std::string& name, int frames, double fps,
                     const std::function<void(cairo_t*, int)>& paint) {
    SpriteDef def{name, fps, {}, false};
    for (int k = 0; k < frames; ++k)
        def.frames.push_back([paint, k](cairo_t* cr) { paint(cr, k); });
    return def;
}

TextureDef SpriteSheetTexture(const std::string& name, int width, int height,
                              std::function<std::vector<SpriteDef>()> sprites) {
    TextureDef def;
    def.name = name;
    def.width = width;
    def.height = height;
    Sheets()[name] = {width, height, std::move(sprites), nullptr};
    def.paint = [name](cairo_t* cr, const PaintContext&) { Paint(cr, Packed(name)); };
    def.note =
        "Scene sprites, looked up by name alone: one extended atlas per sprite.\n"
        "dx, dy: the anchor (the object's position) from the frame's lower-left corner.";
    return def;
}

std::string SpriteSheetScript(const std::string& textureName) {
    return Sheets().count(textureName) ? Script(Packed(textureName)) : std::string();
}

}  // namespace artgen
