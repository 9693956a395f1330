// "gui01": the portraits of the talk window, one area per speaker code.
#include "tools/artgen/PortraitKit.h"
#include "tools/artgen/SpeakerFigures.h"
#include "tools/artgen/TextureBook.h"
#include "tools/common/Palette.h"

namespace artgen {

namespace {

using namespace datakit;
using namespace datakit::palette;

struct Speaker {
    const char* code;
    Rgb back;
    void (*figure)(cairo_t*);
};

const Speaker kSpeakers[] = {
    {"ad", kSky, PaintAdvisor},
    {"mh", kHoneyLight, PaintMasterBuilder},
    {"sl", kLeafLight, PaintTrader},
    {"wf", Hex(0xC9B6E4), PaintWiseWoman},
};

// Two by two in 256-pixel cells, each portrait 8 pixels in from its cell.
constexpr int kCell = 256, kInset = (kCell - kPortraitSide) / 2;

int CellX(int i) {
    return (i % 2) * kCell + kInset;
}
int CellY(int i) {
    return (i / 2) * kCell + kInset;
}

void PaintGui01(cairo_t* cr, const PaintContext&) {
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, CellX(i), CellY(i));
        PaintPortraitFrame(cr, kSpeakers[i].back, kSpeakers[i].figure);
        cairo_restore(cr);
    }
}

}  // namespace

void AddSpeakerPortraits(std::vector<TextureDef>& book) {
    std::vector<Area> areas;
    for (int i = 0; i < 4; ++i)
        areas.push_back({kSpeakers[i].code, CellX(i), CellY(i), kPortraitSide, kPortraitSide});
    book.push_back({"gui01", 512, 512, PaintGui01, areas,
                    "Talk portraits (240 x 240, round, facing the player): ad the advisor,\n"
                    "mh the master builder, sl the trader, wf the wise woman."});
}

}  // namespace artgen
