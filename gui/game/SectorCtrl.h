#pragma once
// A textured pie wedge that ends at twelve o'clock and reaches `value` of a
// full turn clockwise from there.
#include "gui/ImageCtrl.h"

class cSectorCtrl : public qor::cImageCtrl {
  public:
    cSectorCtrl(std::u16string name, qor::cWindow* window) : cImageCtrl(std::move(name), window) {}

    void Draw() override;

    // The filled part of a turn, clamped to 0..1. No script sets it.
    void SetValue(float v);

    float value = 0.0f;
};
