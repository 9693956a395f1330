#pragma once
// cGame is the engine core: created before the window exists and destroyed
// after it is gone. It owns the engine services, the GUI manager and every
// widget, keeps the one focused widget, and runs the per-frame draw and the
// fixed-step update that the main loop calls.
#include <memory>
#include <string>
#include <vector>

namespace qor {

class cWidget;
class cGUI;
class cSpriteBatch;

// The fixed logic step. All game logic advances in steps of exactly this much.
inline constexpr float kTickSeconds = 1.0f / 30.0f;

class cGame {
  public:
    cGame();
    ~cGame();
    cGame(const cGame&) = delete;
    cGame& operator=(const cGame&) = delete;

    int DrawFrame();
    int UpdateFrame(float seconds);
    int OnResize(int width, int height);

    // Input routing: console, then the GUI windows, then the focused widget.
    int OnKeyDown(int key);
    int OnChar(int ch);
    int OnMouseMove(int x, int y);
    int OnMouseDown(int x, int y, int button);
    int OnMouseUp(int x, int y, int button);

    void FocusWidget(const std::u16string& name);
    const std::u16string& GetFocusedWidgetName() const;
    void SetLocale(const std::u16string& name);

    // Called by the cWidget constructor; the game owns the widget from then on.
    void RegisterWidget(cWidget* widget);
    // A widget destroyed by someone else (a scene made on the stack by a tool
    // or test while a game exists) leaves the list, and the focus, unharmed.
    void ForgetWidget(cWidget* widget);

    // Modal layers (message box, pause menu) stop the focused widget.
    void PushModal() { ++modalCount; }
    void PopModal() {
        if (modalCount > 0)
            --modalCount;
    }

    cGUI* gui() const { return m_gui.get(); }
    cSpriteBatch* batch() const { return m_batch.get(); }
    cWidget* focusedWidget() const { return focused; }
    const std::vector<std::unique_ptr<cWidget>>& widgets() const { return m_widgets; }

    bool runWhileInactive = false;
    // Frames run back to back, without the frame cap and without waiting for
    // the display: the loading screen asks for it while its queue runs.
    bool fullSpeed = false;
    cWidget* focused = nullptr;
    int modalCount = 0;
    bool consoleEnabled = true;
    std::u16string locale;
    bool cjkLocale = false;
    float frameSeconds = 0.01f;
    int fps = 0;
    int frameCounter = 0;

  private:
    bool WidgetTakesPart() const { return focused && modalCount == 0; }

    std::vector<std::unique_ptr<cWidget>> m_widgets;
    std::unique_ptr<cSpriteBatch> m_batch;
    std::unique_ptr<cGUI> m_gui;
};

extern cGame* g_game;
// Carries the fixed-step time between frames.
extern float g_tickAccumulator;

}  // namespace qor
