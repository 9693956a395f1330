#include "level/story/StoryDeals.h"

#include <algorithm>
#include <iterator>

namespace {

// Amounts as wood/food/money/mana.
constexpr StoryDeal kDeals[] = {
    {u"A016", {200, 0, 0, 0}, {0, 0, 500, 0}, 120.0f, u"DealIntro016", u"DealAfter016"},
    {u"A017", {0, 0, 0, 100}, {200, 0, 0, 0}, 120.0f, u"DealIntro017", u"DealAfter017"},
    {u"A018", {200, 0, 0, 0}, {0, 0, 500, 0}, 200.0f, u"DealIntro018", u"DealAfter018"},
    {u"A020a", {0, 150, 0, 0}, {100, 0, 0, 0}, 200.0f, u"DealIntro020_0", u"DealAfter020_0"},
    {u"A020b", {0, 0, 120, 0}, {100, 0, 0, 0}, 200.0f, u"DealIntro020_1", u"DealAfter020_1"},
    {u"A028a", {150, 0, 0, 0}, {0, 0, 200, 0}, 200.0f, u"DealIntro028_0", u"DealAfter028_0"},
    {u"A028b", {200, 0, 0, 0}, {0, 0, 200, 0}, 200.0f, u"DealIntro028_1", u"DealAfter028_1"},
    {u"A032", {200, 0, 0, 0}, {0, 0, 300, 0}, 160.0f, u"DealIntro032", u"DealAfter032"},
    {u"A039a", {100, 0, 0, 0}, {0, 0, 0, 100}, 200.0f, u"DealIntro039_0", u"DealAfter039_0"},
    {u"A039b", {0, 0, 100, 0}, {0, 0, 0, 300}, 200.0f, u"DealIntro039_1", u"DealAfter039_1"},
    {u"A041", {0, 0, 100, 0}, {100, 0, 0, 0}, 100.0f, u"DealIntro041", u"DealAfter041"},
};

}  // namespace

const StoryDeal* FindStoryDeal(std::u16string_view name) {
    const auto* found = std::find_if(std::begin(kDeals), std::end(kDeals),
                                     [&](const StoryDeal& deal) { return deal.name == name; });
    return found == std::end(kDeals) ? nullptr : found;
}
