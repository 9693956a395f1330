// Buildings and lakes as the player sees them: the camp's bustling life keeps
// moving while the other buildings show their finished picture, and the
// smoke, dust and frost they keep going stay theirs only while the particle
// groups hold them: a level left empties the groups, and what the next scene
// makes there is not theirs to stop.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/AnimPlayer.h"
#include "level/LevelWidget.h"
#include "level/sites/Build.h"
#include "level/sites/Lake.h"
#include "level/sites/Plant.h"
#include "level/sites/TunnelBuild.h"
#include "scene/ParticleManager.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

TEST(BuildSites, TheCampLivesWhileOtherBuildingsStandStill) {
    cLevelHarness h;
    ASSERT_TRUE(h.Load("buildings"));
    h.Begin();
    const struct {
        const cObject* building;
        const char* what;
        int mode;
    } cases[] = {
        {h.level->base, "the camp", qor::kAnimLoop},
        {h.Find(u"house"), "a house standing from the start", qor::kAnimStopped},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.building, nullptr) << c.what;
        EXPECT_EQ(c.building->animationName, u"life") << c.what;
        EXPECT_EQ(c.building->animations.player.mode, c.mode) << c.what;
    }
}

TEST(BuildSites, EmittersOfALevelLeftBehindAreNeitherStoppedNorLostForGood) {
    struct cCase {
        const char* what;
        const char16_t* site;
        const char* island;  // a scene of its own, or the buildings test level
        int group;
        std::function<cEmitter*(cParticleManager&)> add;
        // Starts the site's emitters; stops them (nothing when it never does).
        std::function<void(cLevelHarness&, cObject*)> start, stop;
    };
    auto buildFor = [](float seconds) {
        return [seconds](cLevelHarness& h, cObject* site) {
            for (int t = 0; t < static_cast<int>(seconds * 30.0f); ++t) {
                site->DoWork(1.0f / 30.0f);
                h.Step();
            }
        };
    };
    const cCase cases[] = {
        {"a house site's dust", u"house_site", nullptr, kGroupSmoke,
         [](cParticleManager& m) { return m.AddDust(40.0f); }, buildFor(0.2f),
         [](cLevelHarness& h, cObject*) { h.StepSeconds(1.5f); }},
        {"the sawmill's smoke", u"sawmill", nullptr, kGroupSmoke,
         [](cParticleManager& m) { return m.AddSmoke(); },
         [](cLevelHarness&, cObject* site) {
             // As the worker with a delivery sets it going.
             site->SetState(kPlantProcessing);
             static_cast<cPlant*>(site)->StartProcessing();
         },
         [](cLevelHarness&, cObject* site) { site->SetState(kStateReady); }},
        {"the lake's frost", u"lake", "base00 cell 14 10\nlake00 cell 16 16 name lake\n",
         kGroupFreeze, [](cParticleManager& m) { return m.AddFreezeSpell(30.0f); },
         [](cLevelHarness&, cObject* site) { static_cast<cLake*>(site)->SetFrozen(true); },
         [](cLevelHarness&, cObject* site) { static_cast<cLake*>(site)->SetFrozen(false); }},
        {"the castle's smoke", u"castle", nullptr, kGroupSmoke,
         [](cParticleManager& m) { return m.AddSmoke(); }, buildFor(40.0f),
         [](cLevelHarness&, cObject*) {}},
    };
    constexpr size_t kOthers = 8;
    for (const cCase& c : cases) {
        auto particles = std::make_unique<cParticleManager>();
        g_particles = particles.get();
        {
            cLevelHarness h;
            if (c.island)
                ASSERT_TRUE(h.LoadScene(IslandScene("t", c.island))) << c.what;
            else
                ASSERT_TRUE(h.Load("buildings"));
            h.Begin();
            h.host.resources = {5000, 5000, 5000, 5000};
            cObject* site = h.Find(c.site);
            ASSERT_NE(site, nullptr) << c.what;
            const cParticleGroup& group = particles->Group(c.group);
            c.start(h, site);
            ASSERT_FALSE(group.emitters.empty()) << c.what << " never started";
            // The player leaves the level: the groups are emptied, and the next
            // scene's effects take their place.
            h.level->OnUnfocus();
            for (size_t k = 0; k < kOthers; ++k)
                c.add(*particles);
            c.stop(h, site);
            h.Step();
            EXPECT_EQ(group.emitters.size(), kOthers) << c.what << " stopped another's effect";
            // Back at it, the site makes its effect anew.
            c.start(h, site);
            EXPECT_GT(group.emitters.size(), kOthers) << c.what << " never came back";
            h.level->Clear();
        }
        g_particles = nullptr;
    }
}

}  // namespace
}  // namespace level_test
