#include "shell/ComicsWF.h"

#include "shell/Garden.h"
#include "shell/ScreenControls.h"
#include "world/ComicsWidget.h"

using namespace qor;

int cComicsWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && kind == kWndFilled &&
        (!FindScreenControl(window, u"next") || !FindScreenControl(window, u"skip")))
        ReportError(window, u"Some controls not found");
    if (window && IsReady() && g_garden) {
        if (kind == kWndKeyDown && param1 == kKeyEscape) {
            ClickCtrl(window, u"skip");
            return 1;
        }
        if (kind == kWndCommand) {
            const std::u16string name = CommandName(window, param2);
            if (name == u"next" && g_garden->comicsWidget)
                g_garden->comicsWidget->NextPage();
            else if (name == u"skip")
                g_garden->SwitchScreen(u"map", u"comics");
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
