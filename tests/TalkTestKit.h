#pragma once
// A player's way through a talk in the real game: wait for the line, click
// its bubble.
#include "tests/ShellDriver.h"

namespace qor::test {

// Steps until a bubble speaks; false when none does within `frameLimit`.
bool WaitForLine(cShellDriver& game, int frameLimit = 120);
// Clicks the middle of the speaking bubble; false when none speaks.
bool ClickSpeakingBubble(cShellDriver& game);
// Clicks every line of the running talk away until it is over.
bool ClickThroughTalk(cShellDriver& game, int lineLimit = 20);

}  // namespace qor::test
