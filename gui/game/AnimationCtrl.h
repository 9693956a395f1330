#pragma once
// An image that loops over the cells of a sprite sheet: cells are numbered
// left to right, top row first, and played at a given rate while the window
// ticks. Until the first frame change the image keeps the UV rectangle its
// script gave it.
#include "engine/AnimPlayer.h"
#include "gui/ImageCtrl.h"

class cAnimationCtrl : public qor::cImageCtrl {
  public:
    cAnimationCtrl(std::u16string name, qor::cWindow* window);

    int OnEvent(int kind, int param1, int param2) override;
    std::u16string GetClassName() const override { return u"cAnimationCtrl"; }

    // Sets the sheet and restarts the loop from frame 0; a rate of 0 or less
    // plays at 30 frames per second.
    virtual void SetTileset(int columns, int rows, float fps);

    // The UV rectangle of cell `frame` of the sheet.
    qor::cRectF CellUV(int frame) const;

    int columns = 1;
    int rows = 1;
    qor::cAnimPlayer player;
};

// No sheet is cut finer than this in either direction.
inline constexpr int kMaxTilesetSide = 1024;
