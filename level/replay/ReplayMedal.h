#pragma once
// The verdict on a played replay: whether the level was won for gold.
// Solutions of the shipped levels must reach it.
class cLevelWidget;

// Won (the level reached its finished state) with at least a third of its
// silver time left, which is finishing within the gold limit (two thirds of
// the silver time). A level with no time left earns no gold, whatever its
// limit.
bool WonForGold(const cLevelWidget& level);
