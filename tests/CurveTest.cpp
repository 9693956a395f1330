// Keyed curves: key search with its remembered position, the step curve, the
// Catmull-Rom spline in its three end modes, and the world map's trail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "scene/CatmullRomSpline.h"
#include "scene/MapTrail.h"
#include "scene/Random.h"

namespace {

::testing::AssertionResult Near(vec2 actual, vec2 expected, float tolerance = 1e-3f) {
    if (std::abs(actual.x - expected.x) <= tolerance &&
        std::abs(actual.y - expected.y) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << actual.x << ", " << actual.y << ") instead of ("
                                         << expected.x << ", " << expected.y << ")";
}

// Whatever order the times come in, the remembered position must never make
// FindKey answer differently from a plain search.
TEST(CurveKeys, FindKeyAgreesWithASearchForTimesInAnyOrder) {
    curve<vec2> c;
    const std::vector<float> times = {0.0f, 0.5f, 0.5f, 1.0f, 2.0f, 3.5f};
    for (float t : times)
        c.AddKey({t, 0}, t);
    ASSERT_TRUE(std::is_sorted(c.times.begin(), c.times.end()));
    cRandom random(7);
    std::vector<float> queries = {-1.0f, 0.0f, 0.25f, 0.5f, 0.75f, 1.0f,
                                  1.5f,  2.0f, 3.0f,  3.5f, 9.0f};
    for (int i = 0; i < 200; ++i)
        queries.push_back(random.Range(-0.5f, 4.0f));
    for (int i = 0; i < 100; ++i)
        queries.push_back(static_cast<float>(i) * 0.04f);  // a clock moving forward
    for (float t : queries) {
        const int expected =
            static_cast<int>(std::lower_bound(c.times.begin(), c.times.end(), t) - c.times.begin());
        ASSERT_EQ(c.FindKey(t), expected) << "t = " << t << ", remembered " << c.cachedIndex;
    }
    curve<vec2> empty;
    EXPECT_EQ(empty.FindKey(1.0f), 0);
}

TEST(CurveKeys, KeysStaySortedAndAnEqualTimeGoesInFront) {
    curve<vec2> c;
    EXPECT_EQ(c.AddKey({1, 0}, 1.0f), 0);
    EXPECT_EQ(c.AddKey({0, 0}, 0.0f), 0);
    EXPECT_EQ(c.AddKey({2, 0}, 2.0f), 2);
    EXPECT_EQ(c.AddKey({9, 9}, 1.0f), 1);  // in front of the older key at 1.0
    EXPECT_EQ(c.values[1].x, 9.0f);
    EXPECT_EQ(c.values[2].x, 1.0f);
    c.RemoveKey(7);  // out of range: nothing
    c.RemoveKey(-1);
    EXPECT_EQ(c.KeyCount(), 4);
    c.RemoveKey(1);
    EXPECT_EQ(c.values[1].x, 1.0f);
    c.FindKey(1.5f);
    c.Clear();
    EXPECT_EQ(c.KeyCount(), 0);
    EXPECT_EQ(c.cachedIndex, -1);
    EXPECT_TRUE(c.IsFinished(0.0f)) << "a curve without keys has nothing left to show";
}

TEST(StepCurve, HoldsTheLaterKeysValueBetweenKeys) {
    curve<vec2> c;
    const vec2 a{1, 2}, b{5, 7};
    c.AddKey(a, 0.0f);
    c.AddKey(b, 1.0f);
    const struct {
        float t;
        vec2 expected;
    } cases[] = {{-1.0f, a}, {0.0f, a}, {0.5f, b}, {1.0f, b}, {2.0f, b}};
    for (const auto& k : cases)
        EXPECT_TRUE(Near(c.Evaluate(k.t), k.expected)) << "t = " << k.t;
    EXPECT_TRUE(Near(c.GetDerivative(0.5f), {}));
    EXPECT_FALSE(c.IsFinished(0.99f));
    EXPECT_TRUE(c.IsFinished(1.0f));
}

curve_CatmullRomSpline<vec2> Spline(std::initializer_list<std::pair<float, vec2>> keys,
                                    int mode = kCurveExtend) {
    curve_CatmullRomSpline<vec2> s;
    for (const auto& [t, p] : keys)
        s.AddKey(p, t);
    s.SetEndMode(mode);
    return s;
}

TEST(CatmullRom, TwoKeysMoveInAStraightLineAtConstantSpeed) {
    auto s = Spline({{0.0f, {0, 0}}, {1.3f, {130, 0}}});
    const struct {
        float t;
        vec2 expected;
    } cases[] = {{0.0f, {0, 0}},    {0.5f, {50, 0}},  {0.65f, {65, 0}},
                 {1.3f, {130, 0}},  {2.6f, {260, 0}},  // extended past the end
                 {-1.3f, {-130, 0}}};
    for (const auto& k : cases)
        EXPECT_TRUE(Near(s.Evaluate(k.t), k.expected, 2e-3f)) << "t = " << k.t;
    EXPECT_TRUE(Near(s.GetDerivative(0.3f), {100, 0}, 1e-2f));
    EXPECT_TRUE(Near(s.GetSecondDerivative(0.3f), {0, 0}, 1e-2f));
    EXPECT_FALSE(s.IsFinished(1.29f));
    EXPECT_TRUE(s.IsFinished(1.3f));
}

TEST(CatmullRom, PassesThroughEveryKeyWithDerivativesThatMatchItsValues) {
    auto s = Spline({{0.0f, {0, 0}}, {1.0f, {100, 50}}, {2.5f, {40, 200}}, {3.0f, {-20, 120}}});
    for (size_t i = 0; i < s.times.size(); ++i)
        EXPECT_TRUE(Near(s.Evaluate(s.times[i]), s.values[i])) << "key " << i;
    // Away from the keys the curve bends: not on the chord between its keys.
    const vec2 mid = s.Evaluate(1.75f);
    EXPECT_FALSE(Near(mid, (s.values[1] + s.values[2]) * 0.5f, 1.0f));
    // The derivatives are those of the values (central differences).
    const float h = 1e-3f;
    for (float t : {0.3f, 1.2f, 1.9f, 2.7f}) {
        const vec2 slope = (s.Evaluate(t + h) - s.Evaluate(t - h)) * (1.0f / (2 * h));
        EXPECT_TRUE(Near(s.GetDerivative(t), slope, 0.5f)) << "t = " << t;
        const vec2 bend = (s.GetDerivative(t + h) - s.GetDerivative(t - h)) * (1.0f / (2 * h));
        EXPECT_TRUE(Near(s.GetSecondDerivative(t), bend, 2.0f)) << "t = " << t;
    }
}

TEST(CatmullRom, EndModes) {
    auto clamp = Spline({{0.0f, {0, 0}}, {1.0f, {10, 10}}, {2.0f, {30, 0}}}, kCurveClamp);
    EXPECT_TRUE(Near(clamp.Evaluate(-5.0f), {0, 0}));
    EXPECT_TRUE(Near(clamp.Evaluate(7.0f), {30, 0}));
    EXPECT_TRUE(clamp.IsFinished(2.0f));
    EXPECT_EQ(clamp.GetLoopLength(), 0.0f);

    auto loop = Spline({{0.0f, {0, 0}}, {1.0f, {10, 10}}, {2.0f, {30, 0}}}, kCurveLoop);
    loop.SetLoopLength(0.5f);
    EXPECT_EQ(loop.GetLoopLength(), 0.5f);
    for (float t : {0.0f, 2.0f, 1e6f})
        EXPECT_FALSE(loop.IsFinished(t)) << "t = " << t;
    // From the last key the curve comes back to the first over the loop length,
    // smoothly: the way into the first key matches the way out of it.
    EXPECT_TRUE(Near(loop.Evaluate(2.5f), {0, 0}));
    const vec2 before = loop.GetDerivative(2.4999f);
    const vec2 after = loop.GetDerivative(0.0001f);
    EXPECT_TRUE(Near(before * 0.5f, after * 1.0f, 0.5f))
        << "the segments differ in length (0.5 s and 1 s), so the slopes differ by that ratio";

    loop.SetEndMode(kCurveExtend);
    EXPECT_EQ(loop.GetLoopLength(), 0.0f);
}

TEST(CatmullRom, FewOrCoincidentKeysGiveFiniteValues) {
    curve_CatmullRomSpline<vec2> none;
    EXPECT_TRUE(Near(none.Evaluate(1.0f), {}));
    auto one = Spline({{0.5f, {3, 4}}});
    EXPECT_TRUE(Near(one.Evaluate(0.0f), {3, 4}));
    EXPECT_TRUE(Near(one.GetDerivative(0.0f), {}));
    // Two keys at the same time (an icon told to be in two places at once).
    auto same = Spline({{1.0f, {0, 0}}, {1.0f, {10, 0}}});
    for (float t : {0.0f, 1.0f, 2.0f}) {
        const vec2 v = same.Evaluate(t), d = same.GetDerivative(t);
        EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(d.x)) << t;
    }
    // A loop of no length repeats its last key's time.
    auto flat = Spline({{0.0f, {0, 0}}, {1.0f, {10, 0}}}, kCurveLoop);
    const vec2 v = flat.Evaluate(1.5f);
    EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y));
}

TEST(MapTrail, DotsBetweenTheOpenedLevelsInOrder) {
    // Levels on a straight line 60 apart: the dots sit at sixths between them.
    const std::vector<vec2> three = {{100, 300}, {160, 300}, {220, 300}, {0, 0}};
    const auto dots = MapTrailDots(three);
    ASSERT_EQ(dots.size(), 10u);
    for (size_t i = 0; i < dots.size(); ++i) {
        const float expected =
            100.0f + 60.0f * (static_cast<float>(i / 5) + static_cast<float>(i % 5 + 1) / 6.0f);
        EXPECT_TRUE(Near(dots[i], {expected, 300}, 0.05f)) << "dot " << i;
    }
    // Level 2 still locked: the trail ends at level 1, whatever comes after.
    EXPECT_EQ(MapTrailDots({{100, 300}, {160, 320}, {0, 0}, {300, 310}}).size(), 5u);
    EXPECT_TRUE(MapTrailDots({{100, 300}, {0, 0}, {160, 320}}).empty());
    EXPECT_TRUE(MapTrailDots({}).empty());
}

}  // namespace
