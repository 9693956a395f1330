#pragma once
// Small helpers of the grid and path tests: readable cells and cell
// rectangles in failure messages, and a grid of one kind.
#include <ostream>
#include <string>
#include <vector>

#include "level/path/Grid.h"

inline void PrintTo(const cCell& c, std::ostream* os) {
    *os << "(" << c.i << ", " << c.j << ")";
}

inline void PrintTo(const cCellRect& r, std::ostream* os) {
    *os << "i " << r.firstI << ".." << r.lastI << ", j " << r.firstJ << ".." << r.lastJ;
}

inline std::string CellText(const std::vector<cCell>& cells) {
    std::string s;
    for (const cCell c : cells)
        s += "(" + std::to_string(c.i) + "," + std::to_string(c.j) + ")";
    return s;
}

inline cGrid GridOf(int32_t kind) {
    cGrid grid;
    grid.Fill(kind);
    return grid;
}
