#include "shell/EscapeWF.h"

#include "app/Game.h"
#include "gui/GUI.h"
#include "shell/Garden.h"
#include "shell/ReplayNote.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

void ReleasePause() {
    if (g_game)
        g_game->PopModal();
}

}  // namespace

int cEscapeWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_middle) {
        if ((kind == kWndKeyDown && param1 == kKeyEscape) || kind == kWndMiddleDown) {
            ClickCtrl(window, u"btResume");
            return 1;
        }
        if (kind == kWndCommand) {
            const std::u16string name = CommandName(window, param2);
            if (name == u"btOptions") {
                g_middle->ShowScreenWindow(u"options", 2);
            } else if (name == u"btExit") {
                PostQuitRequest();
            }
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}

int cEscapeGDWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_garden) {
        if (kind == kWndShown) {
            if (g_game && g_game->modalCount == 0)
                g_game->modalCount = 1;
            PrepareReplayButton(window, u"btReplay");
        } else if (kind == kWndCommand) {
            const std::u16string name = CommandName(window, param2);
            cGUI* gui = window->gui;
            if (name == u"btResume") {
                ReleasePause();
                if (gui)
                    gui->CloseWnd(window->name);
                g_garden->ShowScreenWindow(u"level", 2);
            } else if (name == u"btRestart") {
                ReleasePause();
                g_garden->SetCurrentLevelAgain();
                g_garden->ShowScreenWindow(u"level", 2);
                if (gui)
                    gui->CloseWnd(window->name);
            } else if (name == u"btReplay") {
                SaveReplayFromWindow(window);
            } else if (name == u"btEnd") {
                ReleasePause();
                g_garden->SwitchScreen(u"menu", u"level");
            }
        }
    }
    return cEscapeWF::OnEvent(window, kind, param1, param2);
}
