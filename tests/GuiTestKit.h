#pragma once
// What the GUI and control tests share: an engine core with a 1024 × 768
// client area (so client pixels and virtual units differ only in the y
// direction), input in virtual coordinates through cGame's input calls, a
// window function that records what its window hears, a fixed-metric test font
// and a recorder for the GUI sounds.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/Font.h"
#include "engine/Strings.h"
#include "gui/GUI.h"
#include "gui/GuiSound.h"
#include "gui/Window.h"
#include "gui/WindowFunction.h"
#include "tests/TestUtil.h"

namespace qor::test {

// "window kind p1 p2" for every event whose kind is in `kinds` (all when empty).
class cRecordingWF : public cWindowFunction {
  public:
    cRecordingWF(std::vector<std::string>* log, std::set<int> kinds)
        : m_log(log), m_kinds(std::move(kinds)) {}
    int OnEvent(cWindow* window, int kind, int p1, int p2) override {
        if (m_kinds.empty() || m_kinds.count(kind)) {
            m_log->push_back(ToUtf8(window->name) + " " + std::to_string(kind) + " " +
                             std::to_string(p1) + " " + std::to_string(p2));
        }
        return cWindowFunction::OnEvent(window, kind, p1, p2);
    }

  private:
    std::vector<std::string>* m_log;
    std::set<int> m_kinds;
};

// Every glyph advances 10 and is 10 wide, except "i" (5) and "W" (15); cells
// are 20 high, no extra spacing. Space advances 10.
inline cFont* MakeTestFont(const std::u16string& name, float spacing = 0.0f) {
    cFontRef font = CreateOrResetFont(name);
    font->cellHeight = 20.0f;
    font->spacing = spacing;
    for (char16_t c = 32; c < 127; ++c) {
        const float w = c == u'i' ? 5.0f : c == u'W' ? 15.0f : 10.0f;
        cGlyph glyph;
        glyph.fWidth = w;
        glyph.dx = w;
        font->SetGlyph(c, glyph);
    }
    return font.get();
}

class GuiFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        game = std::make_unique<cGame>();
        // As after the game's start-up: the console no longer claims keys, so
        // the grave accent reaches the windows.
        game->consoleEnabled = false;
        gui = game->gui();
        gui->SetScreen(0, 0, 1024, 768);
        // The platform pointer sits far off every control unless a test moves it.
        gui->SetCursorSource([this](int* x, int* y) {
            *x = cursorX;
            *y = cursorY;
        });
        SetGuiSoundSink([this](std::u16string_view name) { sounds.push_back(ToUtf8(name)); });
        g_tickAccumulator = 0;
        MakeTestFont(u"test");
    }
    void TearDown() override {
        SetGuiSoundSink(nullptr);
        game.reset();
    }

    // A shown, active window whose function records the kinds given.
    cWindow* MakeWindow(const std::u16string& name, std::set<int> kinds = {}) {
        cWindow* w =
            gui->CreateWnd(name, std::make_unique<cRecordingWF>(&events, std::move(kinds)));
        w->active = true;
        gui->ShowWnd(name);
        return w;
    }

    // Input in virtual units: with a 1024 × 768 client area only y flips.
    int Move(int x, int y) { return game->OnMouseMove(x, 768 - y); }
    int Press(int x, int y, int button = 0) { return game->OnMouseDown(x, 768 - y, button); }
    int Release(int x, int y, int button = 0) { return game->OnMouseUp(x, 768 - y, button); }
    int Click(int x, int y) {
        Move(x, y);
        const int consumed = Press(x, y);
        Release(x, y);
        return consumed;
    }
    // One fixed GUI tick: delivers what was posted and the previous tick's events.
    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i)
            gui->Tick(kTickSeconds);
    }
    // Moves the platform pointer (virtual units), for the refreshes that read it.
    void PlacePointer(int x, int y) {
        cursorX = x;
        cursorY = 768 - y;
    }
    std::vector<std::string> TakeEvents() { return std::exchange(events, {}); }
    std::vector<std::string> TakeSounds() { return std::exchange(sounds, {}); }

    std::unique_ptr<cGame> game;
    cGUI* gui = nullptr;
    std::vector<std::string> events;
    std::vector<std::string> sounds;
    int cursorX = -5000;
    int cursorY = -5000;
};

}  // namespace qor::test
