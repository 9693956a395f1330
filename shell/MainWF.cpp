#include "shell/MainWF.h"

#include "engine/FormatString.h"
#include "engine/StringTable.h"
#include "shell/Garden.h"
#include "shell/ProfileNames.h"
#include "shell/ScreenControls.h"
#include "world/MapWidget.h"
#include "world/Point.h"

using namespace qor;

int cMainWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_middle) {
        switch (kind) {
            case kWndFilled:
                profileLabel = FindScreenControl(window, u"lbProfile");
                break;
            case kWndActivated: {
                const std::u16string name = g_middle->GetCurrentPlayerName();
                if (name.empty()) {
                    g_middle->ShowScreenWindow(u"profile_new", 1);
                } else if (profileLabel) {
                    profileLabel->SetText(Format(GetLocalizedText(profileLabel->GetText()),
                                                 {ProfileNameForDisplay(name)}));
                }
                break;
            }
            case kWndKeyDown:
                if (param1 == kKeyEscape) {
                    ClickCtrl(window, u"btExit");
                    return 1;
                }
                break;
            case kWndCommand: {
                const std::u16string name = CommandName(window, param2);
                if (name == u"btProfile") {
                    g_middle->ShowScreenWindow(u"profile_select", 1);
                } else if (name == u"btOptions") {
                    g_middle->ShowScreenWindow(u"options", 1);
                } else if (name == u"btHelp") {
                    g_middle->ShowScreenWindow(u"help", 1);
                } else if (name == u"btExit") {
                    PostQuitRequest();
                }
                break;
            }
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}

int cMainGDWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_garden) {
        if (kind == kWndKeyDown && (param1 == kKeyEnter || param1 == kKeySpace)) {
            OnEvent(window, kWndCommand, 0, IndexOfCtrl(window, u"btStart"));
            return 1;
        }
        if (kind == kWndCommand) {
            const std::u16string name = CommandName(window, param2);
            if (name == u"btStart" && g_garden->StartDevelopmentLevel()) {
                // A level picked for development plays at once.
            } else if (name == u"btStart") {
                // A profile that has not finished the first level sees the
                // opening story first, once the game has its comics.
                const int firstMedal = g_garden->mapWidget ? g_garden->mapWidget->GetMedal(0) : 0;
                const bool story = firstMedal <= kMedalOpen && g_garden->comicsWidget;
                g_garden->SwitchScreen(story ? u"comics_start" : u"map", u"menu");
            } else if (name == u"btExit") {
                g_garden->ShowMessageBox(3, 2, GetLocalizedText(u"ConfirmExitGame"), u"exit_game");
                // Straight to the base: the generic menu would quit at once.
                return cBaseWF::OnEvent(window, kind, param1, param2);
            }
        }
    }
    return cMainWF::OnEvent(window, kind, param1, param2);
}
