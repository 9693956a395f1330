#include "gui/ProgressBarCtrl.h"

#include <algorithm>

namespace qor {

cProgressBarSysCtrl::cProgressBarSysCtrl(std::u16string name, cWindow* window)
    : cCtrl(std::move(name), window), bar(std::make_unique<cImageCtrl>(u"", nullptr)) {}

void cProgressBarSysCtrl::Refresh() {
    bar->SetRect(rect.x, rect.y, rect.w * progress, rect.h, 0);
    bar->SetUVRect(uvRect.x, uvRect.y, uvRect.w * progress, uvRect.h, 0);
}

void cProgressBarSysCtrl::Offset(float dx, float dy) {
    rect.x += dx;
    rect.y += dy;
    Refresh();
}

void cProgressBarSysCtrl::SetRect(float x, float y, float w, float h, int) {
    rect = {x, y, w, h};
    Refresh();
}

void cProgressBarSysCtrl::SetUVRect(float u, float v, float w, float h, int) {
    uvRect = {u, v, w, h};
}

void cProgressBarSysCtrl::SetTexture(const std::u16string& textureName, int flags) {
    bar->SetTexture(textureName, flags);
}

void cProgressBarSysCtrl::SetProgress(float value) {
    // NaN counts as empty.
    progress = value > 0.0f ? std::min(value, 1.0f) : 0.0f;
    Refresh();
}

}  // namespace qor
