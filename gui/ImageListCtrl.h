#pragma once
// A grid of image items, filled left to right and top row first; and the
// toolbar, whose items are buttons rather than a selection: a press on an
// enabled item reports it as event 53 at once.
#include "gui/ImageCtrl.h"
#include "gui/ListCtrl.h"

namespace qor {

class cImageListSysCtrl : public cListCtrl {
  public:
    cImageListSysCtrl(std::u16string name, cWindow* window) : cListCtrl(std::move(name), window) {}

    void Refresh() override;
    // The cells that fit: rows × columns.
    int GetVisibleCount() const override;
    std::u16string GetClassName() const override { return u"cImageListSysCtrl"; }

    virtual void AddImageItem(int position, const std::u16string& textureName, const cRectF& uvRect,
                              int data);
};

class cToolbarSysCtrl : public cImageListSysCtrl {
  public:
    cToolbarSysCtrl(std::u16string name, cWindow* window)
        : cImageListSysCtrl(std::move(name), window) {}

    int OnEvent(int kind, int param1, int param2) override;
    std::u16string GetClassName() const override { return u"cToolbarSysCtrl"; }
};

// Cells of `cell` size that fit into `length`; 0 for a cell of no size.
int CellsThatFit(float length, float cell);

}  // namespace qor
