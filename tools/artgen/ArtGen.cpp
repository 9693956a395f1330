// Draws one texture of the game and writes it with its atlas script.
//
//   bm_artgen --texture NAME --out DIR --fonts FONTDIR (--png | --jpg [--alpha]) [--atlas]
//   bm_artgen --list
//   bm_artgen --texture NAME --fonts FONTDIR --preview FILE.png
//   bm_artgen --fonts FONTDIR --contact-sheet FILE.png [--texture NAME] [--only PREFIX]
//             [--zoom N]
//   bm_artgen --fonts FONTDIR --island FILE.png [--zoom N]
//
// --preview writes the picture over a checkered backdrop, for looking at it.
// --contact-sheet lays out every animation of the sprite textures (or of one)
// (or those whose names begin with PREFIX) frame by frame over grass; --island stands sprites on a
// patch of island as the game would draw them. Both are for people to judge the art by.
//
// --jpg writes NAME.jpg (colour) and, with --alpha, NAME.alpha (greyscale JPEG
// of the transparency) beside it; --atlas writes NAME.lua declaring the areas.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/artgen/AtlasScript.h"
#include "tools/artgen/SpriteLibrary.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/ImageFile.h"
#include "tools/common/Utf16Text.h"

namespace {

int Review(const artgen::PaintContext& context, const std::string& texture,
           const std::string& sheet, const std::string& island, const std::string& only,
           double zoom) {
    if (zoom <= 0 || zoom > 8) {
        std::fprintf(stderr, "bm_artgen: --zoom wants a number from above 0 to 8\n");
        return 2;
    }
    artgen::SpriteLibrary library;
    std::string error;
    bool ok = library.Load(
        context, texture.empty() ? std::vector<std::string>{} : std::vector<std::string>{texture},
        &error);
    if (ok && !sheet.empty())
        ok = artgen::WriteContactSheet(library, context, sheet, zoom, only, &error);
    if (ok && !island.empty())
        ok = artgen::WriteIslandMock(library, island, zoom, &error);
    if (!ok)
        std::fprintf(stderr, "bm_artgen: %s\n", error.c_str());
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string name, outDir;
    artgen::PaintContext context;
    bool png = false, jpg = false, alpha = false, atlas = false, list = false;
    std::string preview, sheet, island, only;
    double zoom = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--texture") {
            name = next();
        } else if (arg == "--out") {
            outDir = next();
        } else if (arg == "--fonts") {
            context.fontDir = next();
        } else if (arg == "--png") {
            png = true;
        } else if (arg == "--jpg") {
            jpg = true;
        } else if (arg == "--alpha") {
            alpha = true;
        } else if (arg == "--atlas") {
            atlas = true;
        } else if (arg == "--preview") {
            preview = next();
        } else if (arg == "--contact-sheet") {
            sheet = next();
        } else if (arg == "--island") {
            island = next();
        } else if (arg == "--only") {
            only = next();
        } else if (arg == "--zoom") {
            zoom = std::atof(next().c_str());
        } else if (arg == "--list") {
            list = true;
        } else {
            std::fprintf(stderr, "bm_artgen: unknown argument %s\n", arg.c_str());
            return 2;
        }
    }
    if (list) {
        for (const auto& def : artgen::TextureBook()) {
            std::printf("%s %dx%d\n", def.name.c_str(), def.width, def.height);
        }
        return 0;
    }
    if (!sheet.empty() || !island.empty())
        return Review(context, name, sheet, island, only, zoom);
    if (name.empty() || (preview.empty() && (outDir.empty() || png == jpg || (alpha && !jpg)))) {
        std::fprintf(stderr,
                     "usage: bm_artgen --texture NAME --out DIR --fonts DIR (--png | --jpg "
                     "[--alpha]) [--atlas]\n");
        return 2;
    }
    const artgen::TextureDef* def = nullptr;
    for (const auto& candidate : artgen::TextureBook()) {
        if (candidate.name == name)
            def = &candidate;
    }
    if (!def) {
        std::fprintf(stderr, "bm_artgen: no texture named %s\n", name.c_str());
        return 1;
    }
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, def->width, def->height);
    cairo_t* cr = cairo_create(surface);
    def->paint(cr, context);
    const cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    if (def->exSprites && def->exSprites().empty()) {
        cairo_surface_destroy(surface);
        return 1;  // the layout said why
    }
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "bm_artgen: %s: cairo: %s\n", name.c_str(),
                     cairo_status_to_string(status));
        cairo_surface_destroy(surface);
        return 1;
    }
    if (!preview.empty()) {
        cairo_surface_t* backdrop =
            cairo_image_surface_create(CAIRO_FORMAT_RGB24, def->width, def->height);
        cairo_t* bc = cairo_create(backdrop);
        for (int y = 0; y < def->height; y += 16) {
            for (int x = 0; x < def->width; x += 16) {
                const double shade = ((x + y) / 16) % 2 ? 0.55 : 0.45;
                cairo_set_source_rgb(bc, shade, shade * 1.05, shade * 1.1);
                cairo_rectangle(bc, x, y, 16, 16);
                cairo_fill(bc);
            }
        }
        cairo_set_source_surface(bc, surface, 0, 0);
        cairo_paint(bc);
        cairo_destroy(bc);
        std::string error;
        const bool ok = datakit::WritePng(preview, datakit::FromCairo(backdrop), &error);
        cairo_surface_destroy(backdrop);
        cairo_surface_destroy(surface);
        if (!ok)
            std::fprintf(stderr, "bm_artgen: %s\n", error.c_str());
        return ok ? 0 : 1;
    }
    datakit::RgbaImage image = datakit::FromCairo(surface);
    cairo_surface_destroy(surface);
    datakit::BleedIntoTransparent(image, 4);

    std::string error;
    const std::string base = outDir + "/" + name;
    bool ok = true;
    if (png)
        ok = datakit::WritePng(base + ".png", image, &error);
    if (ok && jpg)
        ok = datakit::WriteJpeg(base + ".jpg", image, 90, &error);
    if (ok && alpha)
        ok = datakit::WriteJpegAlpha(base + ".alpha", image, 95, &error);
    if (ok && atlas)
        ok = datakit::WriteUtf16File(base + ".lua", artgen::AtlasScript(*def), &error);
    if (!ok) {
        std::fprintf(stderr, "bm_artgen: %s: %s\n", name.c_str(), error.c_str());
        return 1;
    }
    return 0;
}
