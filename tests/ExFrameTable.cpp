#include "tests/ExFrameTable.h"

namespace qor::test {

namespace {

double NumberField(lua_State* L, int table, const char* name) {
    lua_getfield(L, table, name);
    const double value = lua_isnumber(L, -1) ? lua_tonumber(L, -1) : 0.0;
    lua_pop(L, 1);
    return value;
}

}  // namespace

std::vector<cExFrameRecord> ReadExFrameTable(lua_State* L, int index) {
    std::vector<cExFrameRecord> frames;
    if (!lua_istable(L, index))
        return frames;
    for (int i = 1;; ++i) {
        lua_rawgeti(L, index, i);
        if (!lua_istable(L, -1)) {
            lua_pop(L, 1);
            break;
        }
        const int t = lua_gettop(L);
        frames.push_back({NumberField(L, t, "dx"), NumberField(L, t, "dy"), NumberField(L, t, "u"),
                          NumberField(L, t, "v"), NumberField(L, t, "cu"), NumberField(L, t, "cv"),
                          NumberField(L, t, "w"), NumberField(L, t, "h")});
        lua_pop(L, 1);
    }
    return frames;
}

}  // namespace qor::test
