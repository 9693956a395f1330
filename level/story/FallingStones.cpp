#include "level/story/FallingStones.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/Render.h"
#include "engine/TextureCache.h"
#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "scene/ParticleManager.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

// The stones come in from up and to the right, each further out than the one
// before it, so that they land one after the other.
constexpr float kSkyX = 140.0f, kSkyY = 200.0f;
constexpr float kFirstDistance = 800.0f;
constexpr float kSpacing = 1.1f;
constexpr float kSpeed = 700.0f;  // units per second
constexpr int kFlyingLayer = 7;
// How often the landing places are looked at while somebody still stands there.
constexpr float kCheckSeconds = 0.5f;
// What a landing stone knocks back to unbuilt.
constexpr uint32_t kStruck = kBuildings | kBridge;

constexpr int kShakeJumps = 6;
constexpr float kShakeSeconds = 0.06f;

// The fire behind a stone: a long glow of flame, laid over the ground as it
// is, and a short white-hot core that brightens whatever lies beneath.
struct cFlame {
    float length, width;
    uint32_t colour;
    int blend;
};
constexpr cFlame kFlames[] = {
    {240.0f, 40.0f, 0xB0FF6A1Eu, qor::kBlendAlpha},
    {130.0f, 22.0f, 0xC0FFE080u, qor::kBlendAlphaAdd},
};
// The flame starts at the stone's back, not over its face.
constexpr float kFlameGap = 10.0f;

qor::cVec2 SkyDirection() {
    const float length = std::hypot(kSkyX, kSkyY);
    return {kSkyX / length, kSkyY / length};
}

cCellRect Widened(cCellRect r) {
    return {r.firstI - 1, r.lastI + 1, r.firstJ - 1, r.lastJ + 1};
}

void MakeTrail(cKeptEmitter& trail, qor::cVec2 at) {
    if (!g_particles)
        return;
    cEmitter* e = g_particles->AddDust(50.0f);
    e->interval = 0.01f;
    e->spread = 1.0f;
    e->lifeMin = 2.0f;
    e->lifeMax = 3.0f;
    e->sizeMin = 5.0f;
    e->sizeMax = 10.0f;
    e->sizeRate = 8.0f;
    e->velocityMin = {-20.0f, -20.0f, 0.0f};
    e->velocityMax = {10.0f, 10.0f, 0.0f};
    e->colorBirth = 0x00FFFFFFu;
    e->colorMiddle = 0xFFFFFFFFu;
    e->colorDeath = 0x00FFFFFFu;
    e->fadeOnly = 0;
    e->position = {at.x, at.y, 0.0f};
    trail.Keep(e);
}

}  // namespace

void cScreenShake::Start() {
    count = kShakeJumps;
    time = 0.0f;
}

void cScreenShake::Step(float seconds, cRandom& random) {
    if (count < 0)
        return;
    if (time == 0.0f) {
        --count;
        if (count < 0) {
            x = y = 0.0f;
            return;
        }
        const float jump = random.Range(6.0f, 12.0f);
        x = count % 2 == 0 ? -jump : jump;
        y = random.Range(-10.0f, 10.0f);
    }
    time += seconds;
    if (time >= kShakeSeconds)
        x = y = time = 0.0f;
}

void cFallingStones::Prepare(cLevelWidget& level) {
    Clear();
    std::vector<cObject*> barriers;
    level.CollectObjects(barriers, kBarrier, -1);
    const qor::cVec2 sky = SkyDirection();
    int k = 0;
    for (cObject* stone : barriers) {
        if ((stone->flags & kFlagMeteor) == 0 || cLevelWidget::IsDead(stone))
            continue;
        const qor::cVec2 to = stone->GetPosition();
        const float length = kFirstDistance * (1.0f + kSpacing * static_cast<float>(k++));
        const qor::cVec2 from{to.x + sky.x * length, to.y + sky.y * length};
        cFlight flight;
        flight.stone = stone;
        flight.from = from;
        flight.to = to;
        flight.length = length;
        m_flights.push_back(std::move(flight));
        stone->SetPosition(from);
        level.SetObjectLayer(stone, kFlyingLayer);
    }
}

void cFallingStones::Clear() {
    for (cFlight& flight : m_flights) {
        if (cEmitter* e = flight.trail.Get())
            e->Finish();
    }
    m_flights.clear();
    m_started = false;
    m_checkTimer = 0.0f;
    shake = {};
}

void cFallingStones::Update(cLevelWidget& level, float seconds) {
    if (!m_flights.empty() && level.meteorDelay == 0.0f) {
        if (!m_started) {
            m_checkTimer -= seconds;
            if (m_checkTimer <= 0.0f) {
                m_checkTimer = kCheckSeconds;
                if (!ZonesOccupied(level))
                    SetOff(level);
            }
        }
        if (m_started) {
            bool allDown = true;
            for (cFlight& flight : m_flights) {
                if (!flight.landed)
                    Fly(level, flight, seconds);
                allDown = allDown && flight.landed;
            }
            if (allDown) {
                m_flights.clear();
                m_started = false;
            }
        }
    }
    shake.Step(seconds, m_looks);
}

bool cFallingStones::ZonesOccupied(cLevelWidget& level) const {
    for (const cWorker* man : level.CollectMen()) {
        if (cLevelWidget::IsDead(man) || man->IsInHouse())
            continue;
        const cCell cell = man->GetCell();
        for (const cFlight& flight : m_flights) {
            cCellRect landing;
            if (LandingCells(level, flight.stone, &landing) && Widened(landing).Contains(cell))
                return true;
        }
    }
    return false;
}

void cFallingStones::SetOff(cLevelWidget& level) {
    m_started = true;
    for (cFlight& flight : m_flights) {
        MakeTrail(flight.trail, flight.from);
        // Nobody walks into the place while the stone is on its way.
        cCellRect landing;
        if (LandingCells(level, flight.stone, &landing))
            level.Cells().Occupy(landing);
    }
    level.QueueCommand(nullptr, kCommandWaysClosed, 0);
}

void cFallingStones::Fly(cLevelWidget& level, cFlight& flight, float seconds) {
    flight.travelled += kSpeed * seconds;
    if (flight.travelled >= flight.length) {
        Land(level, flight);
        return;
    }
    const float t = flight.travelled / flight.length;
    const qor::cVec2 at{flight.from.x + (flight.to.x - flight.from.x) * t,
                        flight.from.y + (flight.to.y - flight.from.y) * t};
    flight.stone->SetPosition(at);
    if (cEmitter* e = flight.trail.Get())
        e->position = {at.x, at.y, 0.0f};
}

void cFallingStones::Land(cLevelWidget& level, cFlight& flight) {
    flight.landed = true;
    if (cEmitter* e = flight.trail.Get())
        e->Finish();
    cObject* stone = flight.stone;
    stone->SetPosition(flight.to);
    cLevelHost& host = level.Host();
    level.effects.AddExplosion(m_looks.Range(1.0f, 2.0f), {flight.to.x, flight.to.y});
    host.PlaySound(kSoundExplosion);
    level.PlaceOnDefaultLayer(stone);
    shake.Start();
    // From now on it is a stone like any other: cleared by workers, no
    // danger to anybody.
    stone->flags &= ~kFlagMeteor;
    const cCell at = stone->GetCell();
    bool struck = false;
    if (at.IsValid()) {
        std::vector<cObject*> sites;
        level.CollectObjects(sites, kStruck, -1);
        for (cObject* site : sites) {
            const cCell cell = site->GetCell();
            if (cLevelWidget::IsDead(site) || std::abs(cell.i - at.i) + std::abs(cell.j - at.j) > 1)
                continue;
            struck = true;
            site->SetState(0);
            if (site->IsKind(kBridge)) {
                // A broken bridge carries nobody: its water is in the way again.
                level.MarkObjectCells(site, true);
                level.QueueCommand(site, kCommandWaysClosed, 0);
            }
        }
    }
    if (struck) {
        stone->SetState(kStateGone);
        return;
    }
    cWalkPath way;
    stone->reachable = !level.base || level.FindPath(way, level.base, stone, {}, false) ? 1 : 0;
}

bool cFallingStones::LandingCells(const cLevelWidget& /*level*/, const cObject* stone,
                                  cCellRect* cells) const {
    for (const cFlight& flight : m_flights) {
        if (flight.stone != stone || flight.landed)
            continue;
        if (cells)
            *cells = FootprintCells(flight.to, stone->footprintWidth, stone->footprintHeight);
        return true;
    }
    return false;
}

void cFallingStones::DrawTrails(cLevelWidget& level) const {
    qor::cSpriteBatch* batch = level.Services().Batch();
    if (!m_started || !batch || !qor::g_render)
        return;
    const qor::cTextureRef fire = qor::FindTexture(u"part09");
    const qor::cVec2 sky = SkyDirection();
    for (const cFlame& flame : kFlames) {
        bool drawn = false;
        for (const cFlight& flight : m_flights) {
            // As long as the way flown so far, at most the flame's own length.
            const float length = std::min(flame.length, flight.travelled);
            if (flight.landed || length <= kFlameGap)
                continue;
            const qor::cVec2 at = flight.stone->GetPosition();
            const qor::cVec2 head{at.x + sky.x * kFlameGap, at.y + sky.y * kFlameGap};
            const qor::cVec2 tail{at.x + sky.x * length, at.y + sky.y * length};
            qor::DrawBand(batch, fire, tail, head, flame.width, {0.0f, 0.0f, 1.0f, 1.0f},
                          flame.colour);
            drawn = true;
        }
        if (!drawn)
            continue;
        qor::g_render->SetBlend(flame.blend, 0.0f);
        qor::FlushBatch(batch);
        batch->Clear();
    }
    qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
}
