#include "level/tables/TalkTable.h"

#include <algorithm>
#include <iterator>

namespace {

struct TalkRow {
    std::u16string_view id;
    std::u16string_view speakers;
};

// Roughly in the order the story tells them. The text keys follow from each
// speaker's place: reordering the speakers of a talk renames its texts.
constexpr TalkRow kTalks[] = {
    {u"001", u"ad mh ad ad mh mh"},
    {u"002", u"ad mh"},
    {u"004", u"mh ad mh ad"},
    {u"007", u"mh ad mh"},
    {u"036", u"ad mh ad mh"},
    {u"012", u"mh ad"},
    {u"003", u"ad mh ad mh ad mh"},
    {u"010", u"ad mh"},
    {u"006", u"ad mh ad mh"},
    {u"0350", u"mh ad mh ad mh"},
    {u"0351", u"sl mh sl mh sl mh"},
    {u"041", u"ad"},
    {u"0130", u"mh ad"},
    {u"0131", u"mh ad mh"},
    {u"000", u"mh ad mh ad mh"},
    {u"038", u"ad mh ad mh"},
    {u"019", u"ad mh"},
    {u"009", u"mh ad mh"},
    {u"021", u"ad mh ad"},
    {u"018", u"ad mh ad mh"},
    {u"0170", u"mh"},
    {u"0171", u"ad mh ad"},
    {u"037", u"mh ad mh"},
    {u"014", u"ad mh"},
    {u"040", u"ad mh ad mh ad"},
    {u"023", u"ad mh ad"},
    {u"028", u"mh sl"},
    {u"0250", u"ad mh"},
    {u"0251", u"ad mh ad"},
    {u"027", u"mh"},
    {u"024", u"mh"},
    {u"016", u"ad mh"},
    {u"011", u"ad mh"},
    {u"0320", u"ad mh"},
    {u"0321", u"wf mh wf mh"},
    {u"020", u"mh wf wf wf ad"},
    {u"033", u"mh ad mh ad ad mh ad"},
    {u"015", u"mh wf wf"},
    {u"039", u"wf mh wf mh"},
    {u"0220", u"mh mh"},
    {u"0221", u"wf"},
    {u"031", u"mh wf mh wf"},
    {u"026", u"wf mh"},
    {u"034", u"wf wf wf mh"},
    {u"030", u"wf mh"},
    {u"0290", u"mh wf mh"},
    {u"0291", u"mh wf"},
    {u"NoFreeWorkers", u"mh"},
};

constexpr std::u16string_view kSpeakers[] = {u"ad", u"mh", u"sl", u"wf"};

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsLevelName(std::u16string_view name) {
    return name.size() == 3 && std::all_of(name.begin(), name.end(), IsDigit);
}

}  // namespace

Talk MakeTalk(std::u16string id, std::u16string_view speakers) {
    Talk talk{std::move(id), {}};
    size_t at = 0;
    while (at < speakers.size()) {
        const size_t end = std::min(speakers.find(u' ', at), speakers.size());
        if (end > at) {
            std::u16string speaker(speakers.substr(at, end - at));
            std::u16string key = talk.id + u'_' + speaker + u'_';
            const std::string number = std::to_string(talk.phrases.size());
            key.append(number.begin(), number.end());
            talk.phrases.push_back({std::move(speaker), std::move(key)});
        }
        at = end + 1;
    }
    return talk;
}

std::u16string_view FirstSpeaker(const Talk& talk) {
    return talk.phrases.empty() ? std::u16string_view() : talk.phrases.front().speaker;
}

std::u16string_view SecondSpeaker(const Talk& talk) {
    const std::u16string_view first = FirstSpeaker(talk);
    for (const TalkPhrase& phrase : talk.phrases) {
        if (phrase.speaker != first)
            return phrase.speaker;
    }
    return {};
}

int PhraseSlot(const Talk& talk, int index) {
    if (index < 0 || index >= static_cast<int>(talk.phrases.size()))
        return -1;
    int slot = 0;
    for (int i = 1; i <= index; ++i) {
        if (talk.phrases[i].speaker != talk.phrases[i - 1].speaker)
            slot = 1 - slot;
    }
    return slot;
}

SpriteName GetSpeakerPortrait(std::u16string_view speaker) {
    const auto* found = std::find(std::begin(kSpeakers), std::end(kSpeakers), speaker);
    if (found == std::end(kSpeakers))
        return {};
    return {kSpeakerPortraitTexture, *found};
}

void cTalkTable::Build() {
    m_talks.clear();
    m_talks.reserve(std::size(kTalks));
    for (const TalkRow& row : kTalks)
        m_talks.push_back(MakeTalk(std::u16string(row.id), row.speakers));
}

int cTalkTable::PhraseCount() const {
    int count = 0;
    for (const Talk& talk : m_talks)
        count += static_cast<int>(talk.phrases.size());
    return count;
}

const Talk* cTalkTable::Find(std::u16string_view id) const {
    const auto found =
        std::find_if(m_talks.begin(), m_talks.end(), [&](const Talk& t) { return t.id == id; });
    return found == m_talks.end() ? nullptr : &*found;
}

std::vector<const Talk*> cTalkTable::FindLevelTalks(std::u16string_view levelName) const {
    std::vector<const Talk*> found;
    if (!IsLevelName(levelName))
        return found;
    for (const Talk& talk : m_talks) {
        const std::u16string_view id = talk.id;
        const bool whole = id == levelName;
        const bool part = id.size() == 4 && id.starts_with(levelName) && IsDigit(id.back());
        if (whole || part)
            found.push_back(&talk);
    }
    return found;
}
