#pragma once
// A vertical list of item controls, scrolled by its first shown item. Only the
// items from `first` on that fit the rectangle are placed, drawn and hit.
// Selection changes reach the window function at once as event 53.
#include <memory>
#include <vector>

#include "gui/Ctrl.h"

namespace qor {

struct cListItem {
    std::unique_ptr<cCtrl> control;
    int data = 0;
};

// SetRect with this flag sets the item size instead of the rectangle.
inline constexpr int kListItemSizeFlag = 8;
// No list holds more items than this; further inserts are refused.
inline constexpr int kMaxListItems = 65536;

class cListCtrl : public cCtrl {
  public:
    cListCtrl(std::u16string name, cWindow* window);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    void Refresh() override;
    void Offset(float dx, float dy) override;
    void SetRect(float x, float y, float w, float h, int flags) override;
    bool HitTest(float x, float y) const override { return StrictlyInside(rect, x, y); }
    cRectF GetRect() const override { return rect; }
    std::u16string GetClassName() const override { return u"cListCtrl"; }

    // Before `position` when it is a valid index, else appended. Takes ownership.
    virtual void InsertItem(int position, cCtrl* control, int data);
    virtual void RemoveItem(int index);
    virtual void Clear();
    virtual int GetCount() const { return static_cast<int>(items.size()); }
    virtual void SetItemData(int index, int value);
    virtual int GetItemData(int index) const;
    // The first selected item at or after `from`, or GetCount().
    virtual int FindSelected(int from) const;
    virtual bool IsSelected(int index) const;
    virtual void SetSelected(int index, bool selected, bool notify);
    virtual void SetMultiselect(bool on) { multiselect = on; }
    virtual bool IsMultiselect() const { return multiselect; }
    virtual int GetVisibleCount() const;
    virtual void SetFirstVisible(int index);
    virtual int GetFirstVisible() const { return first; }
    virtual void EnsureVisible(int index);
    virtual bool IsItemVisible(int index) const;
    virtual bool IsItemEnabled(int index) const;
    virtual bool IsItemDisabled(int index) const;
    virtual void EnableItem(int index, bool enable);

    bool ValidIndex(int index) const { return index >= 0 && index < GetCount(); }
    cCtrl* ItemAt(int index) const;
    // The items placed, drawn and hit: [first, ShownEnd()).
    int ShownEnd() const;

    cRectF rect;
    float itemWidth = 16.0f;
    float itemHeight = 16.0f;
    std::vector<cListItem> items;
    int hot = -1;  // the item under the pointer
    bool multiselect = false;
    int first = 0;

  protected:
    // Makes `index` the hot item (or none for -1), telling the old and the new.
    void SetHot(int index);
    // Tests the item against the platform pointer and updates the hot item, so
    // that an item moving under a still pointer lights up.
    void TrackPointer(int index);
    // After items went: the first shown row is an item again (0 when empty).
    void KeepFirstInRange();
};

}  // namespace qor
