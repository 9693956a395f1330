#include "app/KeyMap.h"

namespace qor {

int VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
    // Letters and digits by physical position, so that a French or German
    // layout still gives the game the keys it expects.
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return 'A' + (scancode - SDL_SCANCODE_A);
    }
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        return '1' + (scancode - SDL_SCANCODE_1);
    }
    if (scancode == SDL_SCANCODE_0) return '0';
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
    switch (key) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_PAUSE: return 19;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        // Key presses report the generic Shift and Control keys; which side is
        // held is asked separately (IsLeftControlDown).
        case SDLK_LSHIFT:
        case SDLK_RSHIFT: return 16;
        case SDLK_LCTRL:
        case SDLK_RCTRL: return 17;
        case SDLK_BACKQUOTE: return 192;
        default: return 0;
    }
}

int ControlCharFromVirtualKey(int virtualKey) {
    switch (virtualKey) {
        case 8:
        case 9:
        case 13:
        case 27: return virtualKey;
        default: return 0;
    }
}

}  // namespace qor
