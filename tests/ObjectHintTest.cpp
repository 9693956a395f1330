#include "scene/ObjectHint.h"

#include <gtest/gtest.h>

#include "tests/SceneTestKit.h"

namespace {

using scene_test::cTestScene;
using scene_test::MakeSprite;

class ObjectHint : public ::testing::Test {
  protected:
    cObjectHint* Make(float x, float y) {
        auto* hint = static_cast<cObjectHint*>(scene.widget->CreateObject(cObjectHint::kType));
        hint->SetKind(u"object_hint");
        hint->SetPosition(x, y);
        return hint;
    }
    cTestScene scene;
};

TEST_F(ObjectHint, ShowsEightSecondsOfEveryThirtyFirstAfterFive) {
    scene.services.sprites[u"exclamation"] = MakeSprite(2, 20, 40, 10);
    cObjectHint* hint = Make(300, 300);
    EXPECT_EQ(hint->state, kStateReady);
    EXPECT_EQ(hint->Alpha(), 0.0f);
    // Ticks of each kind over the first appearance (5 s to 35 s) and the second.
    int shown = 0, firstSeen = -1;
    int cycleHidden = 0, cycleFading = 0, cycleShown = 0;
    for (int tick = 1; tick <= 30 * 65; ++tick) {
        hint->Tick();
        const float a = hint->Alpha();
        ASSERT_EQ(hint->tint >> 24, static_cast<uint32_t>(a * 255.0f + 0.5f)) << tick;
        if (a > 0 && firstSeen < 0)
            firstSeen = tick;
        shown += a == 1 ? 1 : 0;
        if (tick > 30 * 35) {
            int& inCycle = a == 0 ? cycleHidden : a == 1 ? cycleShown : cycleFading;
            ++inCycle;
        }
    }
    EXPECT_NEAR(firstSeen, 30 * 5, 2);
    // The second cycle, 35 s to 65 s: 20 hidden, 1 in, 8 shown, 1 out.
    EXPECT_NEAR(cycleShown, 8 * 30, 2);
    EXPECT_NEAR(cycleFading, 2 * 30, 2);
    EXPECT_NEAR(cycleHidden, 20 * 30, 2);
    EXPECT_NEAR(shown, 2 * 8 * 30, 3);
}

TEST_F(ObjectHint, TheBubbleStandsTowardsTheMiddleAndAMissingSpriteDrawsNothing) {
    qor::cSpriteBatch batch;
    scene.services.batch = &batch;
    scene.services.sprites[u"exclamation"] = MakeSprite(1, 20, 40, 10);
    scene.services.sprites[u"cloud"] =
        MakeSprite(1, 80, 60, 10, true);  // size 80 x 60, anchor (0, 0)
    struct Case {
        float x;
        float cloudLeft;  // where the cloud's rectangle begins
        bool mirrored;
        float markLeft;  // and the "!"
    };
    // Left of the middle the bubble is 30 to the right and mirrored, so its
    // anchor (the frame's left edge) comes to lie on its right edge.
    const Case cases[] = {{300, 300 + 30 - 80, true, 300 - 10 + 30},
                          {700, 700 - 30, false, 700 - 10 - 30}};
    for (const Case& c : cases) {
        batch.Clear();
        cObjectHint* hint = Make(c.x, 400);
        hint->Draw();
        EXPECT_EQ(batch.VertexEnd(), 0) << "hidden: nothing drawn";
        hint->fade.current = 0.5f;
        hint->Draw();
        ASSERT_EQ(batch.VertexEnd(), 12);
        const qor::cVertex* cloud = &batch.vertices[0];
        EXPECT_FLOAT_EQ(cloud[0].x, c.cloudLeft);
        EXPECT_FLOAT_EQ(cloud[0].y, 400 - 5);
        EXPECT_EQ(cloud[1].u < cloud[0].u, c.mirrored);
        EXPECT_FLOAT_EQ(batch.vertices[6].x, c.markLeft);
    }
    batch.Clear();
    scene.services.sprites.erase(u"cloud");
    scene.services.sprites.erase(u"exclamation");
    cObjectHint* bare = Make(300, 400);
    bare->fade.current = 1.0f;
    bare->Draw();
    EXPECT_EQ(batch.VertexEnd(), 0);
}

}  // namespace
