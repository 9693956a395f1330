// What the story does to a level: the trader's offers, the stones from the
// sky and the prisoner the story asks to free.
#include "engine/Log.h"
#include "level/LevelWidget.h"
#include "level/story/StoryDeals.h"
#include "level/units/Prison.h"

void cLevelWidget::OfferStoryDeal(std::u16string_view name) {
    const StoryDeal* deal = FindStoryDeal(name);
    if (!deal)
        return;
    m_host->SetDeal(deal->reward, deal->cost, deal->seconds, std::u16string(deal->introKey),
                    std::u16string(deal->afterKey));
}

void cLevelWidget::StartMeteors(float delay) {
    meteorDelay = delay;
    // Nobody may stand where the stones will land.
    Evacuate(kDangerStones);
}

void cLevelWidget::PreparePrison(const std::u16string& storyText, const ResourceSet& price) {
    if (!prison || prison->GetTypeId() != cPrison::kType) {
        qor::LogEntry(qor::kLogWarning, u"cLevelWidget",
                      u"the story asks for a prison, level %s has none", levelName);
        return;
    }
    auto* cell = static_cast<cPrison*>(prison);
    cell->storyText = storyText;
    cell->SetPrice(price);
}
