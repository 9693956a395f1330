#pragma once
// The walkers of the island as packed sprites: the worker in one texture, the
// hero and the enemies in another. Every figure stands with its feet on its
// anchor. Directions follow the game's: 0 right, 1 up the screen (seen from
// behind), 2 left, 3 down the screen (seen from the front).
#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/FigureMotion.h"
#include "tools/artgen/FigureRig.h"
#include "tools/artgen/SpritePacker.h"

namespace artgen {

std::vector<SpriteArt> WorkerSprites();
std::vector<SpriteArt> HeroSprites();
std::vector<SpriteArt> GoblinSprites();
std::vector<SpriteArt> SpiritSprites();
std::vector<SpriteArt> BanditSprites();

// The canvas a figure's frames are painted on, around its feet.
constexpr CanvasBox kFigureCanvas{-48, -92, 48, 16};

// Extras for one frame: the frame's index and its pose.
using FrameExtras = std::function<ExtraList(int frame, const Pose& pose)>;

// One animation of a figure in one direction (0..3), a frame per pose.
SpriteArt PosedSprite(const std::string& name, double fps, const Look& look, int direction,
                      const std::vector<Pose>& poses, FrameExtras extras = nullptr);

// The same animation in all four directions, named `base` + the direction digit.
void AddFourWays(std::vector<SpriteArt>& out, const std::string& base, double fps, const Look& look,
                 const std::vector<Pose>& poses, FrameExtras extras = nullptr);

// A tool in hand, with chips flying on the frame that lands the blow.
FrameExtras ToolWithChips(void (*tool)(cairo_t*, const Skeleton&), int hitFrame, double reach,
                          datakit::Rgb chips);

// A gait with a sack over the shoulder, its neck gripped in front of it.
std::vector<Pose> SackCycle(const Gait& gait, int frames);

// A panicked dash with flailing arms and the hat jumping, in four directions.
std::vector<Pose> FearCycle(int frames, int direction);
void AddFear(std::vector<SpriteArt>& out, const std::string& base, double fps, const Look& look);

}  // namespace artgen
