#include "gui/GUI.h"

#include <algorithm>

#include "app/Platform.h"
#include "engine/Log.h"
#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "gui/Ctrl.h"
#include "gui/Window.h"
#include "gui/WindowFunction.h"

namespace qor {

float g_caretClock = 0.0f;

cGUI::cGUI(float width, float height) : virtualWidth(width), virtualHeight(height) {}

cGUI::~cGUI() {
    m_queue.clear();
    for (auto& [name, window] : m_windows) {
        if (window)
            window->SendEvent(kWndDestroyed);
    }
    // Whatever the handlers posted would point at windows about to go.
    m_queue.clear();
    m_shown.clear();
    m_windows.clear();
    pointer.texture.reset();
}

cWindow* cGUI::CreateWnd(const std::u16string& name, std::unique_ptr<cWindowFunction> function) {
    auto window = std::make_shared<cWindow>(this, name, std::move(function));
    if (auto it = m_windows.find(name); it != m_windows.end() && it->second) {
        // The replaced window goes away: nothing may keep pointing at it.
        cWindow* old = it->second.get();
        std::erase_if(m_queue, [old](const cQueuedEvent& e) { return e.window == old; });
        std::erase_if(m_shown, [old](const auto& w) { return w.get() == old; });
    }
    m_windows[name] = window;
    window->SendEvent(kWndCreated);
    return window.get();
}

bool cGUI::HasWnd(const std::u16string& name) const {
    return m_windows.count(name) != 0;
}

cWindow* cGUI::GetWnd(const std::u16string& name) {
    return m_windows[name].get();
}

bool cGUI::OnShownStack(const cWindow* window) const {
    return std::any_of(m_shown.begin(), m_shown.end(),
                       [window](const auto& w) { return w.get() == window; });
}

void cGUI::SendDownToModal(const std::vector<std::shared_ptr<cWindow>>& windows, int kind) {
    for (auto w = windows.rbegin(); w != windows.rend(); ++w) {
        // An earlier handler of this walk may have hidden it.
        if (!OnShownStack(w->get()))
            continue;
        (*w)->SendEvent(kind);
        if ((*w)->modal)
            break;
    }
}

void cGUI::ShowWnd(const std::u16string& name) {
    const auto it = m_windows.find(name);
    if (it == m_windows.end()) {
        LogEntry(kLogWarning, u"cGUI", u"Window with name '%s' not found!", name);
        return;
    }
    if (!it->second) {
        LogEntry(kLogWarning, u"cGUI", u"Window with name '%s' not found! After checking!!!", name);
        return;
    }
    std::shared_ptr<cWindow> window = it->second;
    // A copy: the windows told of the new modal one may show or hide windows.
    if (window->modal)
        SendDownToModal(std::vector(m_shown), kWndDeactivated);
    if (!OnShownStack(window.get()))
        m_shown.push_back(window);
    window->SendEvent(kWndShown);
    // Its own handler may have hidden it again at once.
    if (OnShownStack(window.get()))
        window->SendEvent(kWndActivated);
}

void cGUI::HideWnd(const std::u16string& name) {
    const auto it = m_windows.find(name);
    if (it == m_windows.end() || !it->second)
        return;
    std::shared_ptr<cWindow> window = it->second;
    // A window that closes itself whenever it is deactivated asks again from
    // inside this call: the call already running finishes the job.
    if (!OnShownStack(window.get()) || IsHiding(window.get()))
        return;
    m_hiding.push_back(window.get());
    window->SendEvent(kWndDeactivated);
    if (window->modal) {
        // The handlers may have changed the stack: the windows below it now.
        const auto pos = std::find(m_shown.begin(), m_shown.end(), window);
        if (pos != m_shown.end())
            SendDownToModal(std::vector(m_shown.begin(), pos), kWndActivated);
    }
    window->SendEvent(kWndHidden);
    std::erase(m_shown, window);
    std::erase(m_hiding, window.get());
}

bool cGUI::IsHiding(const cWindow* window) const {
    return std::find(m_hiding.begin(), m_hiding.end(), window) != m_hiding.end();
}

bool cGUI::IsWndShown(const std::u16string& name) const {
    const auto it = m_windows.find(name);
    return it != m_windows.end() && it->second && OnShownStack(it->second.get());
}

void cGUI::CloseWnd(const std::u16string& name) {
    const auto it = m_windows.find(name);
    if (it != m_windows.end() && it->second)
        it->second->SendEvent(kWndCloseRequested);
}

void cGUI::PostEvent(int kind, cWindow* window, int param1, int param2) {
    if (window)
        m_queue.push_back({kind, window, param1, param2});
}

void cGUI::Tick(float seconds) {
    while (!m_queue.empty()) {
        const cQueuedEvent e = m_queue.front();
        m_queue.pop_front();
        e.window->SendEvent(e.kind, e.param1, e.param2);
    }
    const int ms = static_cast<int>(seconds * 1000.0f);
    for (auto w = m_shown.rbegin(); w != m_shown.rend(); ++w) {
        m_queue.push_back({kWndTick, w->get(), ms, 0});
    }
    g_caretClock += seconds;
    if (g_caretClock > 0.5f) {
        g_caretClock = 0.0f;
        caretOn = !caretOn;
    }
}

void cGUI::Draw() {
    if (g_render) {
        g_render->Begin2D(virtualWidth, virtualHeight, true);
        g_render->SetBlend(kBlendAlpha, 0.05f);
    }
    // A copy: a draw handler may show or hide windows.
    const auto shown = m_shown;
    for (const auto& window : shown) {
        if (OnShownStack(window.get()))
            window->SendEvent(kWndDraw);
    }
    if (cSpriteBatch* batch = GuiBatch()) {
        FlushBatch(batch);
        batch->Clear();
    }
    if (g_render)
        g_render->End2D();
    if (pointerVisible)
        DrawPointer();
}

void cGUI::DrawPointer() {
    cSpriteBatch* batch = GuiBatch();
    if (!pointer.texture || !batch || screenWidth <= 0 || screenHeight <= 0)
        return;
    float x = pointer.x;
    float y = pointer.y;
    if (pointer.align & kAlignRight) {
        x -= pointer.width;
    } else if (pointer.align & kAlignCenter) {
        x -= pointer.width / 2;
    }
    if (pointer.align & kAlignTop) {
        y -= pointer.height;
    } else if (pointer.align & kAlignMiddle) {
        y -= pointer.height / 2;
    }
    if (g_render) {
        g_render->Begin2D(static_cast<float>(screenWidth), static_cast<float>(screenHeight), false);
    }
    DrawSprite(batch, pointer.texture, {0, 0, 1, 1}, {x, y, pointer.width, pointer.height},
               kOpaqueWhite);
    FlushBatch(batch);
    batch->Clear();
    if (g_render)
        g_render->End2D();
}

bool cGUI::RouteInput(int kind, int param1, int param2) {
    // A copy: a handler may show or hide windows; one it hid hears no more.
    const auto shown = m_shown;
    for (auto w = shown.rbegin(); w != shown.rend(); ++w) {
        cWindow* window = w->get();
        if (!OnShownStack(window))
            continue;
        if (window->active && window->SendEvent(kind, param1, param2) == 1)
            return true;
        if (window->modal)
            return true;
    }
    return false;
}

bool cGUI::KeyDown(int key) {
    return RouteInput(kWndKeyDown, key, 0);
}

bool cGUI::Char(int ch) {
    return RouteInput(kWndChar, ch, 0);
}

bool cGUI::MouseMove(int x, int y) {
    if (pointerVisible) {
        pointer.x = static_cast<float>(x);
        pointer.y = static_cast<float>(screenHeight - y);
    }
    if (m_shown.empty() && !pointerVisible)
        return false;
    ToVirtual(x, y);
    return RouteInput(kWndMouseMove, 0, PackPosition(x, y));
}

bool cGUI::MouseDown(int x, int y, int button) {
    ToVirtual(x, y);
    const int kind = button == 0 ? kWndLeftDown : button == 1 ? kWndMiddleDown : 0;
    return RouteInput(kind, 0, PackPosition(x, y));
}

bool cGUI::MouseUp(int x, int y, int button) {
    ToVirtual(x, y);
    const int kind = button == 0 ? kWndLeftUp : button == 1 ? kWndMiddleUp : 0;
    return RouteInput(kind, 0, PackPosition(x, y));
}

void cGUI::LocaleChanged() {
    for (auto& [name, window] : m_windows) {
        if (window)
            window->SendEvent(kWndLocaleChanged);
    }
}

void cGUI::ToVirtual(int& x, int& y) const {
    const int W = screenWidth;
    const int H = screenHeight;
    if (W == 0 || H == 0)
        return;
    const int VW = static_cast<int>(virtualWidth);
    const int VH = static_cast<int>(virtualHeight);
    const int W43 = 4 * H / 3;
    if (W43 < W)
        x -= (W - W43) / 2;
    x = x * VW / W;
    y = VH - y * VH / H;
    if (W43 < W)
        x = x * W / W43;
}

void cGUI::GetCursorClientPos(int* x, int* y) const {
    if (m_cursorSource) {
        m_cursorSource(x, y);
    } else {
        qor::GetCursorClientPos(x, y);
    }
}

void cGUI::GetCursorVirtualPos(int* x, int* y) const {
    int cx = 0, cy = 0;
    GetCursorClientPos(&cx, &cy);
    ToVirtual(cx, cy);
    if (x)
        *x = cx;
    if (y)
        *y = cy;
}

void cGUI::SetScreen(int x, int y, int width, int height) {
    screenX = x;
    screenY = y;
    screenWidth = width;
    screenHeight = height;
}

}  // namespace qor
