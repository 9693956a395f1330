#pragma once
// The level editor's palette: one row (or more) of square cells, each showing
// a placeable object. A press on a cell hands its object type, name and cell
// index to the focused scene widget's EditorCommand. No screen shows it.
#include <functional>
#include <string>

#include "engine/Atlas.h"
#include "gui/ImageCtrl.h"
#include "gui/ListCtrl.h"

class cEditorToolbarCtrl;

class cEditorToolbarItemCtrl : public qor::cImageCtrl {
  public:
    explicit cEditorToolbarItemCtrl(cEditorToolbarCtrl* toolbar);

    // The cell's button face, then its image tinted by state: reddish when
    // disabled, bluish when selected.
    void Draw() override;
    std::u16string GetClassName() const override { return u"cEditorToolbarItemCtrl"; }

    uint32_t StateColor() const;

    int objectType = 0;
    std::u16string objectName;
    cEditorToolbarCtrl* toolbar;
    qor::cSpriteInfo button;
};

// Where a palette pick goes: the focused scene widget, when the scene code has
// installed this. Returns whether a scene widget took it.
using cEditorCommandHandler =
    std::function<bool(int objectType, const std::u16string& objectName, int cell)>;
void SetEditorCommandHandler(cEditorCommandHandler handler);

class cEditorToolbarCtrl : public qor::cListCtrl {
  public:
    cEditorToolbarCtrl(std::u16string name, qor::cWindow* window)
        : cListCtrl(std::move(name), window) {}

    int OnEvent(int kind, int param1, int param2) override;
    void Refresh() override;
    // The cells are square: the height is also the cell size.
    void SetRect(float x, float y, float w, float h, int flags) override;
    int GetVisibleCount() const override;
    std::u16string GetClassName() const override { return u"cEditorToolbarCtrl"; }

    // A cell showing frame `frameIndex` of an area found by name alone.
    virtual void AddAreaItem(const std::u16string& areaName, int frameIndex, int objectType,
                             const std::u16string& objectName);
    // A cell showing the first frame of a sprite; by area alone when the
    // texture name is empty.
    virtual void AddSpriteItem(const std::u16string& textureName, const std::u16string& areaName,
                               int objectType, const std::u16string& objectName);

  private:
    void AddCell(const qor::cSpriteInfo& sprite, int frameIndex, int objectType,
                 const std::u16string& objectName);
};
