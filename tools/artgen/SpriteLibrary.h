#pragma once
// The packed sprite textures of the book, drawn back the way the game draws
// them (each frame at a position minus its anchor offset), for the review
// pictures: the contact sheets and the island mock-up.
#include <cairo.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/artgen/TextureBook.h"

namespace artgen {

class SpriteLibrary {
  public:
    // Draws every texture of the book that holds sprites; false (with the
    // reason) when one fails.
    bool Load(const PaintContext& context, std::string* error);
    // Only the textures named (all when empty).
    bool Load(const PaintContext& context, const std::vector<std::string>& textures,
              std::string* error);

    const ExSprite* Find(const std::string& name) const;
    // Frame `frame` of the sprite with its anchor at (x, y), y downwards.
    void Draw(cairo_t* cr, const std::string& name, int frame, double x, double y,
              double alpha = 1.0, bool nearest = false) const;

    // Every sprite in the order of the book.
    std::vector<const ExSprite*> All() const;

  private:
    struct Sheet {
        std::shared_ptr<cairo_surface_t> surface;
        std::vector<ExSprite> sprites;
        int width = 0, height = 0;
    };
    std::vector<Sheet> m_sheets;
    std::map<std::string, std::pair<size_t, size_t>> m_index;  // sheet, sprite
};

// The review pictures (modes of bm_artgen).
// `only` keeps the sprites whose names begin with it (all when empty).
bool WriteContactSheet(const SpriteLibrary& library, const PaintContext& context,
                       const std::string& path, double zoom, const std::string& only,
                       std::string* error);
bool WriteIslandMock(const SpriteLibrary& library, const std::string& path, double zoom,
                     std::string* error);

}  // namespace artgen
