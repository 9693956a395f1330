#include "gui/game/ProgressVertCtrl.h"

void cProgressVertCtrl::Refresh() {
    bar->SetRect(rect.x, rect.y, rect.w, rect.h * progress, 0);
    bar->SetUVRect(uvRect.x, uvRect.y, uvRect.w, uvRect.h * progress, 0);
}
