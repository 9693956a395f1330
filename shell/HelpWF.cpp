#include "shell/HelpWF.h"

#include "shell/Middle.h"
#include "shell/ScreenControls.h"

using namespace qor;

int cHelpWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady() && g_middle) {
        if (kind == kWndKeyDown && (param1 == kKeyEscape || param1 == kKeyEnter)) {
            ClickCtrl(window, u"btClose");
            return 1;
        }
        if (kind == kWndCommand && CommandName(window, param2) == u"btClose")
            g_middle->ShowScreenWindow(u"main", 1);
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
