#pragma once
// The trader's offer window ("deal"): the goods he asks for with how many are
// still missing, the goods he gives, and the minutes and seconds left. It
// reads the running offer every tick; the window is an overlay over the
// level's HUD and takes no clicks of its own.
#include "gui/BaseWF.h"
#include "scene/ResourceSet.h"

struct DealOffer;
namespace qor {
class cCtrl;
class cImageCtrl;
}  // namespace qor

class cDealWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    // The icons and the offered amount of `offer`.
    virtual void ShowOffer(const DealOffer& offer);
    // The countdown and what is still missing, against the player's stock.
    virtual void ShowProgress(const DealOffer& offer, const ResourceSet& stock);

    qor::cImageCtrl* imageIn = nullptr;
    qor::cImageCtrl* imageOut = nullptr;
    qor::cCtrl* labelIn = nullptr;
    qor::cCtrl* labelOut = nullptr;
    qor::cCtrl* labelTime = nullptr;
    bool broken = true;  // until every control is found
};
