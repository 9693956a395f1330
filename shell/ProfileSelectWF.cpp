#include "shell/ProfileSelectWF.h"

#include "engine/FormatString.h"
#include "engine/StringTable.h"
#include "gui/ListSysCtrl.h"
#include "gui/MessageBoxWF.h"
#include "gui/SliderCtrl.h"
#include "shell/Garden.h"
#include "shell/ProfileNames.h"
#include "shell/ScreenControls.h"

using namespace qor;

void cProfileSelectWF::Rebuild(cWindow* window) {
    profileList->Clear();
    int i = 0;
    for (cPlayerBase* player = g_garden->FirstPlayer(); player; player = g_garden->NextPlayer()) {
        profileList->AddItem(i, ProfileNameForDisplay(player->GetName()), 0);
        if (player == g_garden->currentPlayer) {
            profileList->SetSelected(i, true, false);
            profileList->EnsureVisible(i);
        }
        ++i;
    }
    profileSlider->SetMinMax(0.0f, static_cast<float>(profileList->GetCount() - 1));
    profileSlider->SetValue(profileSlider->GetMax() -
                            static_cast<float>(profileList->GetFirstVisible()));
    // A scroll bar with nothing to scroll would be a control that does nothing.
    profileSlider->Show(profileList->GetCount() > profileList->GetVisibleCount());
    if (profileList->GetCount() == 0)
        ClickCtrl(window, u"btAdd");
}

void cProfileSelectWF::AskToDelete() {
    cMessageBoxWF* box = g_garden->messageBox;
    if (!box)
        return;
    if (profileList->GetCount() < 2) {
        box->SetImages(u"icon_error", u"icon_head");
        box->SetText(GetLocalizedText(u"ErrorOnePlayer"), GetLocalizedText(u"Error"));
        box->SetButtons(GetLocalizedText(u"Ok"), u"");
        box->SetId(u"");
        g_garden->ShowScreenWindow(u"messagebox", 1);
        return;
    }
    const int selected = profileList->FindSelected(0);
    const cPlayerBase* player = g_garden->GetPlayerAt(selected);
    if (selected >= profileList->GetCount() || !player)
        return;
    box->SetImages(u"icon_warning", u"icon_head");
    box->SetText(Format(GetLocalizedText(u"ConfirmDeletePlayer"),
                        {ProfileNameForDisplay(player->GetName())}),
                 GetLocalizedText(u"Warning"));
    box->SetButtons(GetLocalizedText(u"Yes"), GetLocalizedText(u"No"));
    box->SetId(Format(u"delete=%i", {static_cast<int32_t>(selected)}));
    g_garden->ShowScreenWindow(u"messagebox", 1);
}

void cProfileSelectWF::DeleteConfirmed(int index) {
    if (index < 0 || index >= profileList->GetCount())
        return;
    // By position: two profiles may carry names equal but for case, and a
    // name would pick the first of them.
    const int next = index == 0 ? 1 : index - 1;
    if (!g_garden->GetPlayerAt(next) || !g_garden->GetPlayerAt(index))
        return;
    profileList->SetSelected(next, true, false);
    g_garden->SelectPlayerAt(next);
    g_garden->DeletePlayerAt(index);
    profileList->RemoveItem(index);
}

int cProfileSelectWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    // Until the window was filled there is nothing to act on.
    const bool filled = profileList && profileSlider;
    if (window && IsReady() && g_garden && (filled || kind == kWndFilled)) {
        switch (kind) {
            case kWndFilled:
                profileList = FindScreenControl<cListSysCtrl>(window, u"lstProfile");
                profileSlider = FindScreenControl<cSliderCtrl>(window, u"slProfile");
                if (!profileList || !profileSlider)
                    return ReportError(window, u"List or Slider not found");
                break;
            case kWndActivated:
                Rebuild(window);
                break;
            case kWndSlider:
                if (window->ControlAt(param2) == profileSlider)
                    profileList->SetFirstVisible(static_cast<int>(profileSlider->GetMax()) -
                                                 param1);
                break;
            case kWndKeyDown:
                if (param1 == kKeyEscape) {
                    if (profileList->FindSelected(0) < profileList->GetCount())
                        g_garden->ShowScreenWindow(u"main", 1);
                    return 1;
                }
                if (param1 == kKeyEnter) {
                    ClickCtrl(window, u"btOk");
                    return 1;
                }
                break;
            case kWndCommand: {
                const std::u16string name = CommandName(window, param2);
                if (name == u"btAdd") {
                    g_garden->ShowScreenWindow(u"profile_add", 1);
                } else if (name == u"btDelete") {
                    AskToDelete();
                } else if (name == u"btOk") {
                    const int selected = profileList->FindSelected(0);
                    if (g_garden->GetPlayerAt(selected)) {
                        g_garden->SelectPlayerAt(selected);
                        g_garden->ShowScreenWindow(u"main", 1);
                    }
                }
                break;
            }
            case kWndDeleteConfirmed:
                DeleteConfirmed(param1);
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
