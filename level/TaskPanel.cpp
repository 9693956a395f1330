#include "level/TaskPanel.h"

#include <string>

#include "engine/Atlas.h"
#include "engine/FormatString.h"
#include "engine/StringTable.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/Window.h"
#include "level/tables/TaskIconTable.h"

using namespace qor;

namespace {

template <class T>
T* FindLineControl(cWindow* hud, const std::u16string& name) {
    return hud ? dynamic_cast<T*>(hud->ControlAt(IndexOfCtrl(hud, name))) : nullptr;
}

void ShowControls(const cTaskSlot& slot, bool show) {
    if (!slot.Bound())
        return;
    slot.image->Show(show);
    slot.count->Show(show);
    slot.state->Show(show);
}

void SetIcon(cImageCtrl* image, const cTask& task) {
    const SpriteName icon = GetTaskIcon(task.objectKey);
    cSpriteInfo sprite;
    if (!icon.empty())
        sprite = GetSpriteInfo(std::u16string(icon.texture), std::u16string(icon.area));
    // A goal without a picture leaves the line's picture empty rather than
    // showing the previous goal's.
    image->texture = sprite.texture;
    if (sprite.frames)
        image->uvRect = sprite.frames[0];
}

}  // namespace

std::u16string TaskCountText(const cTask& task) {
    return Format(task.Reached() ? u"^00FF00FFx%i^^" : u"x%i", {task.target});
}

std::u16string TaskStateText(const cTask& task) {
    if (task.Reached())
        return u"^00FF00FF" + GetLocalizedText(u"TaskDone") + u"^^";
    return Format(u"%s %i", {GetLocalizedText(u"TaskRemain"), task.target - task.current});
}

void cTaskPanel::Bind(cWindow* hud) {
    for (int i = 0; i < kTaskSlotCount; ++i) {
        const std::u16string digit(1, static_cast<char16_t>(u'0' + i));
        cTaskSlot& slot = slots[static_cast<size_t>(i)];
        slot.image = FindLineControl<cImageCtrl>(hud, u"image_task" + digit);
        slot.count = FindLineControl<cLabelCtrl>(hud, u"label_task" + digit + u"0");
        slot.state = FindLineControl<cLabelCtrl>(hud, u"label_task" + digit + u"1");
        slot.task = -1;
        ShowControls(slot, false);
    }
}

void cTaskPanel::Clear() {
    for (cTaskSlot& slot : slots) {
        ShowControls(slot, false);
        slot.task = -1;
    }
}

int cTaskPanel::TaskInSlot(int slot) const {
    if (slot < 0 || slot >= kTaskSlotCount)
        return -1;
    return slots[static_cast<size_t>(slot)].task;
}

void cTaskPanel::ShowLine(cTaskSlot& slot, const cTask& task) {
    if (!slot.Bound())
        return;
    ShowControls(slot, true);
    slot.count->SetText(TaskCountText(task));
    slot.state->SetText(TaskStateText(task));
    SetIcon(slot.image, task);
}

cTaskCelebration cTaskPanel::Refresh(std::vector<cTask>& tasks, int reachedIndex) {
    int open = 0;
    for (const cTask& task : tasks)
        open += task.Reached() ? 0 : 1;
    const int stillOpen = open;

    cTaskCelebration celebration;
    const cTaskSlot* celebrated = nullptr;
    int s = 0;
    for (size_t g = 0; g < tasks.size() && s < kTaskSlotCount; ++g) {
        cTask& task = tasks[g];
        if (task.retired)
            continue;
        if (!task.Reached()) {
            --open;
        } else if (open >= kTaskSlotCount - s) {
            // The open goals below would not all find a line otherwise.
            task.retired = 1;
            continue;
        }
        cTaskSlot& slot = slots[static_cast<size_t>(s)];
        slot.task = static_cast<int32_t>(g);
        ShowLine(slot, task);
        if (static_cast<int>(g) == reachedIndex)
            celebrated = &slot;
        ++s;
    }
    for (; s < kTaskSlotCount; ++s) {
        cTaskSlot& slot = slots[static_cast<size_t>(s)];
        ShowControls(slot, false);
        slot.task = -1;
    }

    if (reachedIndex >= 0 && reachedIndex < static_cast<int>(tasks.size())) {
        if (celebrated && celebrated->Bound()) {
            const cRectF r = celebrated->image->GetRect();
            celebration.sparkle = true;
            celebration.point = {r.x + r.w / 2, r.y + r.h / 2};
        }
        celebration.taskDone = stillOpen > 0;
    }
    return celebration;
}
