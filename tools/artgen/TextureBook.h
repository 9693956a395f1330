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

// One frame of a sprite looked up by its name alone (an extended atlas):
// where it lies in the texture (u, v, cu, cv in texture units, v from the
// bottom edge), its size in pixels (drawn 1:1 at 1024 x 768) and the anchor,
// (dx, dy) pixels from the frame's lower-left corner: the game draws the frame
// at its object's position minus (dx, dy).
struct ExFrame {
    double dx, dy, u, v, cu, cv, w, h;
};

struct ExSprite {
    std::string name;
    double fps;
    std::vector<ExFrame> frames;
};

struct TextureDef {
    std::string name;
    int width, height;
    std::function<void(cairo_t*, const PaintContext&)> paint;
    std::vector<Area> areas;
    std::string note;  // how window scripts use the texture; copied into the atlas script
    // Sprites the texture holds for lookups by name alone, laid out when asked
    // for; unset for textures without them. Empty when the layout failed.
    std::function<std::vector<ExSprite>()> exSprites = nullptr;
};

// The HUD, the talk portraits, the world map and the object hint.
void AddHudTextures(std::vector<TextureDef>& book);
void AddMedalCupTextures(std::vector<TextureDef>& book);
void AddSpeakerPortraits(std::vector<TextureDef>& book);
void AddMapTextures(std::vector<TextureDef>& book);
void AddHintMarks(std::vector<TextureDef>& book);

void AddSkinTextures(std::vector<TextureDef>& book);
void AddIconTextures(std::vector<TextureDef>& book);
void AddScreenTextures(std::vector<TextureDef>& book);
void AddSplashTextures(std::vector<TextureDef>& book);
void AddParticleTextures(std::vector<TextureDef>& book);
void AddEffectSprites(std::vector<TextureDef>& book);
void AddSceneMarks(std::vector<TextureDef>& book);
void AddWindowIcon(std::vector<TextureDef>& book);
void AddRoomTextures(std::vector<TextureDef>& book);
void AddFigureTextures(std::vector<TextureDef>& book);
void AddSourceTextures(std::vector<TextureDef>& book);
void AddStructureTextures(std::vector<TextureDef>& book);
void AddPrisonTextures(std::vector<TextureDef>& book);
// The picture stories' eight pages.
void AddComicsTextures(std::vector<TextureDef>& book);

const std::vector<TextureDef>& TextureBook();

}  // namespace artgen
