#pragma once
// The path search's list of cells still to look at. It behaves exactly like an
// unsorted list that keeps the order of its pushes and hands out the first
// entry with the strictly smallest estimate f: a cell pushed again while it is
// still listed stands in the list twice, and both entries carry its latest f.
// A linear scan of such a list costs most of a search, so this keeps, per
// cell, its entries in push order and a heap of the cells ordered by f and
// then by their earliest entry: the same choice in logarithmic time.
#include <array>
#include <cstdint>
#include <vector>

#include "scene/LevelGrid.h"

class cOpenList {
  public:
    cOpenList();

    void Clear();
    bool Empty() const { return heap.empty(); }

    // Adds an entry for the cell with the estimate f (never negative). A cell
    // that is already listed must come with an f no higher than before (its
    // cost so far only ever improves); its earlier entries take the new f.
    void Push(int cell, float f);
    // Removes and returns the cell of the first entry with the smallest f.
    int Pop();

  private:
    struct cItem {
        uint64_t key;  // f's bits, then the cell's earliest entry
        int cell;
    };

    void Place(size_t slot, const cItem& item);
    void SiftUp(size_t slot, cItem item);
    void SiftDown(size_t slot, cItem item);

    std::array<int32_t, kGridCells> first;  // a cell's earliest entry, -1 when not listed
    std::array<int32_t, kGridCells> last;   // its latest entry
    std::array<int32_t, kGridCells> slot;   // its place in the heap
    std::vector<int32_t> next;              // per entry, in push order: the same cell's next one
    std::vector<cItem> heap;
};
