// The particle system: the generator, how many particles emitters place over
// fixed ticks, bursts and full pools, the colour and fade rules, the quads,
// clearing, and that the same ticks always give the same particles.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scene/ParticleManager.h"

namespace {

constexpr float kTick = 0.033333335f;

TEST(ParticleRandom, SeedTimes69069PlusOneWithFifteenBitResults) {
    cRandom r;  // seeded with 0
    EXPECT_EQ(r.Next(), 1u);
    EXPECT_EQ(r.Next(), 69070u & 0x7FFFu);
    EXPECT_EQ(r.seed, 69070u);
    cRandom wide(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const float u = wide.Unit();
        ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
    }
}

// Ticks the manager and counts what the emitter placed after each tick.
std::vector<int> EmittedPerTick(cParticleManager& m, cEmitter* e, int ticks) {
    std::vector<int> emitted;
    for (int i = 0; i < ticks; ++i) {
        m.Update(kTick);
        emitted.push_back(e->emitted);
    }
    return emitted;
}

TEST(Emitters, ContinuousEmittersPlaceParticlesAtTheirInterval) {
    const struct {
        const char* name;
        cEmitter* (*add)(cParticleManager&);
        int ticks;
        int expected;
    } cases[] = {
        {"smoke every 0.5 s", [](cParticleManager& m) { return m.AddSmoke(); }, 150, 10},
        {"dust every 0.25 s", [](cParticleManager& m) { return m.AddDust(40); }, 60, 8},
        {"trail 45 per second", [](cParticleManager& m) { return m.AddTrail(); }, 30, 45},
        {"fire 60 per second", [](cParticleManager& m) { return m.AddFire(); }, 30, 60},
        {"grow spell every 0.05 s", [](cParticleManager& m) { return m.AddGrowSpell(20); }, 30, 20},
    };
    for (const auto& c : cases) {
        cParticleManager m;
        cEmitter* e = c.add(m);
        const auto emitted = EmittedPerTick(m, e, c.ticks);
        // The accumulator keeps fractions: over whole seconds the count is exact.
        EXPECT_NEAR(emitted.back(), c.expected, 1) << c.name;
    }
    // Every 0.5 s at 30 ticks per second: one particle every 15 ticks.
    cParticleManager m;
    cEmitter* smoke = m.AddSmoke();
    const auto emitted = EmittedPerTick(m, smoke, 61);
    std::vector<int> firsts;
    for (size_t i = 0; i < emitted.size(); ++i) {
        if (emitted[i] > (i ? emitted[i - 1] : 0))
            firsts.push_back(static_cast<int>(i) + 1);
    }
    ASSERT_EQ(firsts.size(), 4u);
    EXPECT_EQ(firsts[1] - firsts[0], 15);
    EXPECT_EQ(firsts[2] - firsts[1], 15);
    EXPECT_EQ(firsts[3] - firsts[2], 15);
}

TEST(Emitters, AStoppedEmitterPlacesNoMoreWhileItsParticlesLiveOn) {
    cParticleManager m;
    cEmitter* fire = m.AddFire();
    for (int i = 0; i < 10; ++i)
        m.Update(kTick);
    cParticleGroup& group = m.Group(kGroupFire);
    const int live = group.LiveCount();
    ASSERT_GT(live, 10);
    fire->Finish();
    m.Update(kTick);
    EXPECT_TRUE(group.emitters.empty()) << "deleted at the group's next update";
    EXPECT_EQ(group.LiveCount(), live) << "its particles go on, none added";
    int ticks = 1;
    while (group.LiveCount() > 0 && ticks < 100) {
        m.Update(kTick);
        ++ticks;
    }
    EXPECT_EQ(group.LiveCount(), 0);
    EXPECT_GE(ticks, static_cast<int>(0.8f / kTick) - 10) << "fire lives 0.8 to 1.2 s";
    m.Update(kTick);
    EXPECT_EQ(group.quadCount, 0);
    EXPECT_EQ(group.highWater, 0);
}

TEST(Emitters, SparkleBurstsEndByThemselves) {
    const struct {
        int count;
        int placedAtOnce;
    } cases[] = {{50, 50}, {1, 1}, {0, 0}, {-3, 0}};
    for (const auto& c : cases) {
        cParticleManager m;
        m.AddSparkle(c.count, 15.0f, 0xFFFF0000u, {300, 200});
        cParticleGroup& sparkle = m.Group(kGroupSparkle);
        m.Update(kTick);
        EXPECT_EQ(sparkle.LiveCount(), c.placedAtOnce) << "count " << c.count;
        m.Update(kTick);
        EXPECT_TRUE(sparkle.emitters.empty()) << "count " << c.count << ": the burst is done";
        for (const cParticle& p : sparkle.pool) {
            if (p.life <= 0.0f)
                continue;
            EXPECT_LE(std::abs(p.position.x - 300.0f), 15.0f + 20.0f * 2 * kTick);
            EXPECT_EQ(p.colorBirth, 0xFFFF0000u);
        }
    }
}

TEST(Emitters, AFullPoolMakesBurstsWaitAndContinuousEmittersLoseParticles) {
    cParticleManager m;
    cParticleGroup& sparkle = m.Group(kGroupSparkle);
    ASSERT_EQ(sparkle.Capacity(), 1000);
    m.AddSparkle(1500, 10.0f, 0xFFFFFFFFu, {100, 100});
    cEmitter* trail = m.AddTrail();
    m.Update(kTick);
    EXPECT_EQ(sparkle.LiveCount(), 1000);
    ASSERT_EQ(sparkle.emitters.size(), 2u);
    const cEmitter* burst = sparkle.emitters[0].get();
    // Both wanted particles; they took free slots in turn until the pool was full.
    EXPECT_EQ(burst->emitted + trail->emitted, 1000);
    EXPECT_LE(trail->emitted, 2);
    for (int i = 0; i < 30; ++i)
        m.Update(kTick);
    EXPECT_EQ(trail->emitted, 1) << "a full pool loses the trail's due particles";
    // Sparkles live 2 to 4 s: the burst finishes as they die, then goes.
    for (int i = 0; i < 150; ++i)
        m.Update(kTick);
    ASSERT_EQ(sparkle.emitters.size(), 1u);
    EXPECT_EQ(sparkle.emitters[0].get(), trail);
    EXPECT_GT(trail->emitted, 1);
}

// Emitter fields are the creators' to change (the falling stones rework their
// dust): settings no preset uses must not overflow counts or stall the pool.
TEST(Emitters, ExtremeSettingsPlaceWhatThePoolHoldsOrNothing) {
    const float nan = std::nanf("");
    const struct {
        float interval;
        bool burst;
        float seconds;
        int placed;
    } cases[] = {{1e-9f, false, kTick, 300}, {1e-9f, true, kTick, 300}, {0.01f, false, 1e9f, 300},
                 {nan, false, kTick, 0},     {nan, true, kTick, 0},     {-0.5f, false, kTick, 0},
                 {-0.5f, true, kTick, 0},    {0.01f, false, nan, 0}};
    for (const auto& c : cases) {
        cParticleGroup group(300, qor::kBlendAlpha);
        cRandom random;
        auto e = std::make_unique<cEmitter>();
        e->interval = c.interval;
        if (c.burst)
            e->flags |= kEmitterBurst;
        e->lifeMin = e->lifeMax = 10.0f;
        cEmitter* emitter = group.AddEmitter(std::move(e));
        group.Update(c.seconds, &random);
        EXPECT_EQ(group.LiveCount(), c.placed)
            << "interval " << c.interval << " over " << c.seconds << " s";
        EXPECT_EQ(emitter->emitted, c.placed);
        group.Update(kTick, &random);
        if (c.burst && c.placed == 0) {
            EXPECT_TRUE(group.emitters.empty()) << "a burst with nothing to place ends";
        }
    }
}

TEST(Particles, FadeOnlyParticlesStayOpaqueUntilTheirLastSecond) {
    cParticle p;
    p.fadeOnly = 1;
    const struct {
        float life;
        uint32_t alpha;
    } cases[] = {{2.5f, 255}, {1.0f, 255}, {0.5f, 127}, {0.1f, 25}, {0.0f, 0}, {-0.2f, 0}};
    for (const auto& c : cases) {
        p.life = c.life;
        EXPECT_EQ(p.Color(), (c.alpha << 24) | 0x00FFFFFFu) << "life " << c.life;
    }
}

TEST(Particles, GradientRunsFromBirthThroughMiddleToDeath) {
    cParticle p;
    p.fadeOnly = 0;
    p.lifeTotal = 2.0f;
    p.colorBirth = 0x00FFFFFFu;
    p.colorMiddle = 0xFF808080u;
    p.colorDeath = 0x00000000u;
    const struct {
        float life;
        uint32_t color;
    } cases[] = {{2.0f, 0x00FFFFFFu}, {1.0f, 0xFF808080u}, {1.5f, 0x7FBFBFBFu},
                 {0.5f, 0x7F404040u}, {0.0f, 0x00000000u}, {-1.0f, 0x00000000u}};
    for (const auto& c : cases) {
        p.life = c.life;
        EXPECT_EQ(p.Color(), c.color) << std::hex << "life " << c.life;
    }
}

TEST(Particles, QuadsAreSquaresAroundTheParticleTurnedByItsAngle) {
    cParticleGroup group(4, qor::kBlendAlpha);
    cRandom random;
    auto e = std::make_unique<cEmitter>();
    e->interval = 0.01f;
    e->flags |= kEmitterBurst;
    e->position = {50, 60, 0};
    e->lifeMin = e->lifeMax = 5.0f;
    e->sizeMin = e->sizeMax = 10.0f;
    group.AddEmitter(std::move(e));
    group.Update(kTick, &random);
    ASSERT_EQ(group.quadCount, 0) << "a new particle shows from the next update on";
    group.pool[0].spin = 0.0f;
    group.pool[1].spin = 1.0f;
    group.pool[1].angle = static_cast<float>(M_PI / 2) - kTick;  // a quarter turn after the step
    group.Update(kTick, &random);
    ASSERT_GE(group.quadCount, 2);
    const qor::cVertex* v = group.vertices.data();
    // A, B, C, C, B, D: corners (−s, −s), (s, −s), (−s, s), (s, s), texture (0,0) … (1,1).
    const float expected[6][4] = {{40, 50, 0, 0}, {60, 50, 1, 0}, {40, 70, 0, 1},
                                  {40, 70, 0, 1}, {60, 50, 1, 0}, {60, 70, 1, 1}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(v[i].y, expected[i][1]) << i;
        EXPECT_EQ(v[i].u, expected[i][2]) << i;
        EXPECT_EQ(v[i].v, expected[i][3]) << i;
        EXPECT_EQ(v[i].color, 0xFFFFFFFFu);
    }
    // Turned a quarter: corner A, at (−s, −s) unturned, lands at (s, −s).
    EXPECT_NEAR(v[6].x, 60.0f, 1e-3f);
    EXPECT_NEAR(v[6].y, 50.0f, 1e-3f);
}

TEST(ParticleGroups, ClearingDeletesEmittersAndFreesEverySlot) {
    cParticleManager m;
    m.AddSmoke();
    m.AddSparkle(40, 5.0f, 0xFFFFFFFFu, {10, 10});
    for (int i = 0; i < 20; ++i)
        m.Update(kTick);
    const uint32_t serial = m.Group(kGroupSparkle).clearSerial;
    m.ClearAll();
    for (int g = 0; g < kParticleGroupCount; ++g) {
        const cParticleGroup& group = m.Group(g);
        EXPECT_TRUE(group.emitters.empty());
        EXPECT_EQ(group.LiveCount(), 0);
        EXPECT_EQ(group.highWater, 0);
        EXPECT_EQ(group.quadCount, 0) << "nothing from before the clear is drawn";
    }
    EXPECT_NE(m.Group(kGroupSparkle).clearSerial, serial);
}

TEST(ParticleManager, TheSameTicksAlwaysGiveTheSameParticles) {
    auto run = []() {
        cParticleManager m;
        cEmitter* smoke = m.AddSmoke();
        cEmitter* fire = m.AddFire();
        m.AddFreezeSpell(30)->position = {200, 300, 0};
        m.AddGrowSpell(30);
        cEmitter* trail = m.AddTrail();
        for (int i = 0; i < 90; ++i) {
            smoke->position = {100.0f + i, 100, 0};
            trail->position = {300, 100.0f + 2 * i, 0};
            if (i == 30)
                m.AddSparkle(50, 15, 0xFFFFFFFFu, {400, 400});
            if (i == 60)
                fire->Finish();
            m.Update(kTick);
        }
        std::vector<qor::cVertex> all;
        for (int g = 0; g < kParticleGroupCount; ++g) {
            const cParticleGroup& group = m.Group(g);
            all.insert(all.end(), group.vertices.begin(),
                       group.vertices.begin() + group.quadCount * 6);
        }
        return all;
    };
    const auto first = run();
    const auto second = run();
    ASSERT_EQ(first.size(), second.size());
    ASSERT_GT(first.size(), 600u);
    for (size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i].x, second[i].x) << i;
        ASSERT_EQ(first[i].y, second[i].y) << i;
        ASSERT_EQ(first[i].color, second[i].color) << i;
    }
}

TEST(ParticleManager, PresetsFeedTheirGroups) {
    cParticleManager m;
    const struct {
        cEmitter* emitter;
        int group;
    } cases[] = {{m.AddSmoke(), kGroupSmoke},         {m.AddDust(10), kGroupSmoke},
                 {m.AddFire(), kGroupFire},           {m.AddFreezeSpell(5), kGroupFreeze},
                 {m.AddGrowSpell(5), kGroupGrow},     {m.AddTrail(), kGroupSparkle},
                 {m.AddWorkerSpell(5), kGroupSparkle}};
    for (const auto& c : cases) {
        const auto& emitters = m.Group(c.group).emitters;
        bool found = false;
        for (const auto& e : emitters)
            found = found || e.get() == c.emitter;
        EXPECT_TRUE(found) << "group " << c.group;
    }
    // Spell glitter starts above the object and falls onto it.
    cParticleManager alone;
    cEmitter* spell = alone.AddWorkerSpell(20);
    spell->position = {500, 500, 0};
    for (int i = 0; i < 5; ++i)
        alone.Update(kTick);
    int spellParticles = 0;
    for (const cParticle& p : alone.Group(kGroupSparkle).pool) {
        if (p.life > 0.0f) {
            EXPECT_LT(p.velocity.y, -99.0f);
            EXPECT_GT(p.position.y, 480.0f - 20.0f);
            ++spellParticles;
        }
    }
    EXPECT_GE(spellParticles, 4);
}

}  // namespace
