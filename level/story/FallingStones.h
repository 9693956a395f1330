#pragma once
// Stones that fall from the sky. A barrier flagged "meteor" waits off screen,
// up and to the right of where the level placed it, until the story sets the
// shower off; once nobody stands where the stones will land they all fly in
// at once, each trailing dust and fire, and land with an explosion and a
// shake of the whole scene. A stone that lands next to a building or a bridge
// knocks it back to unbuilt and breaks up; any other stays where it fell as
// an ordinary barrier.
#include <cstdint>
#include <vector>

#include "engine/SpriteBatch.h"
#include "scene/EmitterStamp.h"
#include "scene/LevelGrid.h"
#include "scene/Random.h"

class cLevelWidget;
class cObject;
class cRandom;

// The scene jumps a few times, alternating right and left, when a stone lands.
struct cScreenShake {
    void Start();
    // Steps by one frame of `seconds`; the jumps draw from `random`.
    void Step(float seconds, cRandom& random);
    bool IsIdle() const { return count < 0; }

    float x = 0.0f, y = 0.0f;  // the scene's offset now
    float time = 0.0f;         // how long the current jump has shown
    int32_t count = -1;        // jumps still to come; -1 idle
};

class cFallingStones {
  public:
    // After loading: every flagged stone is sent off screen onto the flying
    // layer, further out the later it comes in the level's order.
    void Prepare(cLevelWidget& level);
    // Every frame of play: once the shower is due and the landing places
    // are clear the stones fly; then the shake.
    void Update(cLevelWidget& level, float seconds);
    // The level goes: no stone flies on, no trail smokes on, the scene is
    // still again.
    void Clear();
    // The fire behind every stone in the air.
    void DrawTrails(cLevelWidget& level) const;

    // Where a stone still to fall will land: the cells it will cover. False
    // for any other object.
    bool LandingCells(const cLevelWidget& level, const cObject* stone, cCellRect* cells) const;
    // Stones still waiting or in the air.
    bool Pending() const { return !m_flights.empty(); }
    bool Flying() const { return m_started; }
    const cScreenShake& Shake() const { return shake; }

    cScreenShake shake;

  private:
    struct cFlight {
        cObject* stone = nullptr;  // not owned: the level's barrier
        qor::cVec2 from, to;
        float length = 0.0f;  // from `from` to `to`
        float travelled = 0.0f;
        cKeptEmitter trail;  // null until the stone sets off
        bool landed = false;
    };

    // Whether a worker still stands where a stone will land.
    bool ZonesOccupied(cLevelWidget& level) const;
    void SetOff(cLevelWidget& level);
    void Fly(cLevelWidget& level, cFlight& flight, float seconds);
    void Land(cLevelWidget& level, cFlight& flight);

    std::vector<cFlight> m_flights;
    // The shake and the size of a blast only move pixels: they draw from a
    // generator of their own, so that the one the game plays by is not
    // advanced by how many frames the picture took.
    cRandom m_looks{1};
    bool m_started = false;     // the stones have set off
    float m_checkTimer = 0.0f;  // until the landing places are looked at again
};
