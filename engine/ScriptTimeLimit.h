#pragma once
// Running a script that must not hold up the game: the player's own settings
// file may hold anything, even a loop without end.
#include "engine/Path.h"

namespace qor {

// RunFile with a bound on the time the script may run; a script cut off is
// logged and counts as failed (a non-zero result). Whatever it set before it
// was stopped stays set.
int RunFileWithTimeLimit(const cPath& path, int milliseconds);

}  // namespace qor
