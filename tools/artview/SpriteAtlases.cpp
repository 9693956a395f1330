#include "tools/artview/SpriteAtlases.h"

#include <algorithm>
#include <filesystem>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "tools/common/Utf16Text.h"

namespace artview {

namespace {

namespace fs = std::filesystem;

// UTF-16LE text after its byte-order mark, as UTF-8 (what Lua is given).
bool Utf16ToUtf8(const std::string& bytes, std::string* out) {
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE' || bytes.size() % 2)
        return false;
    out->clear();
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        uint32_t c = uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = uint8_t(bytes[i + 2]) | (uint8_t(bytes[i + 3]) << 8);
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (c < 0x80) {
            out->push_back(char(c));
        } else if (c < 0x800) {
            out->push_back(char(0xC0 | (c >> 6)));
            out->push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out->push_back(char(0xE0 | (c >> 12)));
            out->push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out->push_back(char(0x80 | (c & 0x3F)));
        } else {
            out->push_back(char(0xF0 | (c >> 18)));
            out->push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out->push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out->push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return true;
}

double Field(lua_State* L, int table, const char* key) {
    lua_getfield(L, table, key);
    const double value = lua_isnumber(L, -1) ? lua_tonumber(L, -1) : 0.0;
    lua_pop(L, 1);
    return value;
}

int ReturnFirst(lua_State* L) {
    lua_settop(L, 1);
    return 1;
}

int Nothing(lua_State*) {
    return 0;
}

// addTextureInfoExNodes(atlas, texture, frames, fps)
int AddExNodes(lua_State* L) {
    auto* sprites = static_cast<std::vector<Sprite>*>(lua_touserdata(L, lua_upvalueindex(1)));
    Sprite sprite;
    sprite.name = lua_isstring(L, 1) ? lua_tostring(L, 1) : "";
    sprite.texture = lua_isstring(L, 2) ? lua_tostring(L, 2) : "";
    sprite.fps = lua_isnumber(L, 4) ? lua_tonumber(L, 4) : 0;
    if (lua_istable(L, 3)) {
        for (int i = 1;; ++i) {
            lua_rawgeti(L, 3, i);
            if (!lua_istable(L, -1)) {
                lua_pop(L, 1);
                break;
            }
            const int t = lua_gettop(L);
            sprite.frames.push_back({Field(L, t, "dx"), Field(L, t, "dy"), Field(L, t, "u"),
                                     Field(L, t, "v"), Field(L, t, "cu"), Field(L, t, "cv"),
                                     Field(L, t, "w"), Field(L, t, "h")});
            lua_pop(L, 1);
        }
    }
    sprites->push_back(std::move(sprite));
    return 0;
}

bool RunAtlasScript(const fs::path& script, std::vector<Sprite>* sprites, std::string* error) {
    std::string bytes, text;
    if (!datakit::ReadWholeFile(script.string(), &bytes, error))
        return false;
    if (!Utf16ToUtf8(bytes, &text)) {
        *error = script.string() + ": not UTF-16LE with a byte-order mark";
        return false;
    }
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    // Every engine function the script may call does nothing, but these two.
    lua_newtable(L);
    lua_pushcfunction(L, [](lua_State* S) {
        lua_pushcfunction(S, Nothing);
        return 1;
    });
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, LUA_GLOBALSINDEX);
    lua_pushcfunction(L, ReturnFirst);
    lua_setglobal(L, "createTextureInfoEx");
    lua_pushcfunction(L, ReturnFirst);
    lua_setglobal(L, "createTextureInfo");
    lua_pushlightuserdata(L, sprites);
    lua_pushcclosure(L, AddExNodes, 1);
    lua_setglobal(L, "addTextureInfoExNodes");
    const bool ok = luaL_loadbuffer(L, text.data(), text.size(), script.string().c_str()) == 0 &&
                    lua_pcall(L, 0, 0, 0) == 0;
    if (!ok)
        *error = lua_tostring(L, -1) ? lua_tostring(L, -1) : "Lua error";
    lua_close(L);
    return ok;
}

}  // namespace

SpriteAtlases::~SpriteAtlases() {
    for (auto& [name, surface] : m_textures)
        cairo_surface_destroy(surface);
}

bool SpriteAtlases::Load(const std::string& dataDir, std::string* error) {
    std::vector<fs::path> scripts;
    const fs::path root = fs::path(dataDir) / "texture";
    if (!fs::is_directory(root)) {
        *error = root.string() + " is not a folder";
        return false;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path png = fs::path(entry.path()).replace_extension(".png");
        if (entry.path().extension() == ".lua" && fs::exists(png))
            scripts.push_back(entry.path());
    }
    std::sort(scripts.begin(), scripts.end());
    for (const fs::path& script : scripts) {
        if (!RunAtlasScript(script, &m_sprites, error))
            return false;
        const fs::path png = fs::path(script).replace_extension(".png");
        cairo_surface_t* image = cairo_image_surface_create_from_png(png.string().c_str());
        if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(image);
            *error = png.string() + ": not a readable PNG";
            return false;
        }
        m_textures[png.stem().string()] = image;
    }
    return true;
}

const Sprite* SpriteAtlases::Find(const std::string& name) const {
    for (const Sprite& sprite : m_sprites) {
        if (sprite.name == name)
            return &sprite;
    }
    return nullptr;
}

void SpriteAtlases::DrawFrame(cairo_t* cr, const Sprite& sprite, int frame, double x,
                              double y) const {
    const auto it = m_textures.find(sprite.texture);
    if (it == m_textures.end() || sprite.frames.empty())
        return;
    const SpriteFrame& f = sprite.frames[std::clamp<size_t>(frame, 0, sprite.frames.size() - 1)];
    const double W = cairo_image_surface_get_width(it->second);
    const double H = cairo_image_surface_get_height(it->second);
    const double sx = f.u * W, sy = (1 - f.v - f.cv) * H, sw = f.cu * W, sh = f.cv * H;
    if (sw <= 0 || sh <= 0)
        return;
    cairo_save(cr);
    cairo_translate(cr, x - f.dx, y - (f.h - f.dy));
    cairo_rectangle(cr, 0, 0, f.w, f.h);
    cairo_clip(cr);
    cairo_scale(cr, f.w / sw, f.h / sh);
    cairo_set_source_surface(cr, it->second, -sx, -sy);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace artview
