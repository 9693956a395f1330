// Buildings as the player sees them standing: the camp's flag-waving life
// keeps moving while the other buildings show their finished picture.
#include <gtest/gtest.h>

#include "engine/AnimPlayer.h"
#include "level/LevelWidget.h"
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

}  // namespace
}  // namespace level_test
