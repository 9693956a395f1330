#pragma once
// Readable cells and cell rectangles in test failure messages.
#include <ostream>
#include <string>
#include <vector>

#include "level/GridGeometry.h"

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
