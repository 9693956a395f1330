#pragma once
// The drawing operations every full-screen scene and its objects share: the
// bars beside the 4:3 play area on a wide window, the progress bar over an
// object being worked on, the ground shadow of walking figures, one frame of a
// sprite, and a sprite animated by time with a cross-fade between frames. All
// draw into the engine's sprite batch; the game object owns the one instance.
#include <cstdint>

#include "engine/Atlas.h"
#include "engine/TextureCache.h"
#include "scene/Vec.h"

namespace qor {
class cSpriteBatch;
}

// The virtual screen every scene is drawn in.
inline constexpr float kVirtualWidth = 1024.0f;
inline constexpr float kVirtualHeight = 768.0f;

class cSceneDraw {
  public:
    explicit cSceneDraw(qor::cSpriteBatch* batch);
    ~cSceneDraw();
    cSceneDraw(const cSceneDraw&) = delete;
    cSceneDraw& operator=(const cSceneDraw&) = delete;

    // Takes the "widescreen" texture, the "progress" sprite of "gui00" and the
    // "shadow" sprite; call once loading is done.
    void LoadSprites();

    // Fills the window beside the centred 4:3 area with the widescreen texture
    // (mirrored on the right), drawn in window pixels; then the virtual screen's
    // projection is back. Scenes call this first thing in their Draw.
    void DrawWidescreenBars(qor::cSpriteBatch* target);
    // The bar centred on `position`, filled from the left to `fraction` (0 … 1).
    void DrawProgressBar(vec2 position, float fraction);
    // The shadow sprite centred on `position`, tinted `color` (ARGB).
    void DrawShadow(vec2 position, uint32_t color);
    // Frame `frame` with its own anchor and size when the sprite has them,
    // else with its lower-left corner at `position`. Nothing for a frame the
    // sprite does not have.
    void DrawSpriteFrame(const qor::cSpriteInfo& sprite, vec2 position, int frame);
    // The frame showing `time` seconds into the animation, fading in from its
    // predecessor over its first `blend` seconds (negative: 60 % of a frame).
    // With `loop` the animation repeats; without, it holds its last frame.
    void DrawSpriteAtTime(const qor::cSpriteInfo& sprite, float time, vec2 position, float blend,
                          bool loop);

    qor::cSpriteBatch* batch;
    qor::cTextureRef widescreenTexture;
    qor::cSpriteInfo progressSprite;  // frame 0 the full bar, frame 1 the empty one
    qor::cSpriteInfo shadowSprite;

  private:
    void DrawFrameAt(const qor::cSpriteInfo& sprite, vec2 position, int frame, uint32_t color);
};

// The two bars for a window of `width` × `height` pixels, in pixel units; none
// when the window is not wider than 4:3.
void WriteWidescreenBars(qor::cSpriteBatch* batch, const qor::cTextureRef& texture, float width,
                         float height);

// The game's scene-drawing service, for scene code; null while none exists. Its
// owner sets it; the service clears it when it goes.
extern cSceneDraw* g_sceneDraw;
