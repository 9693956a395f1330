#pragma once
// The game compares Windows virtual-key numbers (8 Backspace, 13 Enter, 27
// Escape, 37-40 arrows, 65-90 letters, ...). SDL keys are translated here, in
// one table, so the rest of the program never sees SDL key codes.
#include <SDL2/SDL_keycode.h>

namespace qor {

// 0 for keys the game never looks at.
int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

// The character a key also produces, as a Windows message loop delivers it
// alongside the key press (Backspace 8, Tab 9, Enter 13, Escape 27); 0 otherwise.
int ControlCharFromVirtualKey(int virtualKey);

}  // namespace qor
