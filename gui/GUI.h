#pragma once
// The GUI manager: owns every window by name, keeps the stack of shown
// windows, converts platform-window pixels to its virtual screen (origin at the
// bottom-left, y up), routes input from the top of the stack down, delivers
// queued events one tick later and draws the shown windows bottom-up.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/TextureCache.h"

namespace qor {

class cWindow;
class cWindowFunction;

class cGUI {
  public:
    struct cQueuedEvent {
        int kind;
        cWindow* window;
        int param1;
        int param2;
    };

    cGUI(float virtualWidth, float virtualHeight);
    ~cGUI();

    cWindow* CreateWnd(const std::u16string& name, std::unique_ptr<cWindowFunction> function);
    bool HasWnd(const std::u16string& name) const;
    cWindow* GetWnd(const std::u16string& name);
    void ShowWnd(const std::u16string& name);
    void HideWnd(const std::u16string& name);
    bool IsWndShown(const std::u16string& name) const;
    void CloseWnd(const std::u16string& name);
    void PostEvent(int kind, cWindow* window, int param1, int param2);

    void Tick(float seconds);
    void Draw();
    bool KeyDown(int key);
    bool Char(int ch);
    bool MouseMove(int x, int y);
    bool MouseDown(int x, int y, int button);
    bool MouseUp(int x, int y, int button);
    void LocaleChanged();
    void ToVirtual(int& x, int& y) const;

    void SetScreen(int x, int y, int width, int height);

    // The pointer position in client pixels, from the platform unless a test
    // gave its own source.
    void GetCursorClientPos(int* x, int* y) const;
    // The same converted to the virtual screen.
    void GetCursorVirtualPos(int* x, int* y) const;
    using cCursorSource = std::function<void(int* x, int* y)>;
    void SetCursorSource(cCursorSource source) { m_cursorSource = std::move(source); }

    // Bottom first; the last entry is the top.
    const std::vector<std::shared_ptr<cWindow>>& shown() const { return m_shown; }

    float virtualWidth;
    float virtualHeight;
    int screenX = 0;
    int screenY = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    bool pointerVisible = true;
    // The software mouse pointer, in platform-window pixels with y up.
    struct {
        float x = 0, y = 0, width = 64, height = 64;
        cTextureRef texture;  // set by the game; nothing is drawn without one
        int align = 9;        // alignment bits; 9 puts the top-left corner on the hot spot
    } pointer;
    bool caretOn = false;

  private:
    bool OnShownStack(const cWindow* window) const;
    bool IsHiding(const cWindow* window) const;
    // Sends `kind` to the windows from the last of `windows` down to the first
    // modal one, passing over those no longer shown when their turn comes.
    void SendDownToModal(const std::vector<std::shared_ptr<cWindow>>& windows, int kind);
    bool RouteInput(int kind, int param1, int param2);
    void DrawPointer();

    std::deque<cQueuedEvent> m_queue;
    std::map<std::u16string, std::shared_ptr<cWindow>> m_windows;
    std::vector<std::shared_ptr<cWindow>> m_shown;
    std::vector<const cWindow*> m_hiding;  // in the middle of HideWnd
    cCursorSource m_cursorSource;
};

extern float g_caretClock;

}  // namespace qor
