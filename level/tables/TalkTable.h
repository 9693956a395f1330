#pragma once
// The dialogues of the story. A talk is a list of phrases, each said by one
// speaker; its text is the string-table entry of the phrase's key, which is
// built from the talk, the speaker and the phrase's place:
// "013" + "_" + "mh" + "_" + "0" = "013_mh_0". Talks are named after their
// level ("001"); a level with two talks has "0130" and "0131"; the talk
// "NoFreeWorkers" comes when every worker is stuck.
//
// The talk window shows two speakers face to face in bubble slots 0 and 1: a
// talk opens in slot 0, a speaker who goes on keeps the slot, and the next
// speaker answers from the other one.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "level/tables/SpriteName.h"

inline constexpr std::u16string_view kSpeakerPortraitTexture = u"gui01";

struct TalkPhrase {
    std::u16string speaker;  // "ad", "mh", "sl" or "wf"
    std::u16string key;      // string-table key of the text
};

struct Talk {
    std::u16string id;
    std::vector<TalkPhrase> phrases;
};

// A talk from its speakers in order, written as codes separated by spaces
// ("ad mh ad"); the keys follow the rule above.
Talk MakeTalk(std::u16string id, std::u16string_view speakers);

// The speaker of the first phrase; empty for a talk without phrases.
std::u16string_view FirstSpeaker(const Talk& talk);
// The first speaker other than the first; empty when one speaker says it all.
std::u16string_view SecondSpeaker(const Talk& talk);
// The bubble slot (0 or 1) of phrase `index`; -1 out of range.
int PhraseSlot(const Talk& talk, int index);

// A speaker's portrait: the area of "gui01" named after the speaker's code.
// Empty for a code that is not one of the game's speakers.
SpriteName GetSpeakerPortrait(std::u16string_view speaker);

class cTalkTable {
  public:
    // Fills the table with the game's talks, replacing what it held.
    void Build();

    // The talks in the order the story tells them.
    const std::vector<Talk>& talks() const { return m_talks; }
    int PhraseCount() const;

    // The talk of that name; null when there is none.
    const Talk* Find(std::u16string_view id) const;
    // The talks of a level by the level's name ("013" gives "0130" and
    // "0131"), in table order; none for a name that is not three digits.
    std::vector<const Talk*> FindLevelTalks(std::u16string_view levelName) const;

  private:
    std::vector<Talk> m_talks;
};
