#include "tests/AtlasSprites.h"

#include <fstream>
#include <iterator>
#include <memory>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "engine/Strings.h"
#include "engine/Texture.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

// Atlas scripts are UTF-16LE with a byte-order mark.
std::string ScriptText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return ToUtf8(text);
}

int RecordSprite(lua_State* L) {
    auto* sprites =
        static_cast<std::map<std::string, cAtlasSprite>*>(lua_touserdata(L, lua_upvalueindex(1)));
    (*sprites)[luaL_checkstring(L, 1)] =
        cAtlasSprite{luaL_checkstring(L, 2), luaL_checknumber(L, 4), ReadExFrameTable(L, 3)};
    return 0;
}

}  // namespace

std::map<std::string, cAtlasSprite> ReadAtlasSprites(const fs::path& folder, std::string* error) {
    std::map<std::string, cAtlasSprite> sprites;
    if (!fs::is_directory(folder)) {
        *error = folder.string() + " is missing: build the game_data target first";
        return sprites;
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".lua")
            continue;
        const std::string utf8 = ScriptText(entry.path());
        lua_State* L = luaL_newstate();
        luaL_openlibs(L);
        // The handle of a sprite is its name.
        lua_pushcfunction(L, [](lua_State* s) {
            lua_pushvalue(s, 1);
            return 1;
        });
        lua_setglobal(L, "createTextureInfoEx");
        lua_pushlightuserdata(L, &sprites);
        lua_pushcclosure(L, RecordSprite, 1);
        lua_setglobal(L, "addTextureInfoExNodes");
        if (luaL_loadbuffer(L, utf8.data(), utf8.size(), "atlas") != 0 ||
            lua_pcall(L, 0, 0, 0) != 0) {
            *error = entry.path().string() + ": " + lua_tostring(L, -1);
        }
        lua_close(L);
    }
    return sprites;
}

cSpriteInfo ToSpriteInfo(const cAtlasSprite& sprite) {
    auto data = std::make_shared<cExFrameList>();
    for (const cExFrameRecord& f : sprite.frames) {
        data->frames.push_back({static_cast<float>(f.u), static_cast<float>(f.v),
                                static_cast<float>(f.cu), static_cast<float>(f.cv)});
        data->offsets.push_back({static_cast<float>(f.dx), static_cast<float>(f.dy)});
        data->sizes.push_back({static_cast<float>(f.w), static_cast<float>(f.h)});
    }
    cSpriteInfo info;
    info.texture = std::make_shared<cTexture>(FromUtf8(sprite.texture));
    info.frameCount = static_cast<int>(data->frames.size());
    info.fps = static_cast<float>(sprite.fps);
    if (info.frameCount > 0) {
        info.frames = data->frames.data();
        info.offsets = data->offsets.data();
        info.sizes = data->sizes.data();
        info.width = data->sizes.front().x;
        info.height = data->sizes.front().y;
    }
    info.storage = data;
    return info;
}

}  // namespace qor::test
