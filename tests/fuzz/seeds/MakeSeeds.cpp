// Writes the seed corpus of every fuzz target: a few small files of each format
// that the readers accept, and the near misses they must refuse. The fuzzers
// start their mutations from these, so each format's deeper paths are reached
// within seconds. After a format changes, write them again:
//   cmake --build build --target fuzz_seeds && build/tests/fuzz_seeds tests/fuzz/corpus
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "engine/Image.h"
#include "tests/AudioTestOgg.h"
#include "tests/TestZip.h"
#include "tools/common/ImageFile.h"
#include "tools/common/Utf16Text.h"

namespace {

namespace fs = std::filesystem;

fs::path g_root;
bool g_ok = true;

fs::path Folder(const char* target) {
    const fs::path folder = g_root / target;
    fs::create_directories(folder);
    return folder;
}

void Put(const char* target, const char* name, std::string_view bytes) {
    std::string error;
    if (!datakit::WriteBinaryFile((Folder(target) / name).string(), bytes, &error)) {
        std::fprintf(stderr, "fuzz_seeds: %s\n", error.c_str());
        g_ok = false;
    }
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s\n", what);
        g_ok = false;
    }
}

// A small picture with soft edges, so that both colour and alpha vary.
datakit::RgbaImage Picture(int width, int height, bool opaque) {
    datakit::RgbaImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = image.at(x, y);
            p[0] = static_cast<uint8_t>(40 + 200 * x / width);
            p[1] = static_cast<uint8_t>(180 - 120 * y / height);
            p[2] = 90;
            p[3] = opaque ? 255 : static_cast<uint8_t>(255 * (x + y) / (width + height));
        }
    }
    return image;
}

void ImageSeeds() {
    std::string error;
    Check(datakit::WritePng((Folder("fuzz_png") / "rgba_4x4.png").string(), Picture(4, 4, false),
                            &error),
          "rgba_4x4.png");
    Check(datakit::WritePng((Folder("fuzz_png") / "rgb_5x3.png").string(), Picture(5, 3, true),
                            &error),
          "rgb_5x3.png");
    Check(datakit::WriteJpeg((Folder("fuzz_jpeg") / "colour_8x8.jpg").string(), Picture(8, 8, true),
                             60, &error),
          "colour_8x8.jpg");
    Check(datakit::WriteJpegAlpha((Folder("fuzz_jpeg") / "grey_16x8.jpg").string(),
                                  Picture(16, 8, false), 60, &error),
          "grey_16x8.jpg");
}

// Version 2 PVR: thirteen little-endian 32-bit header fields, then level 0.
std::string Pvr(uint32_t flags, uint32_t width, uint32_t height, uint32_t alphaMask, int format) {
    const uint32_t dataSize = static_cast<uint32_t>(qor::ImageLevelSize(format, width, height));
    const uint32_t fields[13] = {52,
                                 height,
                                 width,
                                 0,
                                 flags,
                                 dataSize,
                                 flags == 24 ? 2u : 4u,
                                 0,
                                 0,
                                 0,
                                 alphaMask,
                                 0x21525650 /* "PVR!" */,
                                 1};
    std::string bytes;
    for (uint32_t f : fields) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(f >> (8 * i));
    }
    for (uint32_t i = 0; i < dataSize; ++i)
        bytes += static_cast<char>(i * 37);
    return bytes;
}

void PvrSeeds() {
    Put("fuzz_pvr", "pvrtc4_8x8.pvr", Pvr(25, 8, 8, 0, qor::kImagePVRTC4));
    Put("fuzz_pvr", "pvrtc2a_16x8.pvr", Pvr(24, 16, 8, 0xFF, qor::kImagePVRTC2A));
}

void SoundSeeds() {
    auto put = [](const char* name, const qor::test::cTone& tone) {
        const std::vector<uint8_t> ogg = qor::test::EncodeToneOgg(tone);
        Put("fuzz_ogg", name, std::string(ogg.begin(), ogg.end()));
    };
    put("mono.ogg", {.seconds = 0.05, .rate = 22050, .channels = 1});
    put("stereo.ogg", {.seconds = 0.05, .frequency = 660, .rate = 44100, .channels = 2});
}

void ZipSeeds() {
    const fs::path folder = Folder("fuzz_zip");
    const std::string longName = "deep/" + std::string(1100, 'n') + ".txt";
    Check(qor::test::WriteTestZip(
              (folder / "members.zip").string(),
              {{"a.txt", "hello", false}, {"dir/b.lua", "x = 1\nreturn x + 1\n", true}}),
          "members.zip");
    Check(qor::test::WriteTestZip((folder / "long_name.zip").string(),
                                  {{longName, "long", true}, {"A.TXT", "", false}}),
          "long_name.zip");
}

void TextSeeds() {
    Put("fuzz_text", "script.lua",
        std::string("\xFF\xFE"
                    "x\0=\0'\0\xE9\0\x3D\xD8\x00\xDE'\0\n\0",
                    18));
    Put("fuzz_text", "no_mark.lua", "x = 'utf-8'\n");
    Put("fuzz_text", "zero_and_odd.lua",
        std::string("\xFF\xFE"
                    "a\0\0\0b\0c",
                    9));
}

// Real bytecode, as string.dump makes it.
std::string Bytecode() {
    lua_State* L = luaL_newstate();
    std::string out;
    if (luaL_loadstring(L, "local t = {1, 2} return #t") == 0) {
        lua_dump(
            L,
            [](lua_State*, const void* p, size_t n, void* ud) {
                static_cast<std::string*>(ud)->append(static_cast<const char*>(p), n);
                return 0;
            },
            &out);
    }
    lua_close(L);
    Check(!out.empty(), "bytecode");
    return out;
}

void ScriptSeeds() {
    const std::string text =
        "local items = {wood = 3, food = 1}\n"
        "function Count(kind) return items[kind] or 0 end\n"
        "for k, v in pairs(items) do print(k, v) end\n";
    Put("fuzz_script", "text.lua", text);
    Put("fuzz_script", "hash_text.lua", "#!/usr/bin/env lua\n" + text);
    Put("fuzz_script", "bytecode.luac", Bytecode());
    Put("fuzz_script", "hash_bytecode.luac", "#!/usr/bin/env lua\n" + Bytecode());
}

// A player's world-map progress on the forty-level map: the version 2, then
// per point its type, id, medal and chosen flag.
std::string ProgressRecord(uint32_t id, int32_t medal, uint8_t chosen) {
    std::string out;
    for (const uint32_t value : {0x80000000u, id, static_cast<uint32_t>(medal)}) {
        for (int shift = 0; shift < 32; shift += 8)
            out += static_cast<char>(value >> shift);
    }
    out += static_cast<char>(chosen);
    return out;
}

void ProgressSeeds() {
    const std::string version("\x02\0\0\0", 4);
    std::string fresh = version, halfway = version, finished = version;
    for (uint32_t id = 1; id <= 40; ++id) {
        fresh += ProgressRecord(id, id == 1 ? 1 : 0, id == 1 ? 1 : 0);
        const int32_t medal = id < 5 ? static_cast<int32_t>(2 + id % 3) : id == 5 ? 1 : 0;
        halfway += ProgressRecord(id, medal, id == 5 ? 1 : 0);
        finished += ProgressRecord(id, 4, 0);
    }
    Put("fuzz_map_progress", "fresh.dat", fresh);
    Put("fuzz_map_progress", "halfway.dat", halfway);
    Put("fuzz_map_progress", "finished.dat", finished);
    // Written for another map, and cut short: both must be read only so far.
    Put("fuzz_map_progress", "foreign.dat",
        version + ProgressRecord(1, 4, 0) + ProgressRecord(77, 4, 0) + ProgressRecord(2, 3, 1));
    Put("fuzz_map_progress", "short.dat",
        version + ProgressRecord(1, 2, 0) + ProgressRecord(2, 4, 1).substr(0, 7));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds CORPUS_FOLDER (tests/fuzz/corpus)\n");
        return 2;
    }
    g_root = argv[1];
    ImageSeeds();
    PvrSeeds();
    SoundSeeds();
    ZipSeeds();
    TextSeeds();
    ScriptSeeds();
    ProgressSeeds();
    return g_ok ? 0 : 1;
}
