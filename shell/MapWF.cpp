#include "shell/MapWF.h"

#include "engine/Log.h"
#include "engine/StringTable.h"
#include "shell/Garden.h"
#include "shell/ScreenControls.h"
#include "world/MapWidget.h"

using namespace qor;

namespace {

constexpr std::u16string_view kSender = u"cMapWF";

void PlayChosenLevel() {
    const int level = g_garden->mapWidget ? g_garden->mapWidget->GetCurrentLevel() : 0;
    if (!HasLevelFile(level)) {
        LogEntry(kLogWarning, kSender, u"Level %i has no level file yet; the map stays", level + 1);
        g_garden->ShowMessageBox(1, 0, GetLocalizedText(u"LevelNotReady"), u"level_not_ready");
        return;
    }
    g_garden->SwitchScreen(u"level", u"map");
}

}  // namespace

bool HasLevelFile(int index) {
    // An empty buffer is the stand-in the game adds when it found no level.
    return g_garden && index >= 0 && static_cast<size_t>(index) < g_garden->levels.size() &&
           !g_garden->levels[static_cast<size_t>(index)].empty();
}

int cMapWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && kind == kWndFilled &&
        (!FindScreenControl(window, u"play") || !FindScreenControl(window, u"back")))
        ReportError(window, u"Some controls not found");
    if (window && IsReady() && g_garden) {
        if (kind == kWndKeyDown && (param1 == kKeyEnter || param1 == kKeySpace)) {
            ClickCtrl(window, u"play");
            return 1;
        }
        if (kind == kWndKeyDown && param1 == kKeyEscape) {
            ClickCtrl(window, u"back");
            return 1;
        }
        if (kind == kWndCommand) {
            const std::u16string name = CommandName(window, param2);
            if (name == u"play")
                PlayChosenLevel();
            else if (name == u"back")
                g_garden->SwitchScreen(u"menu", u"map");
            cBaseWF::OnEvent(window, kind, param1, param2);
            return 1;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
