#pragma once
// A progress bar that fills upwards from its bottom edge, its texture cropped
// in height.
#include "gui/ProgressBarCtrl.h"

class cProgressVertCtrl : public qor::cProgressBarSysCtrl {
  public:
    cProgressVertCtrl(std::u16string name, qor::cWindow* window)
        : cProgressBarSysCtrl(std::move(name), window) {}

    void Refresh() override;
};
