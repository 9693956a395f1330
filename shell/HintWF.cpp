#include "shell/HintWF.h"

#include <algorithm>

#include "app/Game.h"
#include "engine/StringTable.h"
#include "gui/FrameCtrl.h"
#include "gui/GUI.h"
#include "gui/LabelCtrl.h"
#include "gui/Window.h"
#include "level/LevelView.h"
#include "scene/Object.h"
#include "shell/Middle.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

// A full fade takes 0.2 s.
constexpr float kFadeRate = 5.0f;
constexpr float kAnchoredSeconds = 5.0f;
constexpr float kLooseSeconds = 1.6666666666666667f;
constexpr float kTaskHintSeconds = 10.0f;
constexpr float kScreenWidth = 1024.0f;
constexpr float kScreenHeight = 768.0f;

bool TalkRunning() {
    return g_levelView && g_levelView->IsTalkRunning();
}

cGUI* Gui() {
    return g_game ? g_game->gui() : nullptr;
}

}  // namespace

cHintGDWF* FindHintWindow(const std::u16string& windowName) {
    cGUI* gui = Gui();
    if (!gui || !gui->HasWnd(windowName))
        return nullptr;
    cWindow* found = gui->GetWnd(windowName);
    return found ? dynamic_cast<cHintGDWF*>(found->function.get()) : nullptr;
}

void cHintGDWF::ShowHint(const std::u16string& newText, const cObject* newObject, bool isAnchored,
                         cVec2 offset) {
    if (broken || newText.empty() || TalkRunning())
        return;
    hintText = newText;
    object = newObject;
    anchored = isAnchored;
    offsetX = offset.x;
    offsetY = offset.y;
    // A hint on show fades out first and comes back at its new place once
    // invisible; an invisible one is placed at once.
    if (alpha != 0.0f)
        fade = -1.0f;
    else
        LayoutHint();
    showing = true;
    timer = anchored ? kAnchoredSeconds : kLooseSeconds;
    if (g_middle)
        g_middle->ShowScreenWindow(window->name, 2);
    else if (cGUI* gui = Gui())
        gui->ShowWnd(window->name);
}

void cHintGDWF::ShowHintKey(const std::u16string& key, const cObject* newObject, bool isAnchored,
                            cVec2 offset) {
    ShowHint(GetLocalizedText(key), newObject, isAnchored, offset);
}

void cHintGDWF::RefreshHint() {
    if (alpha == 0.0f || !object)
        return;
    hintText = object->GetHintText();
    if (hintText.empty())
        HideHint();
    else
        LayoutHint();
}

void cHintGDWF::HideHint() {
    showing = false;
    fade = -1.0f;
}

void cHintGDWF::ForgetObject(const cObject* gone) {
    if (!gone || gone != object)
        return;
    object = nullptr;
    HideHint();
}

void cHintGDWF::FitText() {
    if (broken)
        return;
    const cRectF before = text->GetTextRect();
    text->SetText(hintText);
    const cRectF after = text->GetTextRect();
    const float dw = after.w - before.w, dh = after.h - before.h;
    const cRectF f = frame->GetRect();
    frame->SetFrame(f.x, f.y, f.w + dw, f.h + dh, frame->border.x, frame->border.y, 0);
    const cRectF t = text->GetRect();
    text->SetRect(t.x, t.y, t.w + dw, t.h + dh, 0);
}

void cHintGDWF::LayoutHint() {
    if (broken)
        return;
    FitText();
    if (!object)
        return;
    const cRectF f = frame->GetRect();
    const cVec2 point = object->GetHintAnchor();
    const float ax = point.x + offsetX, ay = point.y + offsetY;
    // Beside the anchor, up and to the right; on the other side of it where
    // the screen ends.
    float x = ax + f.w / 3.0f, y = ay + f.h / 3.0f;
    if (x + f.w > kScreenWidth)
        x = ax - f.w / 3.0f - f.w;
    if (y + f.h > kScreenHeight)
        y = ay - f.h / 3.0f - f.h;
    MoveWnd(window, x - home.x, y - home.y);
}

int cHintGDWF::OnEvent(cWindow* w, int kind, int param1, int param2) {
    if (!w)
        return 0;
    switch (kind) {
        case kWndFilled:
            window = w;
            frame = FindScreenControl<cFrameCtrl>(w, u"frame");
            text = FindScreenControl<cLabelCtrl>(w, u"text");
            broken = !frame || !text;
            if (frame)
                home = frame->GetRect();
            break;
        case kWndTick: {
            const float seconds = static_cast<float>(param1) / 1000.0f;
            alpha = std::min(alpha + kFadeRate * seconds * fade, 1.0f);
            if (alpha <= 0.0f) {
                alpha = 0.0f;
                fade = 1.0f;
                if (showing) {
                    LayoutHint();
                } else if (cGUI* gui = w->gui) {
                    gui->HideWnd(w->name);
                    return 0;
                }
            }
            if (timer > 0.0f) {
                timer -= seconds;
                if (timer <= 0.0f) {
                    timer = 0.0f;
                    HideHint();
                }
            }
            break;
        }
        case kWndDraw:
            if (alpha < 1.0f) {
                DrawControlsFaded(w, alpha, 1.0f);
                return 0;
            }
            break;
        case kWndHidden:
            // Closed with the other windows or faded away: the next hint
            // starts from nothing.
            alpha = 0.0f;
            fade = 1.0f;
            showing = false;
            timer = 0.0f;
            object = nullptr;
            break;
        default:
            break;
    }
    return cWindowFunction::OnEvent(w, kind, param1, param2);
}

void cHintTaskGDWF::LayoutHint() {
    if (!broken)
        text->SetText(hintText);
}

void cHintTaskGDWF::ShowTaskHint(const std::u16string& newText) {
    ShowHint(newText, nullptr, false, {0.0f, 0.0f});
    if (showing)
        timer = kTaskHintSeconds;
}
