#pragma once
// The scene sprites of a generated data folder as the game finds them: every
// texture under data/texture with the extended atlases its script declares.
#include <cairo.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace artview {

struct SpriteFrame {
    double dx = 0, dy = 0, u = 0, v = 0, cu = 0, cv = 0, w = 0, h = 0;
};

struct Sprite {
    std::string name, texture;
    double fps = 0;
    std::vector<SpriteFrame> frames;
};

class SpriteAtlases {
  public:
    SpriteAtlases() = default;
    ~SpriteAtlases();
    SpriteAtlases(const SpriteAtlases&) = delete;
    SpriteAtlases& operator=(const SpriteAtlases&) = delete;

    // Reads every image with an atlas script below dataDir/texture. False,
    // with a message, when a script cannot be read or run.
    bool Load(const std::string& dataDir, std::string* error);

    // Sprites in the order their scripts declare them, texture by texture.
    const std::vector<Sprite>& sprites() const { return m_sprites; }
    const Sprite* Find(const std::string& name) const;

    // Draws a frame the way the game places it: the rectangle (x - dx, y - dy,
    // w, h) of a y-up space, here with y flipped for cairo (y down): the anchor
    // lands on (x, y).
    void DrawFrame(cairo_t* cr, const Sprite& sprite, int frame, double x, double y) const;

  private:
    std::vector<Sprite> m_sprites;
    std::map<std::string, cairo_surface_t*> m_textures;
};

}  // namespace artview
