#include "level/path/OpenList.h"

#include <cstring>

namespace {

// Reopened cells may push the entries past the cell count; beyond this the
// entry list simply grows.
constexpr size_t kEntryReserve = 4 * kGridCells;

// A float that is not negative orders like its bits, so one integer compare
// weighs f first and the entry's place in the list second.
uint64_t Key(float f, int32_t entry) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return static_cast<uint64_t>(bits) << 32 | static_cast<uint32_t>(entry);
}

uint64_t WithEntry(uint64_t key, int32_t entry) {
    return (key & ~uint64_t{0xFFFFFFFF}) | static_cast<uint32_t>(entry);
}

}  // namespace

cOpenList::cOpenList() {
    next.reserve(kEntryReserve);
    heap.reserve(kGridCells);
    Clear();
}

void cOpenList::Clear() {
    first.fill(-1);
    last.fill(-1);
    next.clear();
    heap.clear();
}

void cOpenList::Push(int cell, float f) {
    const auto entry = static_cast<int32_t>(next.size());
    next.push_back(-1);
    if (first[cell] < 0) {
        first[cell] = last[cell] = entry;
        heap.push_back({});
        SiftUp(heap.size() - 1, {Key(f, entry), cell});
        return;
    }
    next[last[cell]] = entry;
    last[cell] = entry;
    SiftUp(slot[cell], {Key(f, first[cell]), cell});
}

int cOpenList::Pop() {
    const cItem top = heap.front();
    const int cell = top.cell;
    first[cell] = next[first[cell]];
    if (first[cell] >= 0) {
        // Its next entry stands later in the list.
        SiftDown(0, {WithEntry(top.key, first[cell]), cell});
        return cell;
    }
    last[cell] = -1;
    const cItem moved = heap.back();
    heap.pop_back();
    if (!heap.empty())
        SiftDown(0, moved);
    return cell;
}

void cOpenList::Place(size_t at, const cItem& item) {
    heap[at] = item;
    slot[item.cell] = static_cast<int32_t>(at);
}

void cOpenList::SiftUp(size_t at, cItem item) {
    while (at > 0) {
        const size_t parent = (at - 1) / 2;
        if (heap[parent].key <= item.key)
            break;
        Place(at, heap[parent]);
        at = parent;
    }
    Place(at, item);
}

void cOpenList::SiftDown(size_t at, cItem item) {
    const size_t size = heap.size();
    for (;;) {
        size_t child = 2 * at + 1;
        if (child >= size)
            break;
        if (child + 1 < size && heap[child + 1].key < heap[child].key)
            ++child;
        if (item.key <= heap[child].key)
            break;
        Place(at, heap[child]);
        at = child;
    }
    Place(at, item);
}
