#pragma once
// The talk and the trader's offer of the level playing now, as the game keeps
// them beside the level: the level starts talks and deals, steps them once
// per fixed step, and the player's click on a bubble moves the talk on.
#include <string>

#include "level/story/DealRunner.h"
#include "level/story/TalkRunner.h"

class cStoryView;
class cTalkTable;

class cStoryRunner {
  public:
    cStoryRunner(const cTalkTable& table, cStoryView& view) : m_table(table), m_view(view) {}

    void StartTalk(const std::u16string& id) { talk.Start(m_table, id, m_view); }
    // The talk stops and the offer is off: the level is left or started anew.
    void EndAll() {
        talk.End(m_view);
        deal.Close(m_view);
    }
    // One fixed step: the next line when none speaks, and the offer.
    void Step() {
        talk.Advance(m_view);
        deal.Update(m_view, talk);
    }
    // A click on the speaking bubble; false when none speaks.
    bool Click() { return talk.Click(m_view); }
    void SetDeal(const ResourceSet& reward, const ResourceSet& cost, float seconds,
                 const std::u16string& introKey, const std::u16string& secondKey) {
        deal.Set(reward, cost, seconds, introKey, secondKey);
    }

    cTalkRunner talk;
    cDealRunner deal;

  private:
    const cTalkTable& m_table;
    cStoryView& m_view;
};
