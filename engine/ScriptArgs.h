#pragma once
// Readers for the arguments of the engine's script functions. None of them
// raises a Lua error: an argument of the wrong type reads as the default, and
// tables are read raw so that a metatable cannot run code or raise an error in
// the middle of an engine function. Lua's own conversions apply (a number is a
// valid string, a numeric string a valid number).
#include <string>

#include "engine/LiveHandles.h"

struct lua_State;

namespace qor {

std::u16string ArgString(lua_State* L, int index);
double ArgNumber(lua_State* L, int index, double defaultValue = 0.0);
// Truncated toward zero and clamped to the int range (NaN reads as the default).
int ArgInt(lua_State* L, int index, int defaultValue = 0);
bool ArgIsTable(lua_State* L, int index);

// Fields of the table at `table` (an absolute index); missing or mistyped: the default.
double FieldNumber(lua_State* L, int table, const char* key, double defaultValue = 0.0);
int FieldInt(lua_State* L, int table, const char* key, int defaultValue = 0);
std::u16string FieldString(lua_State* L, int table, const char* key);
// The array length of a table argument (0 for anything else).
int ArrayLength(lua_State* L, int table);

// Saturating truncation toward zero, for every number that becomes an int.
int ToInt(double value, int defaultValue = 0);

// The light userdata at `index` when it is the address of a live object of
// kind T; null for a missing handle, another type, another kind or a stale one.
void* ArgAddress(lua_State* L, int index);
template <class T>
T* ArgHandle(lua_State* L, int index) {
    return cLiveHandles<T>::Find(ArgAddress(L, index));
}

}  // namespace qor
