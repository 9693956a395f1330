#pragma once
// A player's way through a talk in the real game: wait for the line, click
// its bubble; and through level 001 by hand after its talk.
#include <filesystem>

#include "tests/ShellDriver.h"

struct cReplay;

namespace qor::test {

// Steps until a bubble speaks; false when none does within `frameLimit`.
bool WaitForLine(cShellDriver& game, int frameLimit = 120);
// Clicks the middle of the speaking bubble; false when none speaks.
bool ClickSpeakingBubble(cShellDriver& game);
// Clicks every line of the running talk away until it is over.
bool ClickThroughTalk(cShellDriver& game, int lineLimit = 20);
// Plays level 001 with the clicks of its solution, made by hand through the
// platform's pointer once its talk is clicked through: each at its step, or
// as soon after as its object is there to be clicked, as a player who waits
// for a house site to open.
void PlayFirstLevelByHand(cShellDriver& game, const cReplay& solution);
// A replay file, read as the game reads it; a bad one fails the test.
cReplay ReadReplay(const std::filesystem::path& file);

}  // namespace qor::test
