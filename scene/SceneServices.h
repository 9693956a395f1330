#pragma once
// What scene objects need from the game around them: sprite look-ups, texts,
// the particle emitters of the effects manager and the timed sprite drawing of
// the game object. The defaults use the game's scene-drawing service and
// particle manager when they exist and do without them otherwise (tests,
// tools and headless runs), so a scene can be loaded, ticked and saved
// without a display.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/Atlas.h"
#include "engine/SpriteBatch.h"
#include "engine/TextureCache.h"

class cRandom;

// A particle emitter of the effects manager. Objects only hold non-owning
// pointers to emitters and hand them back through the services.
class cEmitter;

class cSceneServices {
  public:
    virtual ~cSceneServices() = default;

    // The batch objects draw into; null draws nothing (headless).
    virtual qor::cSpriteBatch* Batch();

    // A sprite by texture and area name, or by its area name alone.
    virtual qor::cSpriteInfo FindSprite(const std::u16string& texture, const std::u16string& area);
    virtual qor::cSpriteInfo FindSprite(const std::u16string& area);

    // The localized text of a key.
    virtual std::u16string Localize(const std::u16string& key);

    // The frame a sprite shows `time` seconds into its animation, at `position`
    // minus the frame's offset; each frame fades in from its predecessor over
    // the first `blend` seconds (negative: 0.6 of a frame). Without the
    // game's scene-drawing service the frame is drawn without the fade.
    virtual void DrawSpriteAtTime(const qor::cSpriteInfo& sprite, float time, qor::cVec2 position,
                                  float blend, bool loop);

    // Marks an emitter finished: it fades out on its own and its owner drops it.
    virtual void FinishEmitter(cEmitter* emitter);
    // Moves an emitter's birth point.
    virtual void MoveEmitter(cEmitter* emitter, qor::cVec2 position);
    // Empties every particle group, so no particle outlives a cleared scene.
    virtual void ClearParticles();

    // The game's random generator (a fixed stand-in of its own without a game).
    virtual cRandom& GameRandom();

    // A picture file (the extension may be left out) loaded as a new texture
    // that the cache then knows by `name`; holders of an earlier texture of
    // that name keep theirs. Empty (and logged) when the file cannot be read;
    // without a running game nothing is loaded, so tools that read scenes do
    // not decode pictures nobody shows.
    virtual qor::cTextureRef LoadTexture(const std::u16string& file, const std::u16string& name);
};

// The headless services every scene uses until it is given others.
cSceneServices& DefaultSceneServices();

// Draws one frame of a sprite into a rectangle (x, y lower-left), tinted.
// Nothing without a batch, a texture or a valid frame.
void DrawSpriteRect(qor::cSpriteBatch* batch, const qor::cSpriteInfo& sprite, int frame,
                    const qor::cRectF& rect, uint32_t color);

// Where a frame of a sprite stands for an object at `position`: the frame's
// own offset and size when the sprite has them (the anchor of the extended
// atlases), else the sprite's size centred on the position.
qor::cRectF FrameRect(const qor::cSpriteInfo& sprite, int frame, qor::cVec2 position);

// A quad of any four corners (lower-left, lower-right, upper-left,
// upper-right) showing the texture rectangle `uv`: a sprite bent by the wind,
// a cell of ground. An empty texture draws the colour alone.
void DrawQuad(qor::cSpriteBatch* batch, const std::shared_ptr<qor::cTexture>& texture,
              const qor::cVec2 (&corners)[4], const qor::cRectF& uv, uint32_t color);
