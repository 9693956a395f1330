// The resource vector: its order, arithmetic at the limits of its integers and
// the texts that show it (plain, coloured, compared against a stock).
#include "scene/ResourceSet.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/Strings.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ResourceSetTest, IndexFollowsTheStoredOrderAndSumsSaturate) {
    ResourceSet set{1, 2, 3, 4};
    for (int i = 0; i < kResourceCount; ++i)
        EXPECT_EQ(set[i], i + 1) << i;
    EXPECT_EQ(set[-1], 0);
    EXPECT_EQ(set[kResourceCount], 0);
    set.Set(kResourceMoney, 30);
    set.Set(kResourceCount, 99);
    set.Set(-1, 99);
    EXPECT_EQ(set, (ResourceSet{1, 2, 30, 4}));

    EXPECT_EQ((ResourceSet{1, 2, 3, 4} + ResourceSet{10, 0, -3, 1}), (ResourceSet{11, 2, 0, 5}));
    EXPECT_EQ((ResourceSet{5, 0, 0, 0} - ResourceSet{7, 0, 0, 0}), (ResourceSet{-2, 0, 0, 0}));
    // Amounts from a hostile level file must not overflow.
    EXPECT_EQ((ResourceSet{kMax, kMin, 0, 0} + ResourceSet{1, -1, 0, 0}),
              (ResourceSet{kMax, kMin, 0, 0}));
    EXPECT_EQ((ResourceSet{kMin, kMax, 0, 0} - ResourceSet{1, -1, 0, 0}),
              (ResourceSet{kMin, kMax, 0, 0}));
    EXPECT_TRUE(ResourceSet{}.IsZero());
    EXPECT_FALSE((ResourceSet{0, 0, 0, -1}.IsZero()));
}

TEST(ResourceSetTest, TextsShowEachNonZeroAmountWithItsIcon) {
    const std::u16string red = u"^FF0000FF";
    const std::u16string white = u"^^^FFFFFFFF";
    struct Case {
        ResourceSet amounts;
        std::u16string plain;
        std::u16string coloured;
    };
    const Case cases[] = {
        {{}, u"", u""},
        {{-5, 0, 20, 0},
         u"5\u00BD20\u00BE",
         red + u"5" + white + u"\u00BD^^" + u"20" + white + u"\u00BE^^"},
        {{0, 7, 0, 60}, u"7\u00BC60\u2030", u"7" + white + u"\u00BC^^60" + white + u"\u2030^^"},
        {{kMin, 0, 0, 0}, u"2147483648\u00BD", red + u"2147483648" + white + u"\u00BD^^"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qor::ToUtf8(c.plain));
        EXPECT_EQ(FormatResources(c.amounts), c.plain);
        EXPECT_EQ(FormatResourcesColoured(c.amounts), c.coloured);
    }

    // A price against the stock: red where the stock falls short, and only there.
    EXPECT_EQ(FormatResourcesCompared({0, 30, 10, 0}, {99, 29, 10, 0}),
              red + u"30" + white + u"\u00BC^^10" + white + u"\u00BE^^");
    EXPECT_EQ(FormatResourcesCompared({}, {1, 1, 1, 1}), u"");
}

}  // namespace
