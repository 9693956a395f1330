// The test level as a player sees it, with the generated art: at the start,
// and a few seconds into the work (workers running with their shadows, the
// job markers, the progress bars over trees and nuggets), against golden
// pictures.
#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "tests/DrawnLevel.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

class LevelGolden : public DrawnLevelTest {
  protected:
    void SetUp() override {
        SetUpWith({u"texture/level/figures_worker.png", u"texture/level/sources.png",
                   u"texture/effects/shadow.png", u"texture/effects/highlight.png",
                   u"texture/gui/gui00.png", u"font/en/TimesNewRomanItalic22.png"});
    }
};

TEST_F(LevelGolden, TheTestLevelAtStartAndAtWork) {
    cDrawnLevel level;
    level.host.random.seed = 7;
    ASSERT_TRUE(level.Load("sources"));
    level.Begin();
    level.host.cursor = {1000, 20};
    level.Step(2);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_sources_start"));

    // Food for the trees and the nugget; every source asked for once.
    level.host.resources = {0, 100, 0, 0};
    level.StepSeconds(7);  // the fields ripen
    for (const char16_t* name : {u"nugget", u"well", u"west_field", u"wood", u"money"})
        EXPECT_TRUE(level.ClickOn(level.Find(name))) << ToUtf8(name);
    for (cObject* tree : level.OfType(scene_type::kTree)) {
        if (tree->name.empty())
            level.ClickOn(tree);
    }
    // Some are at work by now, the others still on their way.
    level.host.cursor = {1000, 20};
    level.StepSeconds(2.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_sources_at_work"));
}

}  // namespace
}  // namespace qor::test
