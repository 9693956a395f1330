#include "scene/SoundNumbers.h"

#include <algorithm>
#include <iterator>

namespace {

// Index = sound number (SoundNumber).
constexpr std::u16string_view kSoundNames[] = {
    u"worker_in",      u"worker_out",    u"build",       u"res_income",  u"bar_stone",
    u"bar_tree",       u"take",          u"respawn",     u"start_game",  u"task_done",
    u"level_success",  u"counter",       u"bonus_start", u"bonus_stop",  u"salute00",
    u"salute01",       u"salute02",      u"alarm",       u"sawmill",     u"mill",
    u"goldmill",       u"hero_out0",     u"hero_out1",   u"hint",        u"strike",
    u"spirit_death",   u"spirit_scream", u"build_ready", u"worker_fear", u"bandit_scream0",
    u"bandit_scream1", u"worker_joy",    u"shot",        u"ambi_forest", u"well",
    u"explosion",      u"ban",
};
static_assert(std::size(kSoundNames) == kSoundCount);

}  // namespace

std::u16string_view GetSoundName(int number) {
    return number >= 0 && number < kSoundCount ? kSoundNames[number] : std::u16string_view();
}

int FindSoundNumber(std::u16string_view name) {
    const auto* found = std::find(std::begin(kSoundNames), std::end(kSoundNames), name);
    return found == std::end(kSoundNames) ? -1 : static_cast<int>(found - kSoundNames);
}
