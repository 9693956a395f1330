#include "engine/LoadingWidget.h"

#include "app/Game.h"
#include "engine/LiveHandles.h"
#include "engine/LoadData.h"
#include "engine/Log.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/TextureCache.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "gui/WindowFunction.h"
#include "gui/WindowScript.h"

namespace qor {

cLoadingWidget* g_loadingWidget = nullptr;
int g_loadingStep = 0;

namespace {

constexpr int kFramesPerLabelledItem = 6;

void SetClearColorArgb(uint32_t argb) {
    auto channel = [argb](int shift) {
        return static_cast<float>((argb >> shift) & 0xFF) / 255.0f;
    };
    g_render->SetClearColor(channel(16), channel(8), channel(0), 1.0f);
}

// The window's first control of that name, without a log line when there is none.
cCtrl* OptionalControl(cWindow* window, const std::u16string& name) {
    return window ? window->ControlAt(IndexOfCtrl(window, name)) : nullptr;
}

}  // namespace

cLoadData* CurrentLoadData() {
    return g_loadingWidget ? g_loadingWidget->current() : nullptr;
}

cLoadingWidget::cLoadingWidget(cGameObject* gameObject)
    : cWidget(kLoadingWidgetName), game(gameObject) {
    g_loadingWidget = this;
    // The screen's own pictures, at once: it shows before anything is queued.
    for (const char16_t* picture : {u"{StaticPath}/texture/system/gui_loading.jpg",
                                    u"{StaticPath}/texture/system/gui_loading_progress.jpg"}) {
        const cPath path(picture);
        if (const int code = LoadTexture(path); code != 0)
            LogEntry(kLogWarning, u"cLoadingWidget", u"Cannot load '%s' (%i)", path.full, code);
    }
    CreateWindowFromScript(kLoadingWidgetName, std::make_unique<cWindowFunction>(),
                           cPath(u"{StaticPath}/gui/game_loading.lua"));
}

cLoadingWidget::~cLoadingWidget() {
    if (!queue.empty() || m_current) {
        LogEntry(kLogWarning, u"cLoadingWidget", u"~cLoadingWidget: not all data was loaded.");
    }
    m_current.reset();
    queue.clear();
    SetFullSpeed(false);
    if (g_loadingWidget == this)
        g_loadingWidget = nullptr;
}

void cLoadingWidget::Add(cLoadData* item) {
    if (!item)
        return;
    queue.emplace_back(item);
    queued = static_cast<int>(queue.size());
    total = static_cast<float>(queue.size());
}

cProgressBarSysCtrl* cLoadingWidget::LiveProgress() const {
    const cCtrl* control = progress;
    return control && cLiveHandles<cCtrl>::Find(control) ? progress : nullptr;
}

void cLoadingWidget::SetFullSpeed(bool on) {
    if (g_game && (on || m_fullSpeed))
        g_game->fullSpeed = on;
    m_fullSpeed = on;
}

cCtrl* cLoadingWidget::LiveLabel() const {
    return cLiveHandles<cCtrl>::Find(label);
}

void cLoadingWidget::OnFocus() {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    cWindow* window = gui ? gui->GetWnd(kLoadingWidgetName) : nullptr;
    progress = nullptr;
    label = nullptr;
    if (window) {
        cCtrl* control = OptionalControl(window, u"progress");
        progress = dynamic_cast<cProgressBarSysCtrl*>(control);
        if (!progress) {
            LogEntry(kLogWarning, u"cLoadingWidget",
                     control ? u"The control 'progress' of window '%s' is not a progress bar"
                             : u"The window '%s' has no control 'progress'",
                     kLoadingWidgetName);
        }
        if (progress)
            progress->SetProgress(0.0f);
        label = OptionalControl(window, u"label");
        gui->ShowWnd(kLoadingWidgetName);
    }
    RunFile(cPath(u"{StaticPath}/conf/loading.lua"));
    done = 0.0f;
    notify = true;
    // Without a label nobody has to read anything: frames may run back to back.
    SetFullSpeed(!label);
}

void cLoadingWidget::OnUnfocus() {
    SetFullSpeed(false);
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (gui && gui->HasWnd(kLoadingWidgetName)) {
        if (cWindow* window = gui->GetWnd(kLoadingWidgetName))
            window->SendEvent(kWndCloseRequested);
    }
}

void cLoadingWidget::Update(float /*seconds*/) {
    if (queue.empty() && !m_current) {
        SetFullSpeed(false);
        if (notify) {
            // Cleared first: the game object may change the focus right away.
            notify = false;
            if (game)
                game->OnEndLoading();
        }
        return;
    }
    cCtrl* liveLabel = LiveLabel();
    if (liveLabel && m_current) {
        // Kept below six so that it never overflows in a long session.
        g_loadingStep = (g_loadingStep + 1) % kFramesPerLabelledItem;
        if (g_loadingStep != 0)
            return;
    }
    if (m_current) {
        m_current->Load();
        m_current.reset();
        return;
    }
    m_current = std::move(queue.front());
    queue.pop_front();
    queued = static_cast<int>(queue.size());
    if (liveLabel)
        liveLabel->SetText(m_current->path.full);
    if (cProgressBarSysCtrl* bar = LiveProgress())
        bar->SetProgress(total > 0.0f ? done / total : 0.0f);
    done += 1.0f;
}

void cLoadingWidget::Draw() {
    if (g_render) {
        SetClearColorArgb(game ? game->backColor : 0xFF000000u);
        g_render->Clear();
        g_render->SetColor(0xFFFFFFFFu);
    }
    cWidget::Draw();
}

}  // namespace qor
