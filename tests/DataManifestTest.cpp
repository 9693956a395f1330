// Checks the generated data folder (data/ in the build folder, the tests' working
// directory) against data-src/manifest.txt, and checks that the data scripts
// hang together: every script is UTF-16 and compiles, the loading script
// queues files that exist, atlas and font scripts describe their textures, and
// the window and splash scripts use textures and fonts that exist.
//
// The data scripts run here in a Lua state whose engine functions only record
// what they are given, so the data is checked without the engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>
}

#include "engine/Strings.h"
#include "tests/ExFrameTable.h"

namespace {

namespace fs = std::filesystem;

const fs::path kData = "data";
const fs::path kManifest = fs::path(QOR_SOURCE_DIR) / "data-src" / "manifest.txt";

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A data text file as the engine reads it: UTF-16LE after the mark 0xFF 0xFE.
std::optional<std::string> ReadUtf16AsUtf8(const fs::path& file, std::string* error) {
    const std::string bytes = ReadBytes(file);
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE) {
        *error = file.string() + ": no UTF-16LE byte-order mark";
        return std::nullopt;
    }
    if (bytes.size() % 2 != 0) {
        *error = file.string() + ": odd number of bytes";
        return std::nullopt;
    }
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    const std::string utf8 = qor::ToUtf8(text);
    if (utf8.find("\xEF\xBF\xBD") != std::string::npos) {
        *error = file.string() + ": broken UTF-16 (unpaired surrogate)";
        return std::nullopt;
    }
    return utf8;
}

// Width and height of a PNG or JPEG file.
std::optional<std::pair<int, int>> ImageSize(const fs::path& file) {
    const std::string b = ReadBytes(file);
    auto byte = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
    if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) {
        const int w = (byte(16) << 24) | (byte(17) << 16) | (byte(18) << 8) | byte(19);
        const int h = (byte(20) << 24) | (byte(21) << 16) | (byte(22) << 8) | byte(23);
        return std::make_pair(w, h);
    }
    if (b.size() >= 4 && byte(0) == 0xFF && byte(1) == 0xD8) {
        size_t i = 2;
        while (i + 9 < b.size()) {
            if (byte(i) != 0xFF)
                return std::nullopt;
            const int marker = byte(i + 1);
            const size_t length = (byte(i + 2) << 8) | byte(i + 3);
            if (marker >= 0xC0 && marker <= 0xC2) {
                return std::make_pair((byte(i + 7) << 8) | byte(i + 8),
                                      (byte(i + 5) << 8) | byte(i + 6));
            }
            i += 2 + length;
        }
    }
    return std::nullopt;
}

bool IsPowerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

fs::path ResolveStatic(const std::string& path) {
    const std::string token = "{StaticPath}";
    if (path.rfind(token, 0) == 0)
        return kData / path.substr(token.size() + 1);
    return path;
}

// What the data scripts told the engine.
struct Area {
    std::string name;
    double x, y, w, h;
};
// A sprite found by its name alone: an extended atlas and its frames.
using ExFrame = qor::test::cExFrameRecord;
struct ExAtlas {
    std::string texture;
    double fps = 0;
    std::vector<ExFrame> frames;
};
struct Glyph {
    std::string ch;
    double fWidth, u, v, cu, cv, bearing, dx;
};
struct Font {
    std::string name, texture;
    double cellHeight = 0, textureWidth = 0, textureHeight = 0;
    std::vector<Glyph> glyphs;
};
struct Queued {
    std::string function, path;
    int channels = 0;
};
struct Control {
    std::string kind, name, texture, font;
};
struct SplashImage {
    std::string texture;
    double x, y, w, h;
};
struct SplashStep {
    double duration;
    std::vector<SplashImage> images;
};

struct Recorder {
    std::map<std::string, std::vector<Area>> atlases;
    std::map<std::string, ExAtlas> exAtlases;
    std::map<std::string, Font> fonts;
    std::map<std::string, std::string> texts;
    std::vector<Queued> queue;
    std::vector<Control> controls;
    std::vector<SplashStep> splash;
    bool splashBackColor = false;
};

// A Lua state with the engine's script functions replaced by recorders.
class Sandbox {
  public:
    Sandbox() : m_state(luaL_newstate()) {
        luaL_openlibs(m_state);
        luaL_dostring(m_state,
                      "align = { None = 0x00, Left = 0x01, Center = 0x02, Right = 0x04, "
                      "Top = 0x08, Middle = 0x10, Bottom = 0x20 }\n"
                      "print = function() end");
        Register();
    }
    ~Sandbox() { lua_close(m_state); }
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    bool Run(const fs::path& file, std::string* error) {
        const auto text = ReadUtf16AsUtf8(file, error);
        if (!text)
            return false;
        if (luaL_loadbuffer(m_state, text->data(), text->size(), file.string().c_str()) != 0 ||
            lua_pcall(m_state, 0, 0, 0) != 0) {
            *error = lua_tostring(m_state, -1) ? lua_tostring(m_state, -1) : "Lua error";
            lua_pop(m_state, 1);
            return false;
        }
        return true;
    }

    bool HasFunction(const std::string& name) {
        lua_getglobal(m_state, name.c_str());
        const bool is = lua_isfunction(m_state, -1);
        lua_pop(m_state, 1);
        return is;
    }

    // Calls a global function with one new handle (a table) as its argument.
    bool Call(const std::string& name, std::string* error) {
        lua_getglobal(m_state, name.c_str());
        lua_newtable(m_state);
        if (lua_pcall(m_state, 1, 0, 0) != 0) {
            *error = lua_tostring(m_state, -1) ? lua_tostring(m_state, -1) : "Lua error";
            lua_pop(m_state, 1);
            return false;
        }
        return true;
    }

    Recorder rec;

  private:
    static Sandbox& Self(lua_State* L) {
        return *static_cast<Sandbox*>(lua_touserdata(L, lua_upvalueindex(1)));
    }
    static std::string Str(lua_State* L, int index) {
        size_t length = 0;
        const char* s = lua_type(L, index) == LUA_TSTRING ? lua_tolstring(L, index, &length) : "";
        return std::string(s, length);
    }
    static double Num(lua_State* L, int index) {
        return lua_isnumber(L, index) ? lua_tonumber(L, index) : 0.0;
    }
    static double Field(lua_State* L, int table, const char* name) {
        if (!lua_istable(L, table))
            return 0;
        lua_getfield(L, table, name);
        const double value = lua_isnumber(L, -1) ? lua_tonumber(L, -1) : 0.0;
        lua_pop(L, 1);
        return value;
    }
    static std::string StrField(lua_State* L, int table, const char* name) {
        lua_getfield(L, table, name);
        const std::string value = Str(L, -1);
        lua_pop(L, 1);
        return value;
    }

    void Add(const char* name, lua_CFunction function) {
        lua_pushlightuserdata(m_state, this);
        lua_pushcclosure(m_state, function, 1);
        lua_setglobal(m_state, name);
    }

    // A control handle: a table that remembers the control's index.
    static int NewControl(lua_State* L, const std::string& kind) {
        Sandbox& self = Self(L);
        self.rec.controls.push_back({kind, Str(L, 2), "", ""});
        lua_newtable(L);
        lua_pushnumber(L, static_cast<double>(self.rec.controls.size() - 1));
        lua_setfield(L, -2, "index");
        return 1;
    }
    static Control* ControlOf(lua_State* L) {
        if (!lua_istable(L, 1))
            return nullptr;
        lua_getfield(L, 1, "index");
        const int index = lua_isnumber(L, -1) ? static_cast<int>(lua_tonumber(L, -1)) : -1;
        lua_pop(L, 1);
        auto& controls = Self(L).rec.controls;
        return index >= 0 && index < static_cast<int>(controls.size()) ? &controls[index] : nullptr;
    }

    void Register() {
        static const char* kNothing[] = {"setWindowTitle",
                                         "changeLocale",
                                         "setFontTransform",
                                         "excludeFromCompression",
                                         "setTextureNodeCount",
                                         "setWndActive",
                                         "setWndModal",
                                         "setCtrlRect",
                                         "setCtrlUVRect",
                                         "setCtrlFrame",
                                         "setCtrlUVFrame",
                                         "showCtrl",
                                         "enableCtrl",
                                         "ignoreCtrl",
                                         "setCtrlColor",
                                         "setCtrlText",
                                         "setCtrlAlign",
                                         "drawFrameCtrlInnerRect",
                                         "setSliderCtrlMinMax",
                                         "setSliderCtrlVertical",
                                         "setButtonSingleFrame",
                                         "setEditCtrlMaxLength",
                                         "setListSysCtrlMultiselect",
                                         "setAnimationCtrlTileset"};
        for (const char* name : kNothing)
            Add(name, [](lua_State*) { return 0; });
        static const char* kControls[] = {"createCtrl",
                                          "createImageCtrl",
                                          "createLabelCtrl",
                                          "createFrameCtrl",
                                          "createProgressBarSysCtrl",
                                          "createTextBoxSysCtrl",
                                          "createSliderSysCtrl",
                                          "createButtonSysCtrl",
                                          "createLinkSysCtrl",
                                          "createEditSysCtrl",
                                          "createCheckBoxSysCtrl",
                                          "createListSysCtrl",
                                          "createToolbarSysCtrl",
                                          "createAnimationCtrl",
                                          "createEditorToolbarCtrl",
                                          "createTextAreaCtrl",
                                          "createSectorCtrl",
                                          "createCupCtrl",
                                          "createProgressVertCtrl"};
        for (const char* name : kControls) {
            lua_pushlightuserdata(m_state, this);
            lua_pushstring(m_state, name);
            lua_pushcclosure(
                m_state,
                [](lua_State* L) { return NewControl(L, lua_tostring(L, lua_upvalueindex(2))); },
                2);
            lua_setglobal(m_state, name);
        }
        Add("setCtrlTexture", [](lua_State* L) {
            if (Control* c = ControlOf(L))
                c->texture = Str(L, 2);
            return 0;
        });
        Add("setCtrlFont", [](lua_State* L) {
            if (Control* c = ControlOf(L))
                c->font = Str(L, 2);
            return 0;
        });
        Add("setLocale", [](lua_State* L) {
            Self(L).rec.texts[Str(L, 1)] = Str(L, 2);
            lua_pushboolean(L, 1);
            return 1;
        });
        for (const char* name : {"loadTextures", "updateTextures", "loadSounds", "loadStream"}) {
            lua_pushlightuserdata(m_state, this);
            lua_pushstring(m_state, name);
            lua_pushcclosure(
                m_state,
                [](lua_State* L) {
                    Self(L).rec.queue.push_back(
                        {lua_tostring(L, lua_upvalueindex(2)), Str(L, 1), 1});
                    lua_pushnumber(L, 0);
                    return 1;
                },
                2);
            lua_setglobal(m_state, name);
        }
        Add("loadSound", [](lua_State* L) {
            Self(L).rec.queue.push_back({"loadSound", Str(L, 1), static_cast<int>(Num(L, 2))});
            lua_pushnumber(L, 0);
            return 1;
        });
        Add("createTextureInfo", [](lua_State* L) {
            Self(L).rec.atlases[Str(L, 1)];
            lua_pushvalue(L, 1);  // the handle is the texture's name
            return 1;
        });
        Add("createTextureInfoEx", [](lua_State* L) {
            lua_pushvalue(L, 1);  // the handle is the sprite's name
            return 1;
        });
        // As the engine does, a later call replaces all frames of the sprite.
        Add("addTextureInfoExNodes", [](lua_State* L) {
            Self(L).rec.exAtlases[Str(L, 1)] =
                ExAtlas{Str(L, 2), Num(L, 4), qor::test::ReadExFrameTable(L, 3)};
            lua_pushnumber(L, 0);
            return 1;
        });
        // Normalised rectangles; pixel forms are checked as whole-texture areas.
        for (const char* name :
             {"addTextureInfoNode5f", "addTextureInfoNode4f", "addTextureInfoNode2f"}) {
            Add(name, [](lua_State* L) {
                auto& atlas = Self(L).rec.atlases[Str(L, 1)];
                atlas.push_back({Str(L, 2), Field(L, 3, "x"), Field(L, 3, "y"), Field(L, 3, "w"),
                                 Field(L, 3, "h")});
                lua_pushnumber(L, static_cast<double>(atlas.size() - 1));
                return 1;
            });
        }
        for (const char* name :
             {"addTextureInfoNode4", "addTextureInfoNode3", "addTextureInfoNode5i",
              "addTextureInfoNode4i", "addTextureInfoNode2i"}) {
            Add(name, [](lua_State* L) {
                auto& atlas = Self(L).rec.atlases[Str(L, 1)];
                atlas.push_back({Str(L, 2), 0, 0, 1, 1});
                lua_pushnumber(L, static_cast<double>(atlas.size() - 1));
                return 1;
            });
        }
        Add("createFont", [](lua_State* L) {
            Font& font = Self(L).rec.fonts[Str(L, 1)];
            font = Font{};
            font.name = Str(L, 1);
            lua_pushvalue(L, 1);
            return 1;
        });
        Add("initFont", [](lua_State* L) {
            Self(L).rec.fonts[Str(L, 1)].cellHeight = Num(L, 5);
            return 0;
        });
        Add("setFontTexture", [](lua_State* L) {
            Font& font = Self(L).rec.fonts[Str(L, 1)];
            font.texture = Str(L, 2);
            font.textureWidth = Num(L, 3);
            font.textureHeight = Num(L, 4);
            return 0;
        });
        Add("fillFont", [](lua_State* L) {
            Font& font = Self(L).rec.fonts[Str(L, 1)];
            if (lua_istable(L, 2)) {
                for (int i = 1;; ++i) {
                    lua_rawgeti(L, 2, i);
                    if (!lua_istable(L, -1)) {
                        lua_pop(L, 1);
                        break;
                    }
                    const int t = lua_gettop(L);
                    font.glyphs.push_back({StrField(L, t, "ch"), Field(L, t, "fWidth"),
                                           Field(L, t, "u"), Field(L, t, "v"), Field(L, t, "cu"),
                                           Field(L, t, "cv"), Field(L, t, "fBearingX"),
                                           Field(L, t, "dx")});
                    lua_pop(L, 1);
                }
            }
            lua_pushnumber(L, 0);
            return 1;
        });
        Add("setSplashBackColor", [](lua_State* L) {
            Self(L).rec.splashBackColor = true;
            return 0;
        });
        Add("addSplashNode", [](lua_State* L) {
            auto& steps = Self(L).rec.splash;
            steps.push_back({Num(L, 2), {}});
            lua_pushnumber(L, static_cast<double>(steps.size() - 1));
            return 1;
        });
        Add("addSplashNodeImage", [](lua_State* L) {
            auto& steps = Self(L).rec.splash;
            const int step = static_cast<int>(Num(L, 1));
            if (step >= 0 && step < static_cast<int>(steps.size())) {
                steps[step].images.push_back(
                    {Str(L, 2), Num(L, 3), Num(L, 4), Num(L, 5), Num(L, 6)});
            }
            return 0;
        });
    }

    lua_State* m_state;
};

// Every image under data/ by texture name (file name without extension).
std::map<std::string, std::vector<fs::path>> ImagesByName() {
    std::map<std::string, std::vector<fs::path>> images;
    if (!fs::is_directory(kData))
        return images;
    for (const auto& entry : fs::recursive_directory_iterator(kData)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".png" || ext == ".jpg" || ext == ".pvr") {
            images[entry.path().stem().string()].push_back(entry.path());
        }
    }
    return images;
}

std::vector<fs::path> FilesWithExtension(const fs::path& folder, const std::string& ext) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ext)
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The atlas and font scripts: the ".lua" files beside images.
std::vector<fs::path> TextureScripts() {
    std::vector<fs::path> scripts;
    for (const auto& folder : {kData / "texture", kData / "font"}) {
        for (const auto& script : FilesWithExtension(folder, ".lua")) {
            for (const char* ext : {".png", ".jpg", ".pvr"}) {
                if (fs::exists(fs::path(script).replace_extension(ext))) {
                    scripts.push_back(script);
                    break;
                }
            }
        }
    }
    return scripts;
}

class GameData : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(fs::is_directory(kData))
            << "no data/ in the working directory: build the game_data target and run the "
               "tests from the build folder";
    }
};

TEST_F(GameData, EveryTextFileIsUtf16AndEveryScriptCompiles) {
    const auto scripts = FilesWithExtension(kData, ".lua");
    ASSERT_FALSE(scripts.empty());
    for (const auto& file : scripts) {
        std::string error;
        const auto text = ReadUtf16AsUtf8(file, &error);
        ASSERT_TRUE(text) << error;
        lua_State* L = luaL_newstate();
        EXPECT_EQ(luaL_loadbuffer(L, text->data(), text->size(), file.string().c_str()), 0)
            << file << ": " << (lua_tostring(L, -1) ? lua_tostring(L, -1) : "");
        lua_close(L);
    }
    for (const auto& file : FilesWithExtension(kData, ".txt")) {
        std::string error;
        EXPECT_TRUE(ReadUtf16AsUtf8(file, &error)) << error;
    }
}

TEST_F(GameData, ConsoleCommandListHasOneCommandPerLine) {
    std::string error;
    const auto text = ReadUtf16AsUtf8(kData / "conf" / "concom.txt", &error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(text->find('\r'), std::string::npos) << "a carriage return would stay in the entry";
    std::istringstream lines(*text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        ++count;
        lua_State* L = luaL_newstate();
        EXPECT_EQ(luaL_loadbuffer(L, line.data(), line.size(), "concom"), 0) << line;
        lua_close(L);
    }
    EXPECT_GT(count, 0);
}

TEST_F(GameData, LoadingScriptQueuesExistingFilesAndEverySound) {
    Sandbox box;
    std::string error;
    ASSERT_TRUE(box.Run(kData / "conf" / "loading.lua", &error)) << error;
    std::set<fs::path> queuedFolders, queuedFiles;
    for (const auto& item : box.rec.queue) {
        const fs::path path = ResolveStatic(item.path);
        if (item.function == "loadTextures" || item.function == "loadSounds") {
            EXPECT_TRUE(fs::is_directory(path))
                << item.function << " of a missing folder " << item.path;
            queuedFolders.insert(path.lexically_normal());
        } else {
            EXPECT_TRUE(fs::is_regular_file(path))
                << item.function << " of a missing file " << item.path;
            EXPECT_EQ(path.extension(), ".ogg") << item.path;
            EXPECT_TRUE(queuedFiles.insert(path.lexically_normal()).second)
                << "queued twice: " << item.path;
        }
        if (item.function == "loadSound") {
            EXPECT_GE(item.channels, 1) << item.path;
            EXPECT_LE(item.channels, 20) << item.path;
        }
    }
    // every sound and music file the build made is queued, music as a stream
    for (const char* folder : {"sound", "music"}) {
        for (const auto& file : FilesWithExtension(kData / folder, ".ogg")) {
            const bool stream = std::string(folder) == "music";
            const auto it =
                std::find_if(box.rec.queue.begin(), box.rec.queue.end(), [&](const Queued& q) {
                    return ResolveStatic(q.path).lexically_normal() == file.lexically_normal();
                });
            ASSERT_NE(it, box.rec.queue.end()) << file << " is never loaded";
            EXPECT_EQ(it->function, stream ? "loadStream" : "loadSound") << file;
        }
    }
    // every texture folder is loaded, except the splash's (the splash loads it)
    for (const auto& [name, paths] : ImagesByName()) {
        for (const auto& image : paths) {
            const fs::path folder = image.parent_path().lexically_normal();
            if (folder == (kData / "texture" / "splash").lexically_normal())
                continue;
            if (folder == (kData / "icon").lexically_normal())
                continue;  // the window's icon, set on the window, never a texture
            if (folder.string().find("comics") != std::string::npos)
                continue;  // read page by page
            if (folder == (kData / "texture" / "back").lexically_normal())
                continue;  // each scene's background object loads its own
            EXPECT_TRUE(queuedFolders.count(folder)) << image << " is in a folder nobody loads";
        }
    }
}

// Sprites found by name alone are drawn 1:1 from their texture: every frame
// must lie inside the texture the script belongs to, at its pixel size.
void ExpectExtendedAtlasesFit(const fs::path& script, const Recorder& rec,
                              std::map<std::string, fs::path>* seen) {
    const std::string stem = script.stem().string();
    std::optional<std::pair<int, int>> size;
    for (const char* ext : {".png", ".jpg"}) {
        if (!size)
            size = ImageSize(fs::path(script).replace_extension(ext));
    }
    ASSERT_TRUE(size) << script;
    for (const auto& [name, ex] : rec.exAtlases) {
        const auto [it, added] = seen->emplace(name, script);
        EXPECT_TRUE(added) << "the sprite " << name << " is defined by " << it->second << " and "
                           << script << "; the later one would replace the first";
        EXPECT_EQ(ex.texture, stem) << script << ": sprite " << name;
        EXPECT_FALSE(ex.frames.empty()) << script << ": sprite " << name;
        EXPECT_GE(ex.fps, 0) << script << ": sprite " << name;
        for (size_t i = 0; i < ex.frames.size(); ++i) {
            const ExFrame& f = ex.frames[i];
            const std::string what = script.string() + ": " + name + " frame " + std::to_string(i);
            EXPECT_TRUE(f.u >= 0 && f.v >= 0 && f.u + f.cu <= 1 + 1e-9 && f.v + f.cv <= 1 + 1e-9)
                << what << " leaves the texture";
            EXPECT_GT(f.w, 0) << what;
            EXPECT_GT(f.h, 0) << what;
            EXPECT_NEAR(f.w, f.cu * size->first, 0.01) << what << " is not drawn 1:1";
            EXPECT_NEAR(f.h, f.cv * size->second, 0.01) << what << " is not drawn 1:1";
        }
    }
}

TEST_F(GameData, AtlasScriptsDescribeTheirOwnTexture) {
    const auto scripts = TextureScripts();
    ASSERT_FALSE(scripts.empty());
    std::map<std::string, fs::path> sprites;
    for (const auto& script : scripts) {
        Sandbox box;
        std::string error;
        ASSERT_TRUE(box.Run(script, &error)) << error;
        const std::string stem = script.stem().string();
        if (!box.rec.fonts.empty())
            continue;  // a font's script; checked below
        ExpectExtendedAtlasesFit(script, box.rec, &sprites);
        if (box.rec.atlases.empty() && !box.rec.exAtlases.empty())
            continue;  // sprites only
        ASSERT_EQ(box.rec.atlases.size(), 1u) << script;
        EXPECT_EQ(box.rec.atlases.begin()->first, stem)
            << "the atlas must carry the texture's name";
        for (const Area& a : box.rec.atlases.begin()->second) {
            EXPECT_FALSE(a.name.empty()) << script;
            EXPECT_GT(a.w, 0) << script << " " << a.name;
            EXPECT_GT(a.h, 0) << script << " " << a.name;
            EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= 1 + 1e-9 && a.y + a.h <= 1 + 1e-9)
                << script << ": area " << a.name << " leaves the texture";
        }
    }
    // textures are powers of two in size; the renderer warns about others
    for (const auto& [name, paths] : ImagesByName()) {
        for (const auto& image : paths) {
            const auto size = ImageSize(image);
            ASSERT_TRUE(size) << image << " is not a readable PNG or JPEG";
            EXPECT_TRUE(IsPowerOfTwo(size->first) && IsPowerOfTwo(size->second))
                << image << " is " << size->first << " x " << size->second;
            const fs::path alpha = fs::path(image).replace_extension(".alpha");
            if (fs::exists(alpha)) {
                EXPECT_EQ(ImageSize(alpha), size) << alpha << " must match its colour image";
            }
        }
    }
}

TEST_F(GameData, FontScriptsMatchTheirGlyphTextures) {
    int fonts = 0;
    for (const auto& script : FilesWithExtension(kData / "font", ".lua")) {
        Sandbox box;
        std::string error;
        ASSERT_TRUE(box.Run(script, &error)) << error;
        const std::string name = script.stem().string();
        ASSERT_EQ(box.rec.fonts.count(name), 1u) << script << " must create the font " << name;
        const Font& font = box.rec.fonts.at(name);
        ++fonts;
        EXPECT_EQ(font.texture, name) << "a font's texture carries the font's name";
        const auto size = ImageSize(fs::path(script).replace_extension(".png"));
        ASSERT_TRUE(size) << script;
        EXPECT_EQ(font.textureWidth, size->first) << name;
        EXPECT_EQ(font.textureHeight, size->second) << name;
        EXPECT_GT(font.cellHeight, 0) << name;
        std::set<std::string> chars;
        for (const Glyph& g : font.glyphs) {
            EXPECT_TRUE(chars.insert(g.ch).second) << name << ": glyph defined twice: " << g.ch;
            EXPECT_GE(g.u, 0) << name << " " << g.ch;
            EXPECT_GE(g.v, 0) << name << " " << g.ch;
            EXPECT_LE(g.u + g.cu, size->first) << name << " " << g.ch;
            EXPECT_LE(g.v + g.cv, size->second) << name << " " << g.ch;
            EXPECT_EQ(g.cv, font.cellHeight) << name << ": every cell is one line high";
            EXPECT_EQ(g.fWidth, g.cu) << name << ": quads are drawn 1:1";
            EXPECT_GE(g.dx, 0) << name << " " << g.ch;
        }
        // Latin letters, digits, the space and the four resource icons
        for (const char* ch : {"A", "z", "0", "9", " ", "\xC3\xA9", "\xC3\x9F", "\xC2\xBD",
                               "\xC2\xBC", "\xC2\xBE", "\xE2\x80\xB0"}) {
            EXPECT_TRUE(chars.count(ch)) << name << " has no glyph for \"" << ch << "\"";
        }
        for (const Glyph& g : font.glyphs) {
            if (g.ch == "M") {
                EXPECT_GT(g.dx, font.cellHeight * 0.3) << name;
            }
        }
    }
    EXPECT_GE(fonts, 3);
}

TEST_F(GameData, WindowScriptsBuildTheirControlsFromExistingData) {
    const auto images = ImagesByName();
    struct Case {
        const char* script;
        std::vector<std::string> required;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        // A "label" would make every load wait for the next sixth frame.
        {"gui/game_loading.lua", {"progress"}, {"label"}},
        {"gui/messagebox.lua", {"title", "text", "image", "icon", "ok", "cancel"}, {}},
    };
    for (const Case& c : cases) {
        Sandbox box;
        std::string error;
        ASSERT_TRUE(box.Run(kData / c.script, &error)) << error;
        ASSERT_TRUE(box.HasFunction("FillWindow")) << c.script;
        ASSERT_TRUE(box.Call("FillWindow", &error)) << c.script << ": " << error;
        std::set<std::string> names;
        for (const Control& control : box.rec.controls) {
            names.insert(control.name);
            if (!control.texture.empty()) {
                EXPECT_TRUE(images.count(control.texture))
                    << c.script << ": control " << control.name << " uses the missing texture "
                    << control.texture;
            }
            if (!control.font.empty()) {
                EXPECT_TRUE(fs::exists(kData / "font" / "en" / (control.font + ".lua")))
                    << c.script << ": control " << control.name << " uses the missing font "
                    << control.font;
            }
        }
        for (const auto& name : c.required) {
            EXPECT_TRUE(names.count(name)) << c.script << " has no control " << name;
        }
        for (const auto& name : c.absent) {
            EXPECT_FALSE(names.count(name)) << c.script << " has a control " << name;
        }
    }
}

TEST_F(GameData, SplashShowsExistingPicturesOnTheSplashScreen) {
    Sandbox box;
    std::string error;
    ASSERT_TRUE(box.Run(kData / "conf" / "splash.lua", &error)) << error;
    ASSERT_TRUE(box.Call("FillSplash", &error)) << error;
    EXPECT_TRUE(box.rec.splashBackColor);
    ASSERT_GE(box.rec.splash.size(), 2u);
    for (const auto& step : box.rec.splash) {
        EXPECT_GT(step.duration, 1.0) << "a step shorter than its fades";
        ASSERT_FALSE(step.images.empty());
        for (const auto& image : step.images) {
            const bool found =
                fs::exists(kData / "texture" / "splash" / (image.texture + ".png")) ||
                fs::exists(kData / "texture" / "splash" / (image.texture + ".jpg"));
            EXPECT_TRUE(found) << image.texture << " is not in texture/splash";
            EXPECT_TRUE(image.x >= 0 && image.y >= 0 && image.x + image.w <= 800 &&
                        image.y + image.h <= 600)
                << image.texture << " leaves the 800 x 600 splash screen";
        }
    }
    // the splash loads every file of its folder as a picture: nothing else may be there
    for (const auto& entry : fs::directory_iterator(kData / "texture" / "splash")) {
        const auto ext = entry.path().extension();
        EXPECT_TRUE(ext == ".png" || ext == ".jpg") << entry.path();
    }
}

// --- the manifest ------------------------------------------------------------

struct Entry {
    std::string kind, name, extra;
    bool missing = false;
    int line = 0;
};

std::vector<Entry> ReadManifest() {
    std::vector<Entry> entries;
    std::ifstream in(kManifest);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        Entry e;
        e.line = number;
        std::string word;
        words >> e.kind >> e.name;
        while (words >> word) {
            if (word == "missing") {
                e.missing = true;
            } else {
                e.extra = word;
            }
        }
        entries.push_back(e);
    }
    return entries;
}

TEST_F(GameData, EveryNameInTheManifestIsPresent) {
    const auto entries = ReadManifest();
    ASSERT_GT(entries.size(), 50u) << "cannot read " << kManifest;

    const auto images = ImagesByName();
    Sandbox textures;  // every atlas and font script, as the loading screen runs them
    for (const auto& script : TextureScripts()) {
        std::string error;
        EXPECT_TRUE(textures.Run(script, &error)) << error;
    }
    Sandbox locale;
    std::string error;
    EXPECT_TRUE(locale.Run(kData / "conf" / "locale_en.lua", &error)) << error;
    Sandbox loading;
    EXPECT_TRUE(loading.Run(kData / "conf" / "loading.lua", &error)) << error;
    auto queued = [&](const std::string& function, const fs::path& file) {
        return std::any_of(loading.rec.queue.begin(), loading.rec.queue.end(),
                           [&](const Queued& q) {
                               return q.function == function && ResolveStatic(q.path) == file;
                           });
    };

    std::set<std::string> seen;
    std::vector<std::string> stillMissing, arrived;
    for (const Entry& e : entries) {
        const std::string what = e.kind + " " + e.name;
        EXPECT_TRUE(seen.insert(what).second) << "manifest line " << e.line << " repeats " << what;
        std::string problem;
        if (e.kind == "texture") {
            if (!images.count(e.name))
                problem = "no image file";
        } else if (e.kind == "area") {
            const size_t colon = e.name.find(':');
            const std::string texture = e.name.substr(0, colon), area = e.name.substr(colon + 1);
            bool found = false;
            if (texture == "*") {
                // the game's lookup by name alone finds extended atlases only
                const auto ex = textures.rec.exAtlases.find(area);
                found = ex != textures.rec.exAtlases.end() && !ex->second.frames.empty();
            }
            for (const auto& [atlas, areas] : textures.rec.atlases) {
                if (texture == "*" || atlas != texture)
                    continue;
                for (const Area& a : areas)
                    found = found || a.name == area;
            }
            if (colon == std::string::npos || !found) {
                problem = texture == "*" ? "no sprite of that name (createTextureInfoEx)"
                                         : "no such area in the atlas scripts";
            }
        } else if (e.kind == "font") {
            if (!textures.rec.fonts.count(e.name) || textures.rec.fonts.at(e.name).glyphs.empty()) {
                problem = "no font script creates it";
            } else if (!images.count(e.name)) {
                problem = "no glyph texture";
            }
        } else if (e.kind == "sound" || e.kind == "music") {
            const fs::path file = kData / e.kind / (e.name + ".ogg");
            const std::string head = ReadBytes(file).substr(0, 64);
            if (head.rfind("OggS", 0) != 0 || head.find("vorbis") == std::string::npos) {
                problem = "no Ogg Vorbis file";
            } else if (!queued(e.kind == "sound" ? "loadSound" : "loadStream", file)) {
                problem = "not queued by conf/loading.lua";
            }
        } else if (e.kind == "locale") {
            const auto it = locale.rec.texts.find(e.name);
            if (it == locale.rec.texts.end() || it->second.empty())
                problem = "no English text";
        } else if (e.kind == "script") {
            Sandbox box;
            std::string scriptError;
            if (!box.Run(kData / e.name, &scriptError)) {
                problem = scriptError;
            } else if (!e.extra.empty() && !box.HasFunction(e.extra)) {
                problem = "does not define " + e.extra;
            }
        } else if (e.kind == "file") {
            if (!fs::is_regular_file(kData / e.name))
                problem = "no such file";
        } else if (e.kind == "folder") {
            if (!fs::is_directory(kData / e.name))
                problem = "no such folder";
        } else {
            ADD_FAILURE() << "manifest line " << e.line << ": unknown kind " << e.kind;
            continue;
        }
        if (e.missing) {
            (problem.empty() ? arrived : stillMissing).push_back(what);
        } else {
            EXPECT_TRUE(problem.empty())
                << what << " (manifest line " << e.line << "): " << problem;
        }
    }
    std::cout << "[ manifest ] " << stillMissing.size() << " names still missing (their data is "
              << "yet to come):";
    for (size_t i = 0; i < stillMissing.size(); ++i) {
        std::cout << (i % 6 == 0 ? "\n[ manifest ]   " : ", ") << stillMissing[i];
    }
    std::cout << "\n";
    for (const auto& name : arrived) {
        std::cout << "[ manifest ] present now, drop its \"missing\" mark: " << name << "\n";
    }
}

}  // namespace
