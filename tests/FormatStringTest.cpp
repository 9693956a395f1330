#include "engine/FormatString.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct FormatCase {
    std::u16string format;
    std::vector<cFormatValue> values;
    std::u16string expected;
};

TEST(FormatString, ConvertsEachValueByItsType) {
    const std::u16string name = u"data/gui/main.lua";
    const std::vector<FormatCase> cases = {
        {u"File %s not found", {name}, u"File data/gui/main.lua not found"},
        {u"%i of %d", {3, 4}, u"3 of 4"},
        {u"0x%08X", {255}, u"0x000000FF"},
        {u"%.2f|%5.1f", {1.005, 2.25}, u"1.00|  2.2"},
        {u"[%c]", {u'\u00e9'}, u"[\u00e9]"},
        {u"[%-6s][%6s][%.2s]", {u"ab", u"cd", u"xyz"}, u"[ab    ][    cd][xy]"},
        {u"100%% done", {}, u"100% done"},
        {u"fps: %i, dips: %i, poly: %i", {60, 7, 1200}, u"fps: 60, dips: 7, poly: 1200"},
        // A conversion with no value left appends nothing.
        {u"a%db", {}, u"ab"},
        // Not a conversion: kept as written, no value consumed.
        {u"100% sure %s", {u"x"}, u"100% sure x"},
        // A lone percent sign at the end is dropped.
        {u"50%", {}, u"50"},
        // A value of another type than the conversion asks for is still sound.
        {u"%s=%d", {7, 2.9}, u"7=2"},
        {u"%f", {3}, u"3.000000"},
        // %n never writes through anything; it just appends nothing.
        {u"x%ny", {5}, u"xy"},
    };
    for (const FormatCase& c : cases) {
        std::u16string out = u">";
        FormatString(out, c.format, c.values);
        EXPECT_EQ(out, u">" + c.expected) << std::string(c.format.begin(), c.format.end());
    }
}

TEST(FormatString, UsesAtMostFiveValuesAndTenConversions) {
    const std::vector<cFormatValue> six = {1, 2, 3, 4, 5, 6};
    std::u16string out;
    FormatString(out, u"%d%d%d%d%d%d", six);
    EXPECT_EQ(out, u"12345");

    out.clear();
    FormatString(out, u"%d%d%d%d%d%d%d%d%d%d%d", {});
    EXPECT_EQ(out, u"%d");  // the eleventh is no longer a conversion
}

TEST(FormatString, ClampsHostileWidths) {
    std::u16string out;
    FormatString(out, u"%999999999999d", std::vector<cFormatValue>{1});
    EXPECT_LE(out.size(), 1100u);
    EXPECT_EQ(out.back(), u'1');
}

}  // namespace
}  // namespace qor
