#include "tools/artgen/SpriteLibrary.h"

#include <algorithm>

namespace artgen {

bool SpriteLibrary::Load(const PaintContext& context, std::string* error) {
    return Load(context, {}, error);
}

bool SpriteLibrary::Load(const PaintContext& context, const std::vector<std::string>& textures,
                         std::string* error) {
    for (const TextureDef& def : TextureBook()) {
        if (!def.exSprites)
            continue;
        if (!textures.empty() &&
            std::find(textures.begin(), textures.end(), def.name) == textures.end())
            continue;
        Sheet sheet;
        sheet.width = def.width;
        sheet.height = def.height;
        sheet.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, def.width, def.height),
                            cairo_surface_destroy);
        cairo_t* cr = cairo_create(sheet.surface.get());
        def.paint(cr, context);
        cairo_destroy(cr);
        sheet.sprites = def.exSprites();
        if (sheet.sprites.empty()) {
            *error = def.name + ": its sprites could not be laid out";
            return false;
        }
        for (size_t i = 0; i < sheet.sprites.size(); ++i)
            m_index[sheet.sprites[i].name] = {m_sheets.size(), i};
        m_sheets.push_back(std::move(sheet));
    }
    if (m_sheets.empty()) {
        *error = "no texture of sprites to show";
        return false;
    }
    return true;
}

const ExSprite* SpriteLibrary::Find(const std::string& name) const {
    const auto it = m_index.find(name);
    return it == m_index.end() ? nullptr : &m_sheets[it->second.first].sprites[it->second.second];
}

void SpriteLibrary::Draw(cairo_t* cr, const std::string& name, int frame, double x, double y,
                         double alpha, bool nearest) const {
    const auto it = m_index.find(name);
    if (it == m_index.end())
        return;
    const Sheet& sheet = m_sheets[it->second.first];
    const ExSprite& sprite = sheet.sprites[it->second.second];
    if (sprite.frames.empty())
        return;
    const ExFrame& f =
        sprite.frames[static_cast<size_t>(std::clamp(frame, 0, int(sprite.frames.size()) - 1))];
    // texture units to pixels, v counted from the bottom edge
    const double sx = f.u * sheet.width, sy = (1 - f.v - f.cv) * sheet.height;
    const double left = x - f.dx, top = y - (f.h - f.dy);
    cairo_save(cr);
    cairo_rectangle(cr, left, top, f.w, f.h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, sheet.surface.get(), left - sx, top - sy);
    if (nearest)
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

std::vector<const ExSprite*> SpriteLibrary::All() const {
    std::vector<const ExSprite*> all;
    for (const Sheet& sheet : m_sheets) {
        for (const ExSprite& sprite : sheet.sprites)
            all.push_back(&sprite);
    }
    return all;
}

}  // namespace artgen
