#pragma once
// Reading the frame lists that atlas scripts give addTextureInfoExNodes, for
// tests that run the data scripts with recording stand-ins of the engine.
#include <vector>

extern "C" {
#include <lua.h>
}

namespace qor::test {

struct cExFrameRecord {
    double dx, dy, u, v, cu, cv, w, h;
};

// The frames of the array table at `index` (missing fields read as 0); stops
// at the first entry that is not a table.
std::vector<cExFrameRecord> ReadExFrameTable(lua_State* L, int index);

}  // namespace qor::test
