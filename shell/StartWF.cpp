#include "shell/StartWF.h"

#include "app/Game.h"
#include "gui/LabelCtrl.h"
#include "level/LevelClock.h"
#include "level/LevelView.h"
#include "shell/ClockText.h"
#include "shell/Middle.h"
#include "shell/ScreenControls.h"

using namespace qor;

void cStartWF::Brief() {
    if (!goals || !gold || !silver)
        return;
    std::u16string lines;
    const float limit = g_levelView ? g_levelView->GetSilverTime() : 0.0f;
    if (g_levelView) {
        for (const cTask& task : g_levelView->GetTasks())
            lines += task.text + u"\n";
    }
    goals->SetText(lines);
    gold->SetText(LimitText(GoldLimit(limit)));
    silver->SetText(LimitText(limit));
}

void cStartWF::ReleasePause() {
    if (holdsPause && g_game)
        g_game->PopModal();
    holdsPause = false;
}

int cStartWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    // The clock must not run while the player reads the goals. The pause
    // goes with the briefing however it closes, and comes with it even when
    // it is shown again while still fading out.
    if (kind == kWndHidden)
        ReleasePause();
    if (window && kind == kWndShown && !error) {
        Brief();
        if (!holdsPause && g_game && g_game->modalCount == 0) {
            g_game->PushModal();
            holdsPause = true;
        }
    }
    if (window && IsReady()) {
        switch (kind) {
            case kWndFilled:
                goals = FindScreenControl<cLabelCtrl>(window, u"goals");
                gold = FindScreenControl<cLabelCtrl>(window, u"gold");
                silver = FindScreenControl<cLabelCtrl>(window, u"silver");
                if (!goals || !gold || !silver || !FindScreenControl(window, u"close"))
                    ReportError(window, u"Some controls not found");
                break;
            case kWndKeyDown:
                if (IsOneButtonKey(param1)) {
                    ClickCtrl(window, u"close");
                    return 1;
                }
                break;
            case kWndCommand:
                if (CommandName(window, param2) == u"close") {
                    ReleasePause();
                    if (g_middle)
                        g_middle->ShowScreenWindow(u"level", 2);
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
