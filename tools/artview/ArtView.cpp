// Pictures of the generated scene sprites, for looking at the art as the
// game places it (anchors, offsets, frame order).
//
//   bm_artview --data DIR --sheet OUT.png [--only A,B] [--marks] [--font TTF] [--zoom N]
//   bm_artview --data DIR --scene FILE --out OUT.png [--zoom N]
//
// --sheet: a contact sheet, each sprite's frames in a row under its name;
// --only keeps the sprites of those names or of those textures; NAME:K keeps
// frame K of a sprite. The names are written with the TrueType face --font
// (DejaVu Sans Bold by default); without it the sheet has no names.
// --scene: a mock scene at game scale (see Views.h for the scene file).
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "tools/artview/Views.h"

int main(int argc, char** argv) {
    std::string data, sheet, scene, out, onlyList;
    std::string font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    bool marks = false;
    int zoom = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--data") {
            data = next();
        } else if (arg == "--sheet") {
            sheet = next();
        } else if (arg == "--scene") {
            scene = next();
        } else if (arg == "--out") {
            out = next();
        } else if (arg == "--only") {
            onlyList = next();
        } else if (arg == "--font") {
            font = next();
        } else if (arg == "--marks") {
            marks = true;
        } else if (arg == "--zoom") {
            zoom = std::stoi("0" + next());
        } else {
            std::fprintf(stderr, "bm_artview: unknown argument %s\n", arg.c_str());
            return 2;
        }
    }
    if (data.empty() || zoom < 1 || zoom > 8 || sheet.empty() == (scene.empty() || out.empty())) {
        std::fprintf(stderr,
                     "usage: bm_artview --data DIR (--sheet OUT.png [--only A,B] [--marks] | "
                     "--scene FILE --out OUT.png) [--zoom N]\n");
        return 2;
    }
    artview::SpriteAtlases atlases;
    std::string error;
    if (!atlases.Load(data, &error)) {
        std::fprintf(stderr, "bm_artview: %s\n", error.c_str());
        return 1;
    }
    cairo_surface_t* picture = nullptr;
    if (!sheet.empty()) {
        std::vector<std::string> only;
        std::stringstream list(onlyList);
        for (std::string name; std::getline(list, name, ',');)
            only.push_back(name);
        picture = artview::ContactSheet(atlases, only, marks, font);
        out = sheet;
    } else {
        picture = artview::MockScene(atlases, scene, &error);
        if (!picture) {
            std::fprintf(stderr, "bm_artview: %s\n", error.c_str());
            return 1;
        }
    }
    if (zoom > 1) {
        cairo_surface_t* big = artview::Zoomed(picture, zoom);
        cairo_surface_destroy(picture);
        picture = big;
    }
    const cairo_status_t status = cairo_surface_write_to_png(picture, out.c_str());
    cairo_surface_destroy(picture);
    artview::ReleaseFonts();
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "bm_artview: %s: %s\n", out.c_str(), cairo_status_to_string(status));
        return 1;
    }
    return 0;
}
