#include "shell/ProfileAddWF.h"

#include "app/Game.h"
#include "engine/StringTable.h"
#include "gui/EditCtrl.h"
#include "shell/Garden.h"
#include "shell/ProfileNames.h"
#include "shell/ScreenControls.h"

using namespace qor;

void cProfileAddWF::Confirm() {
    const std::u16string name = TrimProfileName(nameEdit ? nameEdit->GetEditText() : u"");
    std::u16string error;
    if (name.empty()) {
        error = GetLocalizedText(u"ErrorEmptyPlayerName");
    } else if (g_garden->FindPlayer(name)) {
        error = GetLocalizedText(u"ErrorPlayerExist");
    }
    if (!error.empty()) {
        g_garden->ShowMessageBox(0, 0, error, u"");
        return;
    }
    if (cancelButton) {
        std::unique_ptr<cPlayerBase> created = g_garden->CreatePlayer(u"");
        if (!created) {
            g_garden->ShowMessageBox(0, 0, GetLocalizedText(u"ErrorNoProfileFolder"), u"");
            return;
        }
        static_cast<cPlayer*>(created.get())->name = name;
        g_garden->AddPlayer(std::move(created), true);
        g_garden->SelectPlayer(name);
        // Selecting writes the new profile; make sure it is on disk even when
        // it was current already (the first profile of a fresh start).
        g_garden->SaveProgress();
        g_garden->ShowScreenWindow(u"profile_select", 1);
    } else {
        if (cPlayer* player = g_garden->GetCurrentPlayer())
            player->name = name;
        g_garden->SaveProgress();
        g_garden->ShowScreenWindow(u"main", 1);
    }
}

int cProfileAddWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_garden) {
        switch (kind) {
            case kWndShown:
                cancelButton = FindScreenControl(window, u"cancel");
                nameEdit = FindScreenControl<cEditCtrl>(window, u"name");
                if (nameEdit) {
                    nameEdit->SetText(GetLocalizedText(u"Player"));
                    SetFocusCtrl(window, nameEdit);
                }
                break;
            case kWndActivated:
                if (nameEdit)
                    SetFocusCtrl(window, nameEdit);
                break;
            case kWndKeyDown:
                if (param1 == kKeyEscape) {
                    ClickCtrl(window, u"cancel");
                    return 1;
                }
                if (param1 == kKeyEnter) {
                    ClickCtrl(window, u"ok");
                    return 1;
                }
                break;
            case kWndChar:
                if (!IsProfileNameChar(static_cast<char16_t>(param1), g_game && g_game->cjkLocale))
                    return 1;
                break;
            case kWndCommand:
                if (CommandName(window, param2) == u"ok") {
                    Confirm();
                } else {
                    g_garden->ShowScreenWindow(cancelButton ? u"profile_select" : u"main", 1);
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
