#pragma once
// The platform layer: the one top-level window, the events that become cGame
// input calls, the frame the main loop runs, and a few platform queries
// (keyboard and mouse state, cursor position, user language, title, folders).
// The process around it (start-up, the loop itself, shutdown) is
// app/GameProcess.h.
#include <cstdint>
#include <string>

struct SDL_Window;
union SDL_Event;

namespace qor {

extern SDL_Window* g_window;
extern std::u16string g_windowTitle;
extern int g_fullScreen;
extern int g_inactive;
extern int g_deviceCheck;
extern int g_forceReset;
extern int64_t g_perfFrequency;
extern int64_t g_lastCounter;

// Whole process; returns the exit code (0 also when another copy runs).
int RunGame();

// 1 on success, 0 on failure. Also used to switch full screen and windowed.
int CreateGameWindow(int fullScreen);
void DestroyGameWindow();
// Tells cGame the drawable size of the window, as a size message would.
void ResizeToDrawable();

// Turns one platform event into cGame input calls and window-state changes.
// Returns false for the quit request.
bool DispatchEvent(const SDL_Event& event);

// Dispatches every pending event; false once the quit request arrived.
bool PumpEvents();
// One frame: draw (when asked to and the renderer can), update, present.
// Returns the high-resolution counter counts spent drawing and presenting.
uint64_t RunFrame(float seconds, bool draw = true);
// The half-second frame-rate sample: frames drawn since the last one × 2.
void SampleFrameRate();

// Seconds since the previous call (or the last counter reset), from the
// high-resolution counter, never capped.
float SampleElapsedSeconds();
// Starts the elapsed time afresh, so that a wait is never seen as a frame.
void ResetFrameClock();

// The system pointer is hidden while the game draws its own (the GUI's
// pointerVisible) and the window has the focus, and shown otherwise.
void SyncSystemPointer();

bool IsLeftControlDown();
// The pointer in client pixels, inside the client area.
void GetCursorClientPos(int* x, int* y);
bool IsMouseButtonDown(int button);
std::string GetUserLocaleName();
void UpdateWindowTitle();
void InitSystemPaths();

// A position in window units (as SDL reports it, possibly outside the window
// while a button is held) as client pixels inside the client area.
void ToClientPosition(int* x, int* y);

// The windowed client size for a usable display area, shrunk to fit with the
// 4:3 shape kept: the frame border and title bar sizes are the platform's.
struct cClientSize {
    int width;
    int height;
};
cClientSize FitWindowedClient(int workWidth, int workHeight, int frameX, int frameTop,
                              int frameBottom);

}  // namespace qor
