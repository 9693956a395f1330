// Falling stones as a player sees them, with the generated art: two stones in
// the air trailing fire and smoke over the island, and the first one landing
// with a blast while the scene jumps aside; against golden pictures.
#include <gtest/gtest.h>

#include "tests/DrawnLevel.h"
#include "tests/GoldenImage.h"

namespace qor::test {
namespace {

class FallingStonesGolden : public DrawnLevelTest {
  protected:
    void SetUp() override {
        SetUpWith({u"texture/level/sources.png", u"texture/structures/structures0.png",
                   u"texture/structures/structures1.png", u"texture/structures/structures2.png",
                   u"texture/structures/structures3.png", u"texture/effects/shadow.png",
                   u"texture/effects/explosion.png"});
        UseParticles();
    }
};

TEST_F(FallingStonesGolden, StonesFlyInAndOneLands) {
    cDrawnLevel level;
    level.host.random.seed = 5;
    ASSERT_TRUE(level.LoadScene(level_test::IslandScene("t", R"(
base00      cell 14 10 name home
stone00     cell 9 10 name s0 meteor
stone_big00 cell 18 8 name s1 meteor
)")));
    level.Begin();
    level.level->meteorDelay = 0.0f;
    level.StepSeconds(1.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_meteors_flight"));
    // The first stone is down: the blast, the smoke it left, the scene aside.
    ASSERT_TRUE(level.StepUntil([&] { return level.Find(u"s0")->GetLayer() != 7; }, 1.0f));
    ASSERT_NE(level.level->meteors.Shake().x, 0.0f);
    DrawFrame(level);
    EXPECT_TRUE(MatchesGolden("level_meteors_landing"));
}

}  // namespace
}  // namespace qor::test
