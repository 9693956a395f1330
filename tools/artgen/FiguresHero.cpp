// The hero: taller than the workers, in steel with a red cape and a plumed
// helmet, sword in hand. Strikes play at 1.4 times their rate and land on
// their second frame; the game's strike sound comes 0.4 s in and then every
// 0.3 s, about one loop of the strike.
#include <cmath>

#include "tools/artgen/FigureHeads.h"
#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureProps.h"
#include "tools/artgen/Figures.h"

namespace artgen {

using namespace datakit;
using namespace datakit::palette;

namespace {

constexpr Rgb kCape = Hex(0xC8352E);

Look HeroLook() {
    Look k;
    k.scale = 1.1;
    k.skin = looks::kSkin;
    k.shirt = Hex(0xBCC8D6);
    k.sleeve = Hex(0x34508F);
    k.trousers = Hex(0x3E4360);
    k.boots = Hex(0x6B4324);
    k.belt = kGold;
    k.bareForearms = false;
    k.head = PaintHeroHead;
    return k;
}

// The cape hangs from the shoulders; `flow` blows it back (side view) and
// `flutter` waves its hem.
Extra Cape(const Skeleton& s, double flow, double flutter) {
    double depth = -2;
    if (s.view == View::kSide)
        depth = -1.2;
    if (s.view == View::kBack)
        depth = 0.1;
    return {depth, [flow, flutter](cairo_t* cr, const Skeleton& sk) {
                const double k = sk.scale;
                const Point n = sk.neck.p;
                const double len = 22 * k;
                if (sk.view == View::kSide) {
                    cairo_move_to(cr, n.x + 1.5 * k, n.y + 1 * k);
                    cairo_curve_to(cr, n.x - 1 * k, n.y + len * 0.5, n.x - 1 * k - flow * 0.3,
                                   n.y + len * 0.8, n.x - 1.5 * k - flow * 0.4, n.y + len);
                    cairo_curve_to(cr, n.x - 4 * k - flow, n.y + len - 2 * k + flutter,
                                   n.x - 6 * k - flow, n.y + len + 1 * k - flutter,
                                   n.x - 8 * k - flow * 1.2, n.y + len - 2 * k);
                    cairo_curve_to(cr, n.x - 6 * k - flow * 0.6, n.y + len * 0.5, n.x - 4 * k,
                                   n.y + 3 * k, n.x - 2.5 * k, n.y);
                } else {
                    const double top = 6.2 * k, bottom = 9 * k + flow * 0.3;
                    cairo_move_to(cr, n.x - top, n.y + 1.5 * k);
                    cairo_line_to(cr, n.x + top, n.y + 1.5 * k);
                    cairo_line_to(cr, n.x + bottom, n.y + len);
                    cairo_curve_to(cr, n.x + bottom * 0.4, n.y + len + 2 * k + flutter,
                                   n.x - bottom * 0.4, n.y + len - 1 * k - flutter, n.x - bottom,
                                   n.y + len);
                }
                cairo_close_path(cr);
                SetVerticalGradient(cr, n.y, len, Lighten(kCape, 0.1), Darken(kCape, 0.2));
                cairo_fill_preserve(cr);
                SetColor(cr, kInk);
                cairo_set_line_width(cr, kFigureInk);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                cairo_stroke(cr);
            }};
}

void Sword(cairo_t* cr, const Skeleton& s) {
    PaintSword(cr, s, 0);
}

// Sword in hand, pointing down and back, swinging with the arm.
std::vector<Pose> Armed(std::vector<Pose> poses) {
    for (Pose& p : poses) {
        p.grip = 0;
        p.wrist = -0.5 - p.arm[0].swing - p.arm[0].bend;
    }
    return poses;
}

FrameExtras CapeAndSword(double flow, int frames) {
    return [flow, frames](int frame, const Pose&) {
        const double flutter = 1.5 * std::sin(2 * M_PI * frame / frames * 2);
        return ExtraList{[flow, flutter](const Skeleton& s) { return Cape(s, flow, flutter); },
                         [](const Skeleton& s) { return HeldExtra(s, Sword); }};
    };
}

// Both hands raise the sword, light gathers at its point and bursts.
SpriteArt MagicSprite(const Look& look) {
    Pose low = StandPose();
    low.grip = 0;
    low.twoHands = true;
    low.arm[0] = {1.0, 0.6, 0.1};
    low.wrist = 2.2 - 1.6;
    Pose high = low;
    high.arm[0] = {2.9, 0.1, 0.05};
    high.wrist = 3.1 - 3.0;
    high.headTilt = -0.25;
    high.face = Face::kOpen;
    const std::vector<Pose> poses =
        KeyedCycle({{0, low}, {0.3, high}, {0.8, high}, {1.0, low}}, 10, false);
    const double glow[10] = {0, 0.2, 0.5, 0.8, 1.0, 1.2, 1.5, 1.1, 0.5, 0.1};
    SpriteArt art{"hero_magic1", 10, kFigureCanvas, {}};
    for (int i = 0; i < 10; ++i) {
        const Pose pose = poses[static_cast<size_t>(i)];
        const double g = glow[i];
        const ExtraList extras{
            [](const Skeleton& s) { return Cape(s, 1, 0); },
            [g](const Skeleton& s) {
                return Extra{DepthOfHand(s, 0) + 0.02,
                             [g](cairo_t* cr, const Skeleton& sk) { PaintSword(cr, sk, g); }};
            }};
        art.frames.push_back([look, pose, extras](cairo_t* cr) {
            DrawFigure(cr, look, pose, View::kBack, false, extras);
        });
    }
    return art;
}

// Looking left and right, sword lowered, and back again.
std::vector<Pose> LookAround(int frames) {
    Pose p = StandPose();
    p.grip = 0;
    p.arm[0] = {0.15, 0.3, 0.2};
    p.wrist = 0.35 - 0.45;
    Pose left = p, right = p;
    left.headYaw = -1;
    right.headYaw = 1;
    right.face = Face::kSmile;
    return KeyedCycle(
        {{0, p}, {0.15, p}, {0.35, left}, {0.5, left}, {0.7, right}, {0.85, right}, {1.0, p}},
        frames, false);
}

}  // namespace

std::vector<SpriteArt> HeroSprites() {
    const Look look = HeroLook();
    std::vector<SpriteArt> out;
    AddFourWays(out, "hero_walk", 12, look, Armed(GaitCycle(StrollGait(), 8)), CapeAndSword(2, 8));
    AddFourWays(out, "hero_run", 14, look, Armed(GaitCycle(RunGait(), 8)), CapeAndSword(6, 8));
    AddFourWays(out, "hero_strike", 12, look, SlashStroke(5, 1), [](int frame, const Pose&) {
        ExtraList list = CapeAndSword(3, 5)(frame, Pose{});
        if (frame == 1) {
            list.push_back([](const Skeleton&) {
                return Extra{DepthInFront(), [](cairo_t* cr, const Skeleton& sk) {
                                 PaintChips(cr, ToolHead(sk, 15), kHoneyLight, 8 * sk.scale, 5);
                             }};
            });
        }
        return list;
    });
    out.push_back(MagicSprite(look));
    out.push_back(PosedSprite("hero_rest30", 8, look, 3, LookAround(12), CapeAndSword(1, 12)));
    return out;
}

}  // namespace artgen
