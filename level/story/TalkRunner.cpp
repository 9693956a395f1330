#include "level/story/TalkRunner.h"

#include "level/story/StoryView.h"

void cTalkRunner::Start(const cTalkTable& table, const std::u16string& id, cStoryView& view) {
    if (id == talkId)
        return;
    const Talk* talk = table.Find(id);
    if (!talk || talk->phrases.empty())
        return;
    m_talk = talk;
    talkId = id;
    phraseIndex = 0;
    side = 0;
    activeSpeaker = -1;
    firstSpeaker = std::u16string(FirstSpeaker(*talk));
    // The one who opens the talk sits left, where its first line is said;
    // the one who answers sits right.
    view.ShowSpeakers(firstSpeaker, std::u16string(SecondSpeaker(*talk)));
}

void cTalkRunner::Advance(cStoryView& view) {
    if (!m_talk || talkId.empty() || activeSpeaker >= 0)
        return;
    if (phraseIndex >= static_cast<int>(m_talk->phrases.size())) {
        End(view);
        return;
    }
    const TalkPhrase& phrase = m_talk->phrases[phraseIndex];
    const int slot = PhraseSlot(*m_talk, phraseIndex);
    side = slot;
    // A line nobody can see is not waited for.
    if (view.Say(view.Localize(phrase.key), slot, phrase.speaker))
        activeSpeaker = slot;
    else
        ++phraseIndex;
}

bool cTalkRunner::Click(cStoryView& view) {
    if (activeSpeaker < 0)
        return false;
    const bool trader = activeSpeaker == kTraderSlot;
    activeSpeaker = -1;
    if (talkId.empty())
        view.CloseTalk();
    else if (!trader)
        ++phraseIndex;
    return true;
}

void cTalkRunner::End(cStoryView& view) {
    const bool wasActive = !talkId.empty() || activeSpeaker >= 0;
    talkId.clear();
    m_talk = nullptr;
    phraseIndex = 0;
    activeSpeaker = -1;
    if (wasActive)
        view.CloseTalk();
}

void cTalkRunner::SayAsTrader(const std::u16string& text, cStoryView& view) {
    if (view.Say(text, kTraderSlot, std::u16string(kTraderSpeaker)))
        activeSpeaker = kTraderSlot;
}
