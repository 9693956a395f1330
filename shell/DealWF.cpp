#include "shell/DealWF.h"

#include <string>

#include "engine/Atlas.h"
#include "engine/FormatString.h"
#include "engine/StringTable.h"
#include "gui/ImageCtrl.h"
#include "gui/Window.h"
#include "level/tables/DealOffer.h"
#include "shell/Garden.h"
#include "shell/GardenLevelHost.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

void SetIcon(cImageCtrl* image, const SpriteName& name) {
    const cSpriteInfo sprite =
        name.empty() ? cSpriteInfo{}
                     : GetSpriteInfo(std::u16string(name.texture), std::u16string(name.area));
    image->Show(sprite.frames != nullptr);
    if (!sprite.frames)
        return;
    image->texture = sprite.texture;
    image->uvRect = sprite.frames[0];
}

const DealOffer* RunningOffer() {
    if (!g_garden || !g_garden->levelHost)
        return nullptr;
    const DealOffer& offer = g_garden->levelHost->Story().deal.offer;
    return offer.IsRunning() ? &offer : nullptr;
}

}  // namespace

void cDealWF::ShowOffer(const DealOffer& offer) {
    if (broken)
        return;
    SetIcon(imageIn, offer.CostIcon());
    SetIcon(imageOut, offer.RewardIcon());
    labelOut->SetText(Format(u"%i", {static_cast<int32_t>(offer.OfferedAmount())}));
}

void cDealWF::ShowProgress(const DealOffer& offer, const ResourceSet& stock) {
    if (broken)
        return;
    labelTime->SetText(
        Format(GetLocalizedText(u"DealTime"), {static_cast<int32_t>(offer.RemainingMinutes()),
                                               static_cast<int32_t>(offer.RemainingSeconds())}));
    const int32_t asked = offer.AskedAmount();
    if (offer.dealStage < 0) {
        labelIn->SetText(Format(GetLocalizedText(u"DealIn"),
                                {static_cast<int32_t>(offer.MissingAmount(stock)), asked}));
    } else {
        labelIn->SetText(Format(GetLocalizedText(u"DealInFinish"), {asked}));
    }
}

int cDealWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (!window)
        return 0;
    switch (kind) {
        case kWndFilled:
            imageIn = FindScreenControl<cImageCtrl>(window, u"image_in");
            imageOut = FindScreenControl<cImageCtrl>(window, u"image_out");
            labelIn = FindScreenControl<cCtrl>(window, u"label_in");
            labelOut = FindScreenControl<cCtrl>(window, u"label_out");
            labelTime = FindScreenControl<cCtrl>(window, u"label_time");
            broken = !imageIn || !imageOut || !labelIn || !labelOut || !labelTime;
            if (broken)
                return ReportError(window, u"Some controls not found");
            break;
        case kWndShown:
            if (const DealOffer* offer = RunningOffer()) {
                ShowOffer(*offer);
                ShowProgress(*offer, g_garden->GetResources());
            }
            break;
        case kWndTick:
            if (const DealOffer* offer = RunningOffer())
                ShowProgress(*offer, g_garden->GetResources());
            break;
        default:
            break;
    }
    return cBaseWF::OnEvent(window, kind, param1, param2);
}
