#include "engine/ScriptArgs.h"

#include <climits>
#include <cmath>
#include <string_view>

extern "C" {
#include <lua.h>
}

#include "engine/Strings.h"

namespace qor {

int ToInt(double value, int defaultValue) {
    if (std::isnan(value))
        return defaultValue;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

std::u16string ArgString(lua_State* L, int index) {
    if (!lua_isstring(L, index))
        return {};
    size_t size = 0;
    const char* s = lua_tolstring(L, index, &size);
    return s ? FromUtf8(std::string_view(s, size)) : std::u16string();
}

double ArgNumber(lua_State* L, int index, double defaultValue) {
    return lua_isnumber(L, index) ? lua_tonumber(L, index) : defaultValue;
}

int ArgInt(lua_State* L, int index, int defaultValue) {
    return lua_isnumber(L, index) ? ToInt(lua_tonumber(L, index), defaultValue) : defaultValue;
}

bool ArgIsTable(lua_State* L, int index) {
    return lua_istable(L, index);
}

namespace {

// Pushes table[key] without metamethods; nil when `table` is not a table.
void PushField(lua_State* L, int table, const char* key) {
    if (!lua_istable(L, table)) {
        lua_pushnil(L);
        return;
    }
    lua_pushstring(L, key);
    lua_rawget(L, table < 0 && table > LUA_REGISTRYINDEX ? table - 1 : table);
}

}  // namespace

double FieldNumber(lua_State* L, int table, const char* key, double defaultValue) {
    PushField(L, table, key);
    const double value = ArgNumber(L, -1, defaultValue);
    lua_pop(L, 1);
    return value;
}

int FieldInt(lua_State* L, int table, const char* key, int defaultValue) {
    PushField(L, table, key);
    const int value = ArgInt(L, -1, defaultValue);
    lua_pop(L, 1);
    return value;
}

std::u16string FieldString(lua_State* L, int table, const char* key) {
    PushField(L, table, key);
    std::u16string value = ArgString(L, -1);
    lua_pop(L, 1);
    return value;
}

int ArrayLength(lua_State* L, int table) {
    if (!lua_istable(L, table))
        return 0;
    const size_t n = lua_objlen(L, table);
    return n > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(n);
}

void* ArgAddress(lua_State* L, int index) {
    return lua_islightuserdata(L, index) ? lua_touserdata(L, index) : nullptr;
}

}  // namespace qor
