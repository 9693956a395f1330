// bm_backgen: draws a level's background picture from the level's own grid,
// so that the sea, the shore, the paths and the rough ground lie exactly where
// the level's objects stand.
//
//   bm_backgen LEVEL.lvl OUTDIR [--name NAME]
//   bm_backgen LEVEL.lvl --preview FILE.png
//
// Writes OUTDIR/NAME_t.jpg (the picture's upper 512 rows) and OUTDIR/NAME_b.jpg
// (its lower 256 rows), the two halves the level's background object loads
// from "{StaticPath}/texture/back/". Without --name, one pair for each name
// the level's background objects give; a level without one gets none. Any
// level file works, also one kept outside the game's level folder: for a test
// level, write its pair into the test data's texture/back/ folder, e.g.
//
//   tools/bm_backgen tests/levels/mine.lvl data/texture/back --name mine
//
// (data-src/CMakeLists.txt does this for every level the game ships with
// bm_level_background, which test data can call too). --preview writes the
// whole picture as one PNG, for people to look at.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/backgen/GroundPicture.h"
#include "tools/backgen/LevelGround.h"

namespace {

constexpr int kTopRows = 512;
constexpr int kJpegQuality = 88;

datakit::RgbaImage Rows(const datakit::RgbaImage& image, int first, int count) {
    datakit::RgbaImage part(image.width, count);
    for (int y = 0; y < count; ++y) {
        std::copy(image.at(0, first + y), image.at(0, first + y) + image.width * 4, part.at(0, y));
    }
    return part;
}

// The same name always gives the same flowers and waves.
uint32_t SeedOf(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : name)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bm_backgen LEVEL.lvl OUTDIR [--name NAME]\n"
                 "       bm_backgen LEVEL.lvl --preview FILE.png\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const bool preview = argc == 4 && std::string(argv[2]) == "--preview";
    if (argc != 3 && !preview && !(argc == 5 && std::string(argv[3]) == "--name"))
        return Usage();
    const std::string level = argv[1], outDir = argv[2];
    backgen::cLevelGround ground;
    std::string error;
    if (!backgen::ReadLevelGround(level, &ground, &error)) {
        std::fprintf(stderr, "bm_backgen: %s\n", error.c_str());
        return 1;
    }
    const backgen::cGroundMap map = backgen::ReadGround(ground.terrain, ground.water);
    if (preview) {
        const bool ok =
            datakit::WritePng(argv[3], backgen::PaintGround(map, SeedOf(level)), &error);
        if (!ok)
            std::fprintf(stderr, "bm_backgen: %s\n", error.c_str());
        return ok ? 0 : 1;
    }
    const std::vector<std::string> names =
        argc == 5 ? std::vector<std::string>{argv[4]} : ground.backNames;
    if (names.empty()) {
        std::fprintf(stderr, "bm_backgen: %s has no background object; nothing drawn\n",
                     level.c_str());
        return 0;
    }
    for (const std::string& name : names) {
        if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
            std::fprintf(stderr, "bm_backgen: unusable background name '%s'\n", name.c_str());
            return 1;
        }
        const datakit::RgbaImage picture = backgen::PaintGround(map, SeedOf(name));
        const std::string base = outDir + "/" + name;
        if (!datakit::WriteJpeg(base + "_t.jpg", Rows(picture, 0, kTopRows), kJpegQuality,
                                &error) ||
            !datakit::WriteJpeg(base + "_b.jpg", Rows(picture, kTopRows, picture.height - kTopRows),
                                kJpegQuality, &error)) {
            std::fprintf(stderr, "bm_backgen: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
