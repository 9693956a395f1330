// The levels of buildings and obstacles are, like every level, a function of
// their file, their seed and the player's timed clicks: building, upgrading,
// delivering, paying for monuments, clearing, repairing, freezing and
// thawing, ringing the bell and casting spells, played twice alike, end in
// exactly the same state.
#include <gtest/gtest.h>

#include <vector>

#include "level/LevelDigest.h"
#include "level/spells/SpellNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

struct cClick {
    int tick;
    const char16_t* name;
};

// Plays two minutes of the level with the clicks and casts given and
// returns the digest every 10 s.
std::vector<uint64_t> Play(const char* levelName, uint32_t seed, const std::vector<cClick>& clicks,
                           const std::vector<std::pair<int, int32_t>>& casts) {
    cLevelHarness h;
    h.host.random.seed = seed;
    EXPECT_TRUE(h.Load(levelName));
    h.Begin();
    for (int32_t spell = kSpellFieldFast; spell <= kSpellShield; ++spell)
        h.level->AddSpell(spell);
    h.level->SetMaxLevel(u"all", 2);
    h.host.resources = {2000, 2000, 2000, 500};
    std::vector<uint64_t> digests;
    for (int tick = 0; tick < 120 * 30; ++tick) {
        for (const cClick& click : clicks) {
            if (click.tick == tick)
                h.ClickOn(h.Find(click.name));
        }
        for (const auto& [at, spell] : casts) {
            if (at == tick)
                h.level->CastSpell(spell);
        }
        h.Step();
        if (tick % 300 == 299)
            digests.push_back(DigestLevel(*h.level));
    }
    return digests;
}

TEST(BuildingsDeterminism, TheSameSeedAndClicksGiveTheSameLevelEveryTime) {
    const std::vector<cClick> buildings = {
        {10, u"house_site"},  {12, u"tower_site"}, {14, u"lighthouse"}, {16, u"statue"},
        {18, u"tree"},        {200, u"field"},     {220, u"nugget"},    {400, u"house"},
        {600, u"tower"},      {900, u"bell"},      {950, u"castle"},    {960, u"shrine"},
        {1500, u"house_site"}};
    const std::vector<std::pair<int, int32_t>> spells = {
        {100, kSpellWorkerFast}, {300, kSpellFieldFast}, {700, kSpellShield}};
    const std::vector<cClick> obstacles = {
        {10, u"log"},          {12, u"stone"},        {14, u"west_bridge"}, {16, u"south_bridge"},
        {400, u"north_food"},  {600, u"west_mana"},   {700, u"boulder"},    {900, u"bell"},
        {1000, u"north_wood"}, {1200, u"east_bridge"}};
    const std::vector<std::pair<int, int32_t>> freeze = {{300, kSpellWaterFreeze},
                                                         {2000, kSpellWaterFreeze}};
    for (const auto& [name, clicks, casts] :
         {std::tuple{"buildings", buildings, spells}, std::tuple{"obstacles", obstacles, freeze}}) {
        SCOPED_TRACE(name);
        const std::vector<uint64_t> first = Play(name, 1234, clicks, casts);
        ASSERT_EQ(first.size(), 12u);
        EXPECT_EQ(first, Play(name, 1234, clicks, casts));
        EXPECT_NE(Play(name, 4321, clicks, casts).back(), first.back());
    }
}

}  // namespace
}  // namespace level_test
