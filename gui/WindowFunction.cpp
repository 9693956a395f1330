#include "gui/WindowFunction.h"

#include "app/Game.h"
#include "engine/Render.h"
#include "engine/SpriteBatch.h"
#include "engine/StringTable.h"
#include "gui/Ctrl.h"
#include "gui/GUI.h"
#include "gui/Window.h"

namespace qor {

namespace {

bool TakesPart(const cCtrl* control) {
    return control && control->TakesPart();
}

void FlushGuiBatch() {
    if (cSpriteBatch* batch = GuiBatch()) {
        FlushBatch(batch);
        batch->Clear();
    }
}

int OnTick(cWindow* window, int param1, int param2) {
    // By index: a handler may add controls, which moves the vector.
    for (int i = 0; i < window->ControlCount(); ++i) {
        cCtrl* control = window->ControlAt(i);
        if (TakesPart(control))
            control->OnEvent(kWndTick, param1, param2);
    }
    if (window->hoverTimer >= 0.0f) {
        window->hoverTimer -= static_cast<float>(param1) / 1000.0f;
        if (window->hoverTimer <= 0.0f) {
            window->hoverTimer = -1.0f;
            if (window->hovered) {
                window->SendEvent(kWndHoverTimeout, 0, window->hovered->GetIndex());
            }
        }
    }
    return 0;
}

int OnKey(cWindow* window, int kind, int param1, int param2) {
    cCtrl* focused = window->focused;
    if (!TakesPart(focused))
        return 0;
    return focused->OnEvent(kind, param1, param2) == 0 ? 1 : 0;
}

int OnMouseMove(cWindow* window, int param1, int param2) {
    const float x = static_cast<float>(UnpackX(param2));
    const float y = static_cast<float>(UnpackY(param2));
    cCtrl* hit = nullptr;
    for (int i = window->ControlCount() - 1; i >= 0; --i) {
        cCtrl* control = window->ControlAt(i);
        if (TakesPart(control) && control->HitTest(x, y)) {
            hit = control;
            break;
        }
    }
    cCtrl* old = window->hovered;
    if (hit != old) {
        // The new hover is in place before the controls hear of it: their
        // handlers may cover this window with a modal one, and the
        // deactivation that follows must clear this hover, not be undone by it.
        window->hoverTimer = hit ? 0.5f : -1.0f;
        window->hovered = hit;
        if (TakesPart(old))
            old->OnEvent(kWndPointerLeave, 0, 0);
        if (window->hovered == hit && TakesPart(hit))
            hit->OnEvent(kWndPointerEnter, 0, 0);
    }
    int consumed = 0;
    cCtrl* hovered = window->hovered;
    if (TakesPart(hovered))
        consumed = hovered->OnEvent(kWndMouseMove, param1, param2) == 0;
    // A dragged slider keeps following the pointer after leaving it.
    cCtrl* focused = window->focused;
    if (focused && focused != hovered && TakesPart(focused)) {
        focused->OnEvent(kWndMouseMove, param1, param2);
    }
    return consumed;
}

int OnLeftDown(cWindow* window, int param1, int param2) {
    cCtrl* hovered = window->hovered;
    if (!hovered || hovered->HasFlag(kCtrlDisabled))
        return 0;
    if (TakesPart(hovered) && hovered->OnEvent(kWndLeftDown, param1, param2) == 0) {
        // Unless the press deactivated this window (a toolbar command that opens
        // a modal window): then nothing here should hold the keyboard.
        if (window->hovered == hovered)
            SetFocusCtrl(window, hovered);
        return 1;
    }
    return 0;
}

int OnLeftUp(cWindow* window, int param1, int param2) {
    cCtrl* hovered = window->hovered;
    if (TakesPart(hovered))
        hovered->OnEvent(kWndLeftUp, param1, param2);
    cCtrl* focused = window->focused;
    if (focused && focused != hovered && TakesPart(focused)) {
        focused->OnEvent(kWndLeftUp, param1, param2);
    }
    return 0;
}

void OnActivated(cWindow* window) {
    int x = 0, y = 0;
    if (window->gui) {
        window->gui->GetCursorClientPos(&x, &y);
        window->gui->ToVirtual(x, y);
    }
    window->SendEvent(kWndMouseMove, 0, PackPosition(x, y));
}

void OnDeactivated(cWindow* window) {
    SetFocusCtrl(window, nullptr);
    if (TakesPart(window->hovered))
        window->hovered->OnEvent(kWndPointerLeave, 0, 0);
    window->hovered = nullptr;
    window->hoverTimer = -1.0f;
}

void OnLocaleChanged(cWindow* window) {
    for (int i = 0; i < window->ControlCount(); ++i) {
        cCtrl* control = window->ControlAt(i);
        const std::u16string key = control->GetText();
        // The stored text keeps the key, so the next change translates again.
        if (!key.empty() && key[0] == u'[')
            control->SetText(GetLocalizedText(key));
    }
}

}  // namespace

void cWindowFunction::DrawControls(cWindow* window) {
    for (int i = 0; i < window->ControlCount(); ++i) {
        cCtrl* control = window->ControlAt(i);
        if (control->HasFlag(kCtrlVisible))
            control->Draw();
    }
}

void cWindowFunction::DrawControlsFaded(cWindow* window, float alpha, float scale) {
    cSpriteBatch* batch = GuiBatch();
    if (!batch)
        return;
    FlushBatch(batch);
    batch->Clear();
    DrawControls(window);
    const float cx = window->gui ? window->gui->virtualWidth / 2 : 512.0f;
    const float cy = window->gui ? window->gui->virtualHeight / 2 : 384.0f;
    if (scale != 1.0f) {
        const int end = batch->VertexEnd();
        for (int i = 0; i < end; ++i) {
            cVertex& v = batch->vertices[static_cast<size_t>(i)];
            v.x = cx + (v.x - cx) * scale;
            v.y = cy + (v.y - cy) * scale;
        }
    }
    if (g_render)
        g_render->SetColor(PackColor(1.0f, 1.0f, 1.0f, alpha));
    FlushBatch(batch);
    batch->Clear();
    if (g_render)
        g_render->SetColor(kOpaqueWhite);
}

int cWindowFunction::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (!window)
        return 0;
    switch (kind) {
        case kWndDraw:
            DrawControls(window);
            FlushGuiBatch();
            return 0;
        case kWndTick:
            return OnTick(window, param1, param2);
        case kWndKeyDown:
        case kWndChar:
            return OnKey(window, kind, param1, param2);
        case kWndMouseMove:
            return OnMouseMove(window, param1, param2);
        case kWndLeftDown:
            return OnLeftDown(window, param1, param2);
        case kWndLeftUp:
            return OnLeftUp(window, param1, param2);
        case kWndCloseRequested:
            // The plain function closes at once; screens that fade out override this.
            if (window->gui)
                window->gui->HideWnd(window->name);
            return 0;
        case kWndActivated:
            OnActivated(window);
            return 0;
        case kWndDeactivated:
            OnDeactivated(window);
            return 0;
        case kWndLocaleChanged:
            OnLocaleChanged(window);
            return 0;
        default:
            return 0;
    }
}

}  // namespace qor
