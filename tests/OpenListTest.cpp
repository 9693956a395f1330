// The path search's open list must hand out cells in exactly the order a
// plain unsorted list in push order would, duplicates and ties included.
#include "level/path/OpenList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The list as plainly as it can be written.
class cPlainList {
  public:
    void Push(int cell, float f) {
        estimate[cell] = f;
        entries.push_back(cell);
    }
    int Pop() {
        size_t best = 0;
        for (size_t k = 1; k < entries.size(); ++k) {
            if (estimate[entries[k]] < estimate[entries[best]])
                best = k;
        }
        const int cell = entries[best];
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(best));
        return cell;
    }
    bool Empty() const { return entries.empty(); }
    bool Listed(int cell) const {
        for (const int e : entries) {
            if (e == cell)
                return true;
        }
        return false;
    }
    float Estimate(int cell) const { return estimate[cell]; }

  private:
    std::vector<int> entries;
    std::vector<float> estimate = std::vector<float>(kGridCells, 0.0f);
};

TEST(OpenListTest, ACellPushedAgainKeepsItsEarlierPlaceAmongEqualEstimates) {
    cOpenList list;
    list.Push(10, 5.0f);
    list.Push(20, 3.0f);
    list.Push(30, 3.0f);
    list.Push(10, 3.0f);  // improved: its first entry now ties and stands first
    EXPECT_EQ(list.Pop(), 10);
    EXPECT_EQ(list.Pop(), 20);
    EXPECT_EQ(list.Pop(), 30);
    EXPECT_EQ(list.Pop(), 10);  // its second entry
    EXPECT_TRUE(list.Empty());

    list.Push(7, 1.0f);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    list.Push(8, 2.0f);
    EXPECT_EQ(list.Pop(), 8);
}

TEST(OpenListTest, HandsOutCellsInThePlainListsOrder) {
    uint32_t seed = 12345u;
    auto random = [&seed](int n) {
        seed = seed * 69069u + 1u;
        return static_cast<int>((seed >> 16) % static_cast<uint32_t>(n));
    };
    cOpenList list;
    for (int round = 0; round < 200; ++round) {
        cPlainList plain;
        list.Clear();
        // Few cells and few estimates, so that duplicates and ties abound.
        const int cells = 2 + random(30);
        for (int step = 0; step < 400; ++step) {
            if (plain.Empty() || random(3) > 0) {
                const int cell = random(cells);
                float f = static_cast<float>(random(8)) * 0.5f;
                if (plain.Listed(cell) && f > plain.Estimate(cell))
                    f = plain.Estimate(cell);  // a listed cell only ever improves
                plain.Push(cell, f);
                list.Push(cell, f);
            } else {
                ASSERT_FALSE(list.Empty());
                ASSERT_EQ(list.Pop(), plain.Pop()) << "round " << round << " step " << step;
            }
            ASSERT_EQ(list.Empty(), plain.Empty());
        }
    }
}

}  // namespace
