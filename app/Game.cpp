#include "app/Game.h"

#include <cmath>

#include "app/Widget.h"
#include "engine/Atlas.h"
#include "engine/Console.h"
#include "engine/Font.h"
#include "engine/Localization.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/ScriptTimeLimit.h"
#include "engine/SoundManager.h"
#include "engine/SpriteBatch.h"
#include "engine/StringTable.h"
#include "engine/TextureCache.h"
#include "gui/GUI.h"
#include "gui/Window.h"

namespace qor {

cGame* g_game = nullptr;
float g_tickAccumulator = 0.0f;

namespace {
constexpr int kVirtualWidth = 1024;
constexpr int kVirtualHeight = 768;
constexpr int kSettingsScriptMs = 2000;
const std::u16string kNoWidgetName;

void LogSystemPath(std::u16string_view format, const std::u16string& folder) {
    const cFormatValue value[1] = {folder};
    if (g_log && g_log->console()) g_log->console()->Print(format, value);
    LogText(format, value);
}
}  // namespace

cGame::cGame() {
    m_batch = std::make_unique<cSpriteBatch>();
    m_gui = std::make_unique<cGUI>(static_cast<float>(kVirtualWidth),
                                   static_cast<float>(kVirtualHeight));
    g_game = this;
    g_log = new cLog(kVirtualWidth, kVirtualHeight, kVirtualHeight / 2);

    const cSystemPaths& paths = GetSystemPaths();
    LogEntry(kLogText, u"cGame", u"System paths:");
    LogSystemPath(u"  {ExePath} = %s\n", paths.exePath);
    LogSystemPath(u"  {StaticPath} = %s\n", paths.staticPath);
    LogSystemPath(u"  {AppPath} = %s\n", paths.appPath);
    LogSystemPath(u"  {UserPath} = %s\n", paths.userPath);

    CreateScript();
    CreateRender();
    CreateSoundManager();
    // The player's own file: whatever it holds must not stop the game starting.
    RunFileWithTimeLimit(cPath(u"{AppPath}/conf/settings.lua"), kSettingsScriptMs);
}

cGame::~cGame() {
    focused = nullptr;
    // The game object empties the atlas caches when it goes; without one, here.
    ClearAtlasCaches();
    // Widgets go front to back, while every service still exists.
    for (auto& widget : m_widgets) widget.reset();
    m_widgets.clear();
    DestroyRender();
    DestroyScript();
    DestroySoundManager();
    ClearFontCache();
    ClearTextureCache();
    ClearStringTable();
    m_batch.reset();
    m_gui.reset();
    delete g_log;
    g_log = nullptr;
    g_game = nullptr;
}

void cGame::RegisterWidget(cWidget* widget) { m_widgets.emplace_back(widget); }

void cGame::ForgetWidget(cWidget* widget) {
    if (focused == widget) focused = nullptr;
    for (auto it = m_widgets.begin(); it != m_widgets.end(); ++it) {
        if (it->get() == widget) {
            (void)it->release();  // it is being destroyed by its own owner
            m_widgets.erase(it);
            return;
        }
    }
}

int cGame::DrawFrame() {
    if (g_render) g_render->ResetFrameStats();
    if (focused) {
        focused->Draw();
    } else if (g_render) {
        g_render->SetClearColor(0.0f, 0.25f, 0.25f, 1.0f);
        g_render->Clear();
    }
    if (g_log && g_log->console()) g_log->console()->Draw(frameSeconds);
    if (g_render) g_render->EndFrameStats();
    ++frameCounter;
    return 0;
}

int cGame::UpdateFrame(float seconds) {
    frameSeconds = seconds;
    const bool takesPart = WidgetTakesPart();
    g_tickAccumulator += seconds;
    if (g_tickAccumulator >= kTickSeconds) {
        m_gui->Tick(kTickSeconds);
        if (takesPart) focused->Tick();
        // At most one tick per frame: time beyond it is dropped, not caught up.
        g_tickAccumulator = std::fmod(g_tickAccumulator, kTickSeconds);
    }
    if (takesPart && focused) focused->Update(seconds);
    return 0;
}

int cGame::OnResize(int width, int height) {
    if (g_render) g_render->SetWindowViewport(0, 0, width, height < 1 ? 1 : height);
    m_gui->SetScreen(0, 0, width, height);
    return 0;
}

int cGame::OnKeyDown(int key) {
    if (consoleEnabled && g_log && g_log->console() && g_log->console()->OnKey(key)) return 1;
    if (m_gui->KeyDown(key)) return 1;
    if (WidgetTakesPart()) return focused->OnEvent(kWidgetKeyDown, key);
    return 0;
}

int cGame::OnChar(int ch) {
    if (consoleEnabled && g_log && g_log->console() && g_log->console()->OnChar(ch)) return 1;
    if (m_gui->Char(ch)) return 1;
    if (WidgetTakesPart()) return focused->OnEvent(kWidgetChar, ch);
    return 0;
}

int cGame::OnMouseMove(int x, int y) {
    if (m_gui->MouseMove(x, y)) return 1;
    if (WidgetTakesPart()) return focused->OnEvent(kWidgetMouseMove, y * 65536 + x);
    return 0;
}

int cGame::OnMouseDown(int x, int y, int button) {
    if (m_gui->MouseDown(x, y, button)) return 1;
    if (WidgetTakesPart()) return focused->OnEvent(kWidgetMouseDown, button);
    return 0;
}

int cGame::OnMouseUp(int x, int y, int button) {
    if (m_gui->MouseUp(x, y, button)) return 1;
    if (WidgetTakesPart()) return focused->OnEvent(kWidgetMouseUp, button);
    return 0;
}

void cGame::FocusWidget(const std::u16string& name) {
    if (focused && focused->GetName() == name) {
        LogEntry(kLogWarning, u"cGame", u"Widget with name '%s' is focused already.", name);
        return;
    }
    if (focused) focused->OnUnfocus();
    focused = nullptr;
    for (auto& widget : m_widgets) {
        if (widget && widget->GetName() == name) {
            focused = widget.get();
            modalCount = 0;
            focused->OnFocus();
            LogEntry(kLogText, u"cGame", u"Set focus to widget with name '%s'.", name);
            return;
        }
    }
    LogEntry(kLogWarning, u"cGame", u"Widget with name '%s' not found.", name);
}

const std::u16string& cGame::GetFocusedWidgetName() const {
    return focused ? focused->GetName() : kNoWidgetName;
}

void cGame::SetLocale(const std::u16string& name) { ApplyLocale(name); }

}  // namespace qor
