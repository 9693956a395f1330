// The game's generator: small choices drawn from it are choices, not turns.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "scene/Random.h"

namespace {

TEST(Random, SmallPicksFollowNoShortCycle) {
    for (uint32_t n : {2u, 3u, 4u, 8u}) {
        cRandom random(12345);
        std::vector<uint32_t> picks;
        for (int k = 0; k < 256; ++k)
            picks.push_back(random.Pick(n));
        EXPECT_EQ(std::set<uint32_t>(picks.begin(), picks.end()).size(), n) << "n " << n;
        EXPECT_LT(*std::max_element(picks.begin(), picks.end()), n) << "n " << n;
        // The low bits repeat with periods 2, 4, 8 …: no such repetition here.
        for (size_t period : {1u, 2u, 4u, 8u}) {
            bool repeats = true;
            for (size_t k = period; k < picks.size() && repeats; ++k)
                repeats = picks[k] == picks[k - period];
            EXPECT_FALSE(repeats) << "n " << n << " repeats every " << period;
        }
    }
}

}  // namespace
