#include "gui/MessageBoxWF.h"

#include <string>

#include "app/Game.h"
#include "engine/Strings.h"
#include "gui/GUI.h"
#include "gui/Window.h"

using namespace qor;

namespace {

constexpr int kKeyEnter = 13;
constexpr int kKeyEscape = 27;
constexpr char16_t kOk[] = u"ok";
constexpr char16_t kCancel[] = u"cancel";

}  // namespace

cCtrl* cMessageBoxWF::Find(const std::u16string& name) const {
    return window ? window->ControlAt(IndexOfCtrl(window, name)) : nullptr;
}

int cMessageBoxWF::SetImages(const std::u16string& image, const std::u16string& icon) {
    if (!window)
        return 1;
    if (cCtrl* c = Find(u"image"))
        c->SetTexture(image, 0);
    if (cCtrl* c = Find(u"icon"))
        c->SetTexture(icon, 0);
    return 0;
}

int cMessageBoxWF::SetText(const std::u16string& text, const std::u16string& title) {
    if (!window)
        return 1;
    if (cCtrl* c = Find(u"title"))
        c->SetText(title);
    if (cCtrl* c = Find(u"text")) {
        c->SetText(text);
        return 0;
    }
    size_t start = 0;
    bool piecesLeft = true;
    for (int i = 0;; ++i) {
        cCtrl* line = Find(u"line" + Widen(std::to_string(i)));
        if (!line)
            break;
        if (!piecesLeft) {
            line->SetText(u"");
            continue;
        }
        const size_t end = text.find(u'\n', start);
        line->SetText(text.substr(start, end == std::u16string::npos ? end : end - start));
        if (end == std::u16string::npos) {
            piecesLeft = false;
        } else {
            start = end + 1;
        }
    }
    return 0;
}

int cMessageBoxWF::SetButtons(const std::u16string& okText, const std::u16string& cancelText) {
    if (!window)
        return 1;
    if (cCtrl* c = Find(kOk))
        c->SetText(okText);
    if (cCtrl* c = Find(kCancel)) {
        if (cancelText.empty()) {
            c->Show(false);
        } else {
            c->Show(true);
            c->SetText(cancelText);
        }
    }
    return 0;
}

int cMessageBoxWF::OnEvent(cWindow* w, int kind, int param1, int param2) {
    if (!w)
        return 0;
    // The modal layer is held once while the box shows, however often it is
    // shown again in place, so that hiding it always releases the level.
    if (kind == kWndShown && !m_counted && g_game) {
        g_game->PushModal();
        m_counted = true;
    } else if (kind == kWndHidden && m_counted) {
        if (g_game)
            g_game->PopModal();
        m_counted = false;
    }
    if (IsReady()) {
        switch (kind) {
            case kWndKeyDown:
                if (param1 == kKeyEnter) {
                    ClickCtrl(w, kOk);
                } else if (param1 == kKeyEscape) {
                    const cCtrl* cancel = w->ControlAt(IndexOfCtrl(w, kCancel));
                    ClickCtrl(w, cancel && cancel->HasFlag(kCtrlVisible) ? kCancel : kOk);
                }
                break;
            case kWndFilled:
                window = w;
                break;
            case kWndCommand:
                // Only a real control closes the box: a shortcut for a button
                // the box does not have does nothing.
                if (w->ControlAt(param2)) {
                    if (w->gui)
                        w->gui->CloseWnd(w->name);
                    if (param2 == IndexOfCtrl(w, kOk)) {
                        result = 0;
                    } else if (param2 == IndexOfCtrl(w, kCancel)) {
                        result = 1;
                    }
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(w, kind, param1, param2);
}
