#include "scene/Decor.h"

#include <cmath>
#include <string_view>

#include "scene/BaseWidget.h"
#include "scene/Random.h"
#include "scene/SceneServices.h"

namespace {

constexpr int kSpellWaterFreeze = 3;
// How far a bobbing sprite stretches as it passes upright.
constexpr float kBounceStretch = 0.05f;
// Scroll offsets wrap round after this many texture sizes.
constexpr float kDriftWrap = 10.0f;
// A gust shakes the tree for this many seconds before it ends.
constexpr float kGustShake = 2.0f;
constexpr float kGustSpeed = 20.0f;
constexpr float kCalmSpeed = 0.3f;

struct cSway {
    float amplitude;  // radians either side of upright
    float speedMin;   // phase per second; equal bounds need no random draw
    float speedMax;
};

// The behaviour an area name stands for.
enum class eLife { kNone, kSway, kBob, kGusty, kLightning, kClouds, kRandomFrame };

struct cLife {
    eLife life = eLife::kNone;
    cSway sway{};
};

bool IsOneOf(std::u16string_view area, std::initializer_list<std::u16string_view> names) {
    for (std::u16string_view name : names) {
        if (area == name)
            return true;
    }
    return false;
}

cLife LifeOf(std::u16string_view area) {
    if (IsOneOf(area, {u"menu_tree_r1", u"menu_tree_r3", u"menu_tree_r4"}))
        return {eLife::kSway, {0.0654498f, 0.2f, 0.2f}};
    if (IsOneOf(area, {u"menu_tree_l0", u"menu_tree_l1", u"menu_tree_l3", u"menu_tree_l4"}))
        return {eLife::kSway, {0.0654498f, 0.15f, 0.2f}};
    if (IsOneOf(area, {u"menu_mush0", u"menu_mush1", u"menu_mush2"}))
        return {eLife::kBob, {0.0872665f, 0.2f, 0.25f}};
    if (IsOneOf(area, {u"menu_tree_r0", u"menu_tree_l2"}))
        return {eLife::kGusty, {0.0560999f, kCalmSpeed, kCalmSpeed}};
    if (area == u"menu_lighting")
        return {eLife::kLightning, {}};
    if (IsOneOf(area, {u"menu_clouds0", u"menu_clouds1"}))
        return {eLife::kClouds, {}};
    if (area.starts_with(u"map_decor"))
        return {eLife::kRandomFrame, {}};
    if (area.starts_with(u"map_tree"))
        return {eLife::kSway, {0.19635f, 0.2f, 0.3f}};
    return {};
}

// Keeps a scroll offset in [0, wrap) without a jump.
float Wrap(float value) {
    if (value >= kDriftWrap)
        value -= kDriftWrap;
    if (value < 0.0f)
        value += kDriftWrap;
    return std::isfinite(value) ? value : 0.0f;
}

}  // namespace

void cDecor::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    const size_t split = kindName.find(u';');
    if (split == std::u16string::npos) {
        AddAnimation(u"life", kindName);
        PlayAnimation(u"life", qor::kAnimLoop, true);
        return;
    }
    const std::u16string texture = kindName.substr(0, split);
    const std::u16string area = kindName.substr(split + 1);
    AddAnimation(u"life", area, texture);

    cRandom& random = Services().GameRandom();
    const cLife life = LifeOf(area);
    switch (life.life) {
        case eLife::kSway:
        case eLife::kBob:
        case eLife::kGusty:
            swayMin = -life.sway.amplitude;
            swayMax = life.sway.amplitude;
            swaySpeed = life.sway.speedMin == life.sway.speedMax
                            ? life.sway.speedMin
                            : random.Range(life.sway.speedMin, life.sway.speedMax);
            swayPhase = random.Unit();
            bounce = life.life == eLife::kBob ? 1 : 0;
            if (life.life == eLife::kGusty) {
                gusty = 1;
                gustTimer = random.Range(4.0f, 8.0f);
            }
            break;
        case eLife::kLightning:
            lightning = 1;
            stormTimer = random.Range(2.0f, 3.0f);
            break;
        case eLife::kClouds:
            driftX = random.Unit();
            driftSpeedX = random.Range(0.03f, 0.05f);
            break;
        case eLife::kRandomFrame:
        case eLife::kNone:
            break;
    }
    PlayAnimation(u"life", qor::kAnimLoop, true);
    if (life.life == eLife::kRandomFrame && GetFrameCount() > 1) {
        animations.player.frame = static_cast<int>(random.Next() % GetFrameCount());
    }
}

float cDecor::SwayAngle() const {
    return swayMin + (swayMax - swayMin) * swayPhase;
}

void cDecor::Tick() {
    if (kind.starts_with(u"water") && scene && scene->IsSpellActive(kSpellWaterFreeze))
        return;
    cObject::Tick();
    if (driftSpeedX != 0.0f || driftSpeedY != 0.0f) {
        driftX = Wrap(driftX + driftSpeedX * kTickSeconds);
        driftY = Wrap(driftY + driftSpeedY * kTickSeconds);
    } else if (swaySpeed != 0.0f) {
        StepSway();
    }
    if (gusty)
        StepGust();
    if (lightning)
        StepStorm();
}

void cDecor::StepSway() {
    // The phase runs to one end and back, so the lean eases through both ends.
    swayPhase += swaySpeed * kTickSeconds;
    if (swayPhase > 1.0f) {
        swayPhase = std::fmax(2.0f - swayPhase, 0.0f);
        swaySpeed = -std::fabs(swaySpeed);
    } else if (swayPhase < 0.0f) {
        swayPhase = std::fmin(-swayPhase, 1.0f);
        swaySpeed = std::fabs(swaySpeed);
    }
}

void cDecor::StepGust() {
    gustTimer -= kTickSeconds;
    if (gustTimer <= 0.0f) {
        gustTimer = Services().GameRandom().Range(15.0f, 30.0f);
        gustOn = 0;
        swaySpeed = kCalmSpeed;
    } else if (gustTimer < kGustShake && !gustOn) {
        gustOn = 1;
        swaySpeed = kGustSpeed;
    }
}

void cDecor::StepStorm() {
    cRandom& random = Services().GameRandom();
    stormTimer -= kTickSeconds;
    if (stormTimer <= 0.0f) {
        // Three or four flashes; five once in 201 storms.
        flashesLeft = static_cast<int32_t>((random.Next() % 201 + 300) / 100);
        stormTimer = random.Range(10.0f, 20.0f);
    }
    if (flashTime > 0.0f)
        flashTime = std::fmax(flashTime - kTickSeconds, 0.0f);
    if (flashGap > 0.0f)
        flashGap = std::fmax(flashGap - kTickSeconds, 0.0f);
    if (flashGap <= 0.0f && flashesLeft > 0) {
        --flashesLeft;
        flashTime = random.Range(0.1f, 0.12f);
        flashGap = random.Range(0.16f, 0.2f);
    }
}

void cDecor::Draw() {
    const qor::cSpriteInfo& sprite = animations.current;
    const int frame = animations.player.frame;
    qor::cSpriteBatch* batch = Services().Batch();
    if (!batch || !sprite.texture || !sprite.frames || frame < 0 || frame >= sprite.frameCount)
        return;
    if (lightning && !IsFlashing())
        return;
    const qor::cRectF bounds = GetBounds();
    // Lean about the lower edge: the foot stays put and the top moves aside.
    float height = bounds.h;
    if (bounce)
        height *= 1.0f + kBounceStretch * std::sin(3.14159265f * swayPhase);
    const float lean = height * std::tan(SwayAngle());
    const float x0 = bounds.x, x1 = bounds.x + bounds.w;
    const float y0 = bounds.y, y1 = bounds.y + height;
    const qor::cRectF& uv = sprite.frames[frame];
    const float u0 = uv.x + driftX, u1 = uv.x + uv.w + driftX;
    const float v0 = uv.y + driftY, v1 = uv.y + uv.h + driftY;

    qor::cVertex* v = qor::AllocVertices(batch, 6, sprite.texture);
    if (!v)
        return;
    auto put = [&](int k, float x, float y, float u, float tv) {
        v[k].x = x;
        v[k].y = y;
        v[k].z = 0.0f;
        v[k].color = tint;
        v[k].u = u;
        v[k].v = tv;
    };
    put(0, x0, y0, u0, v0);
    put(1, x1, y0, u1, v0);
    put(2, x0 + lean, y1, u0, v1);
    put(3, x0 + lean, y1, u0, v1);
    put(4, x1, y0, u1, v0);
    put(5, x1 + lean, y1, u1, v1);
}
