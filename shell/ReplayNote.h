#pragma once
// The "Save Replay" button of the pause menu and of the results, and the
// note under it that tells the player where the replay went.
#include <string>

namespace qor {
class cWindow;
}

// As the window comes up: the button shows only while there is a level to
// save, and the note is empty.
void PrepareReplayButton(qor::cWindow* window, const std::u16string& button);
// Saves the level's replay and says in the window's note where it went, or
// that it could not be saved.
void SaveReplayFromWindow(qor::cWindow* window);
