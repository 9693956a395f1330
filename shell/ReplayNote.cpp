#include "shell/ReplayNote.h"

#include "engine/StringTable.h"
#include "gui/LabelCtrl.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

constexpr char16_t kNote[] = u"replayNote";

cReplayConsole* Replays() {
    return g_garden ? g_garden->replays.get() : nullptr;
}

}  // namespace

void PrepareReplayButton(cWindow* window, const std::u16string& button) {
    const cReplayConsole* replays = Replays();
    if (cCtrl* control = FindScreenControl(window, button))
        control->Show(replays && replays->CanSave());
    if (auto* note = FindScreenControl<cLabelCtrl>(window, kNote))
        note->SetText(u"");
}

void SaveReplayFromWindow(cWindow* window) {
    cReplayConsole* replays = Replays();
    const bool saved = replays && replays->SaveRecording();
    auto* note = FindScreenControl<cLabelCtrl>(window, kNote);
    if (!note)
        return;
    if (!saved) {
        note->SetText(GetLocalizedText(u"ReplayNotSaved"));
        return;
    }
    // The folder is the profile's, as the help says; the name is what to look for.
    const std::u16string& full = replays->savedFile.full;
    const size_t slash = full.find_last_of(u'/');
    const std::u16string name = slash == std::u16string::npos ? full : full.substr(slash + 1);
    note->SetText(GetLocalizedText(u"ReplaySaved") + u" " + name);
}
