// What the figure files share: turning poses into sprite frames in the four
// directions, the textures that hold them, and motions more than one
// character uses.
#include <cmath>

#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureProps.h"
#include "tools/artgen/Figures.h"

namespace artgen {

SpriteArt PosedSprite(const std::string& name, double fps, const Look& look, int direction,
                      const std::vector<Pose>& poses, FrameExtras extras) {
    const View views[4] = {View::kSide, View::kBack, View::kSide, View::kFront};
    const View view = views[direction & 3];
    const bool mirror = direction == 2;
    SpriteArt art{name, fps, kFigureCanvas, {}};
    for (size_t i = 0; i < poses.size(); ++i) {
        const Pose pose = poses[i];
        const ExtraList list = extras ? extras(static_cast<int>(i), pose) : ExtraList{};
        art.frames.push_back([look, pose, view, mirror, list](cairo_t* cr) {
            DrawFigure(cr, look, pose, view, mirror, list);
        });
    }
    return art;
}

void AddFourWays(std::vector<SpriteArt>& out, const std::string& base, double fps, const Look& look,
                 const std::vector<Pose>& poses, FrameExtras extras) {
    for (int d = 0; d < 4; ++d)
        out.push_back(PosedSprite(base + std::to_string(d), fps, look, d, poses, extras));
}

FrameExtras ToolWithChips(void (*tool)(cairo_t*, const Skeleton&), int hitFrame, double reach,
                          datakit::Rgb chips) {
    return [tool, hitFrame, reach, chips](int frame, const Pose&) {
        ExtraList list{[tool](const Skeleton& s) { return HeldExtra(s, tool); }};
        if (frame == hitFrame) {
            list.push_back([reach, chips, frame](const Skeleton&) {
                return Extra{DepthInFront(),
                             [reach, chips, frame](cairo_t* cr, const Skeleton& sk) {
                                 PaintChips(cr, ToolHead(sk, reach), chips, 7 * sk.scale,
                                            17u + static_cast<unsigned>(frame));
                             }};
            });
        }
        return list;
    };
}

std::vector<Pose> SackCycle(const Gait& gait, int frames) {
    std::vector<Pose> poses = GaitCycle(gait, frames);
    for (Pose& p : poses)
        p.arm[0] = {0.35, 2.3, 0.2};
    return poses;
}

std::vector<Pose> FearCycle(int frames, int direction) {
    Gait g = RunGait();
    g.stride = 0.6;
    g.lean = -0.05;
    g.leap = 2.2;
    g.face = Face::kScared;
    std::vector<Pose> poses = GaitCycle(g, frames);
    // Seen from the side, raised arms would hide the face: there they flail
    // wide below it; from the front and back they are flung up.
    const bool side = direction == 0 || direction == 2;
    for (int i = 0; i < frames; ++i) {
        const double a = 2 * M_PI * i / frames;
        Pose& p = poses[static_cast<size_t>(i)];
        if (side) {
            p.arm[0] = {1.25 + 0.5 * std::sin(a), 0.5, 0.3};
            p.arm[1] = {-1.35 + 0.5 * std::sin(a), -0.4, 0.3};
        } else {
            p.arm[0] = {2.3 + 0.45 * std::sin(a), 0.3, 0.55};
            p.arm[1] = {3.9 - 0.45 * std::sin(a), 0.3, 0.55};
        }
        p.hatLift = 3.0 + 1.5 * std::sin(2 * a);
        p.headTilt = -0.1;
    }
    return poses;
}

void AddFear(std::vector<SpriteArt>& out, const std::string& base, double fps, const Look& look) {
    for (int d = 0; d < 4; ++d)
        out.push_back(PosedSprite(base + std::to_string(d), fps, look, d, FearCycle(8, d)));
}

void AddFigureTextures(std::vector<TextureDef>& book) {
    book.push_back(SpriteTexture("figures_worker", 1024, 512, WorkerSprites));
    book.back().note = "The worker's animations; every frame stands on the worker's feet.";
    book.push_back(SpriteTexture("figures_folk", 1024, 1024, [] {
        std::vector<SpriteArt> all;
        for (auto part : {HeroSprites, GoblinSprites, SpiritSprites, BanditSprites}) {
            auto sprites = part();
            all.insert(all.end(), sprites.begin(), sprites.end());
        }
        return all;
    }));
    book.back().note = "The hero, the gold goblin, the skeleton spirit and the bandit.";
}

}  // namespace artgen
