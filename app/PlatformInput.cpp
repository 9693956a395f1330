// Platform events as cGame input calls, and the input state queries.
#include <SDL2/SDL.h>

#include <algorithm>

#include "app/Game.h"
#include "app/KeyMap.h"
#include "app/Platform.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"
#include "gui/GUI.h"

namespace qor {

namespace {

int MouseButton(uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 0;
        case SDL_BUTTON_MIDDLE:
            return 1;
        case SDL_BUTTON_RIGHT:
            return 2;
        default:
            return -1;
    }
}

void OnWindowEvent(const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            if (e.data1 > 0 && e.data2 > 0)
                ResizeToDrawable();
            g_deviceCheck = 1;
            g_forceReset = 1;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            g_inactive = 1;
            SyncSystemPointer();  // the player is elsewhere: give the pointer back
            if (g_soundManager)
                g_soundManager->PauseOutput();
            if (g_fullScreen && g_window)
                SDL_MinimizeWindow(g_window);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (g_fullScreen && g_window && (SDL_GetWindowFlags(g_window) & SDL_WINDOW_MINIMIZED)) {
                SDL_RestoreWindow(g_window);
            }
            if (g_soundManager)
                g_soundManager->ResumeOutput();
            ResetFrameClock();  // the inactive time is not a frame time
            g_inactive = 0;
            SyncSystemPointer();
            break;
        case SDL_WINDOWEVENT_CLOSE: {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
            break;
        }
        default:
            break;
    }
}

void OnMouseButton(const SDL_MouseButtonEvent& e) {
    const int button = MouseButton(e.button);
    if (button < 0 || !g_game)
        return;
    int x = e.x, y = e.y;
    ToClientPosition(&x, &y);
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        g_game->OnMouseDown(x, y, button);
    } else {
        g_game->OnMouseUp(x, y, button);
    }
}

}  // namespace

void ToClientPosition(int* x, int* y) {
    if (!g_window)
        return;
    int ww = 0, wh = 0, dw = 0, dh = 0;
    SDL_GetWindowSize(g_window, &ww, &wh);
    SDL_GL_GetDrawableSize(g_window, &dw, &dh);
    // Window units and drawable pixels differ on high-density displays.
    if (ww > 0 && wh > 0 && (ww != dw || wh != dh)) {
        *x = static_cast<int>(static_cast<int64_t>(*x) * dw / ww);
        *y = static_cast<int>(static_cast<int64_t>(*y) * dh / wh);
    }
    // While a button is held SDL reports the pointer beyond the window; the
    // game packs x and y into one int, where a negative x would borrow from y.
    if (dw > 0 && dh > 0) {
        *x = std::clamp(*x, 0, dw - 1);
        *y = std::clamp(*y, 0, dh - 1);
    }
}

bool PumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (!DispatchEvent(event))
            return false;
    }
    return true;
}

bool DispatchEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            return false;
        case SDL_WINDOWEVENT:
            OnWindowEvent(event.window);
            break;
        case SDL_KEYDOWN: {
            const int vk = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode);
            if (vk && g_game) {
                g_game->OnKeyDown(vk);
                // Like a Windows message loop, these keys also arrive as characters.
                if (const int ch = ControlCharFromVirtualKey(vk); ch && g_game)
                    g_game->OnChar(ch);
            }
            break;
        }
        case SDL_TEXTINPUT:
            for (char16_t unit : FromUtf8(event.text.text)) {
                if (g_game)
                    g_game->OnChar(unit);
            }
            break;
        case SDL_MOUSEMOTION:
            if (g_game) {
                int x = event.motion.x, y = event.motion.y;
                ToClientPosition(&x, &y);
                g_game->OnMouseMove(x, y);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            OnMouseButton(event.button);
            break;
        default:
            break;
    }
    return true;
}

void SyncSystemPointer() {
    const bool gameDrawsOne = g_game && g_game->gui() && g_game->gui()->pointerVisible;
    const int wanted = gameDrawsOne && !g_inactive ? SDL_DISABLE : SDL_ENABLE;
    if (SDL_ShowCursor(SDL_QUERY) != wanted)
        SDL_ShowCursor(wanted);
}

bool IsLeftControlDown() {
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    return keys && keys[SDL_SCANCODE_LCTRL];
}

void GetCursorClientPos(int* x, int* y) {
    int cx = 0, cy = 0;
    SDL_GetMouseState(&cx, &cy);
    ToClientPosition(&cx, &cy);
    if (x)
        *x = cx;
    if (y)
        *y = cy;
}

bool IsMouseButtonDown(int button) {
    const Uint32 state = SDL_GetMouseState(nullptr, nullptr);
    switch (button) {
        case 0:
            return state & SDL_BUTTON(SDL_BUTTON_LEFT);
        case 1:
            return state & SDL_BUTTON(SDL_BUTTON_MIDDLE);
        case 2:
            return state & SDL_BUTTON(SDL_BUTTON_RIGHT);
        default:
            return false;
    }
}

}  // namespace qor
