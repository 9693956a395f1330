#include "shell/LevelWF.h"

#include "engine/Atlas.h"
#include "engine/FormatString.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "level/LevelClock.h"
#include "level/LevelView.h"
#include "level/TaskPanel.h"
#include "shell/Garden.h"
#include "shell/HintWF.h"
#include "shell/ScreenControls.h"
#include "level/tables/ResourceTable.h"

using namespace qor;

namespace {

constexpr std::u16string_view kTaskLinePrefix = u"frame_task";
constexpr char16_t kTaskHintWindow[] = u"hint_task";
// The numbers are written ten times a second at most, however fast the goods
// come and go.
constexpr float kRefreshSeconds = 0.1f;

// Each resource's picture from the game's resource icons, so that a new icon
// set needs no change of the window script.
void SetResourceIcon(cWindow* window, int index) {
    const std::u16string name(GetResourceName(index));
    auto* image = FindScreenControl<cImageCtrl>(window, u"image_" + name);
    if (!image)
        return;
    const cSpriteInfo sprite = GetSpriteInfo(std::u16string(kResourceIconTexture), name);
    image->texture = sprite.texture;
    if (sprite.frames)
        image->uvRect = sprite.frames[0];
}

}  // namespace

int TaskLineOfControl(const std::u16string& controlName) {
    if (!std::u16string_view(controlName).starts_with(kTaskLinePrefix))
        return -1;
    // The rest reads as a number; what is not a digit ends it.
    int line = 0;
    for (size_t i = kTaskLinePrefix.size(); i < controlName.size(); ++i) {
        const char16_t c = controlName[i];
        if (c < u'0' || c > u'9' || line > 1000)
            break;
        line = line * 10 + (c - u'0');
    }
    return line;
}

void ShowTaskLineHint(int line) {
    if (!g_levelView || line < 0 || line >= kTaskSlotCount)
        return;
    const int task = g_levelView->GetSlotTask(line);
    if (task < 0)
        return;
    auto* hint = dynamic_cast<cHintTaskGDWF*>(FindHintWindow(kTaskHintWindow));
    if (hint)
        hint->ShowTaskHint(GetTaskText(g_levelView->GetTasks(), task));
}

void HideTaskLineHint() {
    if (cHintGDWF* hint = FindHintWindow(kTaskHintWindow))
        hint->HideHint();
}

void cLevelWF::Fill(cWindow* window) {
    bool complete = true;
    for (int i = 0; i < kResourceCount; ++i) {
        const std::u16string name(GetResourceName(i));
        resourceLabels[static_cast<size_t>(i)] = FindScreenControl<cLabelCtrl>(window, name);
        complete = complete && resourceLabels[static_cast<size_t>(i)];
        SetResourceIcon(window, i);
    }
    timeBar = FindScreenControl<cProgressBarSysCtrl>(window, u"time");
    complete = complete && timeBar && FindScreenControl(window, u"menu");
    if (!complete)
        ReportError(window, u"Some controls not found");
}

void cLevelWF::WriteResources() {
    const ResourceSet stock = g_garden ? g_garden->GetResources() : ResourceSet{};
    for (int i = 0; i < kResourceCount; ++i)
        resourceLabels[static_cast<size_t>(i)]->SetText(Format(u"%i", {stock[i]}));
    refreshClock = 0.0f;
}

int cLevelWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (window && IsReady()) {
        switch (kind) {
            case kWndFilled:
                Fill(window);
                break;
            case kWndShown:
                // No numbers of the level before linger for the first tenth.
                WriteResources();
                break;
            case kWndTick: {
                const float silver = g_levelView ? g_levelView->GetSilverTime() : 0.0f;
                const float left = g_levelView ? g_levelView->GetTimeLeft() : 0.0f;
                timeBar->SetProgress(TimeBarFill(silver, left));
                refreshClock += static_cast<float>(param1) / 1000.0f;
                if (refreshClock >= kRefreshSeconds)
                    WriteResources();
                break;
            }
            case kWndPointerEnter:
                ShowTaskLineHint(TaskLineOfControl(CommandName(window, param2)));
                break;
            case kWndPointerLeave:
                if (TaskLineOfControl(CommandName(window, param2)) >= 0)
                    HideTaskLineHint();
                break;
            case kWndCommand:
                if (CommandName(window, param2) == u"menu") {
                    if (g_middle)
                        g_middle->ShowScreenWindow(u"escape", 2);
                    cBaseWF::OnEvent(window, kind, param1, param2);
                    return 1;
                }
                break;
            default:
                break;
        }
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
