#pragma once
// The talk running in a level: which talk, which of its lines is next, and
// which bubble speaks now. A line stays until the player clicks its bubble
// (or presses a key); the next line then comes on the following step, and
// after the last one the talk ends and its window goes.
//
// The trader's words go through here too: he speaks from the third slot,
// outside any talk, and a click sends his bubble away.
#include <string>

#include "level/tables/TalkTable.h"

class cStoryView;

class cTalkRunner {
  public:
    // The speaker of the third slot: the trader.
    static constexpr std::u16string_view kTraderSpeaker = u"sl";
    static constexpr int kTraderSlot = 2;

    // Starts the talk of that name unless it runs already or has no lines.
    void Start(const cTalkTable& table, const std::u16string& id, cStoryView& view);
    // Says the next line when no bubble speaks; ends the talk after its last.
    void Advance(cStoryView& view);
    // The player clicked the speaking bubble: on to the next line, or, for a
    // line outside a talk, the window goes. False when no bubble speaks.
    bool Click(cStoryView& view);
    // The talk stops where it is and its window goes.
    void End(cStoryView& view);
    // The trader speaks a line of his own in the third slot.
    void SayAsTrader(const std::u16string& text, cStoryView& view);

    const std::u16string& Id() const { return talkId; }
    bool IsRunning() const { return !talkId.empty(); }
    // A bubble shows a line and waits for the player.
    bool IsSpeaking() const { return activeSpeaker >= 0; }

    std::u16string talkId;  // empty when no talk runs
    int phraseIndex = 0;
    int side = 0;  // the slot of the last line
    std::u16string firstSpeaker;
    int activeSpeaker = -1;  // the speaking slot; -1 for none

  private:
    const Talk* m_talk = nullptr;  // the table's; the table outlives every level
};
