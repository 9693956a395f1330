#include "gui/ImageListCtrl.h"

#include <algorithm>

#include "gui/ScriptNumbers.h"
#include "gui/WindowFunction.h"

namespace qor {

int CellsThatFit(float length, float cell) {
    if (!(cell > 0.0f) || !(length > 0.0f))
        return 0;
    return std::min(ClampToInt(length / cell), kMaxListItems);
}

int cImageListSysCtrl::GetVisibleCount() const {
    const long long cells =
        static_cast<long long>(CellsThatFit(rect.h, itemHeight)) * CellsThatFit(rect.w, itemWidth);
    return static_cast<int>(std::min<long long>(cells, kMaxListItems));
}

void cImageListSysCtrl::Refresh() {
    float x = rect.x;
    float y = rect.y + rect.h - itemHeight;
    for (int i = std::max(first, 0); i < ShownEnd(); ++i) {
        // The row is full when the next cell would reach past the right edge.
        if (x != rect.x && x + itemWidth > rect.x + rect.w) {
            x = rect.x;
            y -= itemHeight;
        }
        ItemAt(i)->SetRect(x, y, itemWidth, itemHeight, 0);
        x += itemWidth;
        TrackPointer(i);
    }
}

void cImageListSysCtrl::AddImageItem(int position, const std::u16string& textureName,
                                     const cRectF& uvRect, int data) {
    auto* item = new cImageCtrl(u"", nullptr);
    item->SetTexture(textureName, 0);
    item->SetUVRect(uvRect.x, uvRect.y, uvRect.w, uvRect.h, 0);
    InsertItem(position, item, data);
}

int cToolbarSysCtrl::OnEvent(int kind, int param1, int param2) {
    if (kind == kWndLeftDown) {
        // A button bar, not a selection: disabled items are pressed in vain.
        if (IsItemVisible(hot) && !IsItemDisabled(hot))
            Send(kWndListSelection, hot);
        return cCtrl::OnEvent(kind, param1, param2);
    }
    return cImageListSysCtrl::OnEvent(kind, param1, param2);
}

}  // namespace qor
