#pragma once
// Every texture the art generator can draw: its pixel size, the painter that
// draws it and the named areas its atlas script declares.
#include <cairo.h>
#include <functional>
#include <string>
#include <vector>

namespace artgen {

// Where the painters find the TrueType faces (the build passes the folder of
// the Debian font package) for lettering drawn into pictures.
struct PaintContext {
    std::string fontDir;
};

// An atlas area in pixels from the texture's top-left corner, cut into
// columns x rows frames.
struct Area {
    std::string name;
    int x, y, w, h;
    int columns = 1, rows = 1;
    double fps = 30;
};

struct TextureDef {
    std::string name;
    int width, height;
    std::function<void(cairo_t*, const PaintContext&)> paint;
    std::vector<Area> areas;
    std::string note;  // how window scripts use the texture; copied into the atlas script
};

void AddSkinTextures(std::vector<TextureDef>& book);
void AddIconTextures(std::vector<TextureDef>& book);
void AddScreenTextures(std::vector<TextureDef>& book);
void AddSplashTextures(std::vector<TextureDef>& book);
void AddStructureTextures(std::vector<TextureDef>& book);

const std::vector<TextureDef>& TextureBook();

}  // namespace artgen
