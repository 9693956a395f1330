#include "gui/ListCtrl.h"

#include <algorithm>
#include <cmath>

#include "gui/GUI.h"
#include "gui/ScriptNumbers.h"
#include "gui/WindowFunction.h"

namespace qor {

cListCtrl::cListCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {
    items.reserve(30);
}

cCtrl* cListCtrl::ItemAt(int index) const {
    return ValidIndex(index) ? items[static_cast<size_t>(index)].control.get() : nullptr;
}

int cListCtrl::GetVisibleCount() const {
    if (!(itemHeight > 0.0f) || !(rect.h > 0.0f))
        return 0;
    return std::min(ClampToInt(rect.h / itemHeight), kMaxListItems);
}

int cListCtrl::ShownEnd() const {
    // Both terms are bounded by kMaxListItems, so the sum cannot overflow.
    return std::min(first + std::max(GetVisibleCount(), 0), GetCount());
}

void cListCtrl::Draw() {
    for (int i = std::max(first, 0); i < ShownEnd(); ++i)
        ItemAt(i)->Draw();
}

void cListCtrl::SetHot(int index) {
    if (index == hot)
        return;
    if (cCtrl* old = ItemAt(hot))
        old->OnEvent(kWndPointerLeave, 0, 0);
    hot = index;
    if (cCtrl* item = ItemAt(hot))
        item->OnEvent(kWndPointerEnter, 0, 0);
}

void cListCtrl::TrackPointer(int index) {
    cCtrl* item = ItemAt(index);
    if (!item || !gui)
        return;
    int x = 0, y = 0;
    gui->GetCursorVirtualPos(&x, &y);
    const bool hit = item->HitTest(static_cast<float>(x), static_cast<float>(y));
    if (hit && index != hot) {
        SetHot(index);
    } else if (!hit && index == hot) {
        SetHot(-1);
    }
}

int cListCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kWndMouseMove: {
            const float x = static_cast<float>(UnpackX(param2));
            const float y = static_cast<float>(UnpackY(param2));
            int hit = -1;
            for (int i = std::max(first, 0); i < ShownEnd(); ++i) {
                if (ItemAt(i)->HitTest(x, y))
                    hit = i;
            }
            SetHot(hit);
            if (cCtrl* item = ItemAt(hot))
                item->OnEvent(kWndMouseMove, param1, param2);
            break;
        }
        case kWndLeftDown:
            if (IsItemVisible(hot) && (!IsSelected(hot) || multiselect)) {
                SetSelected(hot, !IsSelected(hot), true);
            }
            break;
        case kWndPointerLeave:
            if (cCtrl* item = ItemAt(hot))
                item->OnEvent(kWndPointerLeave, 0, 0);
            hot = -1;
            break;
        default:
            break;
    }
    return cCtrl::OnEvent(kind, param1, param2);
}

void cListCtrl::Refresh() {
    for (int i = std::max(first, 0), k = 0; i < ShownEnd(); ++i, ++k) {
        ItemAt(i)->SetRect(rect.x, rect.y + rect.h - static_cast<float>(k + 1) * itemHeight, rect.w,
                           itemHeight, 0);
    }
}

void cListCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    Refresh();
}

void cListCtrl::SetRect(float x, float y, float w, float h, int flags) {
    if (flags & kListItemSizeFlag) {
        itemWidth = w;
        itemHeight = h;
    } else {
        rect = {x, y, w, h};
    }
    Refresh();
}

void cListCtrl::InsertItem(int position, cCtrl* control, int data) {
    if (!control)
        return;
    if (GetCount() >= kMaxListItems) {
        delete control;
        return;
    }
    if (ValidIndex(position)) {
        items.insert(items.begin() + position, cListItem{std::unique_ptr<cCtrl>(control), data});
    } else {
        items.push_back(cListItem{std::unique_ptr<cCtrl>(control), data});
    }
    Refresh();
}

void cListCtrl::RemoveItem(int index) {
    if (!ValidIndex(index))
        return;
    // The rows shift under the pointer: the lit one is told before it loses
    // the hover, or it would stay lit.
    SetHot(-1);
    items.erase(items.begin() + index);
    KeepFirstInRange();
    Refresh();
}

void cListCtrl::Clear() {
    items.clear();
    hot = -1;
    KeepFirstInRange();
    Refresh();
}

void cListCtrl::KeepFirstInRange() {
    first = std::clamp(first, 0, std::max(GetCount() - 1, 0));
}

void cListCtrl::SetItemData(int index, int value) {
    if (ValidIndex(index))
        items[static_cast<size_t>(index)].data = value;
}

int cListCtrl::GetItemData(int index) const {
    return ValidIndex(index) ? items[static_cast<size_t>(index)].data : 0;
}

int cListCtrl::FindSelected(int from) const {
    for (int i = std::max(from, 0); i < GetCount(); ++i) {
        if (IsSelected(i))
            return i;
    }
    return GetCount();
}

bool cListCtrl::IsSelected(int index) const {
    const cCtrl* item = ItemAt(index);
    return item && item->HasFlag(kCtrlSelected);
}

void cListCtrl::SetSelected(int index, bool selected, bool notify) {
    cCtrl* item = ItemAt(index);
    if (!item || item->HasFlag(kCtrlDisabled))
        return;
    const bool was = item->HasFlag(kCtrlSelected);
    if (was == selected)
        return;
    if (selected && !multiselect) {
        const int previous = FindSelected(0);
        if (cCtrl* old = ItemAt(previous)) {
            old->Select(false);
            if (notify)
                Send(kWndListSelection, previous);
        }
    }
    // The handler of the event above may have changed the list.
    item = ItemAt(index);
    if (!item)
        return;
    item->Select(selected);
    if (notify)
        Send(kWndListSelection, index);
}

void cListCtrl::SetFirstVisible(int index) {
    if (!ValidIndex(index))
        return;
    first = index;
    Refresh();
}

void cListCtrl::EnsureVisible(int index) {
    if (!ValidIndex(index))
        return;
    const int visible = GetVisibleCount();
    if (index < first) {
        SetFirstVisible(index);
    } else if (index >= first + visible) {
        SetFirstVisible(index - visible + 1);
    }
}

bool cListCtrl::IsItemVisible(int index) const {
    return ValidIndex(index) && index >= first && index < first + GetVisibleCount();
}

bool cListCtrl::IsItemEnabled(int index) const {
    const cCtrl* item = ItemAt(index);
    return item && !item->HasFlag(kCtrlDisabled);
}

bool cListCtrl::IsItemDisabled(int index) const {
    const cCtrl* item = ItemAt(index);
    return !item || item->HasFlag(kCtrlDisabled);
}

void cListCtrl::EnableItem(int index, bool enable) {
    if (cCtrl* item = ItemAt(index))
        item->Enable(enable);
}

}  // namespace qor
