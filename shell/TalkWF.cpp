#include "shell/TalkWF.h"

#include <algorithm>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/StringTable.h"
#include "gui/GUI.h"
#include "gui/ImageCtrl.h"
#include "gui/Window.h"
#include "level/LevelWidget.h"
#include "level/tables/TalkTable.h"
#include "shell/Garden.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

std::u16string SlotName(const char16_t* stem, int slot) {
    return stem + std::u16string(1, static_cast<char16_t>(u'0' + slot));
}

bool Inside(const cRectF& r, cVec2 p) {
    return p.x >= r.x && p.x < r.x + r.w && p.y >= r.y && p.y < r.y + r.h;
}

}  // namespace

cTalkWF* FindTalkWindow() {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    cWindow* window = gui && gui->HasWnd(u"talk") ? gui->GetWnd(u"talk") : nullptr;
    return window ? dynamic_cast<cTalkWF*>(window->function.get()) : nullptr;
}

void cTalkWF::SetFace(int slot, const std::u16string& speaker) {
    cImageCtrl* face = persons[slot];
    const SpriteName name = GetSpeakerPortrait(speaker);
    const cSpriteInfo sprite =
        name.empty() ? cSpriteInfo{}
                     : GetSpriteInfo(std::u16string(name.texture), std::u16string(name.area));
    if (!sprite.frames) {
        face->Show(false);
        return;
    }
    face->texture = sprite.texture;
    face->uvRect = sprite.frames[0];
    face->Show(true);
}

void cTalkWF::ShowSpeakers(const std::u16string& left, const std::u16string& right) {
    if (broken)
        return;
    for (cImageCtrl* face : persons)
        face->Show(false);
    SetFace(0, left);
    if (!right.empty() && right != left)
        SetFace(1, right);
}

bool cTalkWF::Say(const std::u16string& text, int slot, const std::u16string& speaker) {
    if (broken || slot < 0 || slot >= kSlots)
        return false;
    for (int i = 0; i < kSlots; ++i) {
        frames[i]->Show(false);
        texts[i]->Show(false);
    }
    frames[slot]->Show(true);
    texts[slot]->Show(true);
    texts[slot]->SetText(text + u"\n" + GetLocalizedText(u"ClickToContinue"));
    SetFace(slot, speaker);
    // The trader calls alone: the faces of a finished talk go.
    if (slot == 2) {
        persons[0]->Show(false);
        persons[1]->Show(false);
    } else {
        persons[2]->Show(false);
    }
    bubbleAlpha = 0.0f;
    return g_garden && g_garden->ShowScreenWindow(u"talk", 2);
}

int cTalkWF::SpeakingSlot() const {
    if (broken)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        if (frames[i]->HasFlag(kCtrlVisible))
            return i;
    }
    return -1;
}

int cTalkWF::BubbleAt(cVec2 point) const {
    const int slot = SpeakingSlot();
    return slot >= 0 && Inside(frames[slot]->GetRect(), point) ? slot : -1;
}

void cTalkWF::Draw(cWindow* window) {
    const float shown = transition.current;
    const int slot = SpeakingSlot();
    if (slot < 0 || bubbleAlpha >= 1.0f) {
        DrawControlsFaded(window, shown, 1.0f);
        return;
    }
    // The speaking bubble fades in over what stands still: first everything
    // else, then the bubble and its text alone at their own alpha.
    frames[slot]->Show(false);
    texts[slot]->Show(false);
    DrawControlsFaded(window, shown, 1.0f);
    bool faces[kSlots];
    for (int i = 0; i < kSlots; ++i) {
        faces[i] = persons[i]->HasFlag(kCtrlVisible);
        persons[i]->Show(false);
    }
    frames[slot]->Show(true);
    texts[slot]->Show(true);
    DrawControlsFaded(window, shown * bubbleAlpha, 1.0f);
    for (int i = 0; i < kSlots; ++i)
        persons[i]->Show(faces[i]);
}

int cTalkWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (!window)
        return 0;
    switch (kind) {
        case kWndFilled:
            m_window = window;
            broken = false;
            for (int i = 0; i < kSlots; ++i) {
                persons[i] = FindScreenControl<cImageCtrl>(window, SlotName(u"person", i));
                frames[i] = FindScreenControl<cCtrl>(window, SlotName(u"frame", i));
                texts[i] = FindScreenControl<cCtrl>(window, SlotName(u"text", i));
                broken = broken || !persons[i] || !frames[i] || !texts[i];
            }
            if (broken)
                return ReportError(window, u"some control not found");
            break;
        case kWndTick:
            bubbleAlpha = std::min(bubbleAlpha + static_cast<float>(param1) / 1000.0f, 1.0f);
            break;
        case kWndDraw:
            if (broken)
                return 0;
            Draw(window);
            return 0;
        case kWndLeftDown: {
            if (broken)
                return 0;
            const int slot = SpeakingSlot();
            if (slot < 0 || window->hovered != frames[slot])
                break;
            // The click goes in as the level's own, so that a replay keeps it.
            if (cLevelWidget* level = g_garden ? g_garden->GetLevelWidget() : nullptr)
                level->HandleEvent(kWidgetMouseDown, 0);
            return 1;
        }
        default:
            break;
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
