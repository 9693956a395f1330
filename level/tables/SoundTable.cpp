#include "level/tables/SoundTable.h"

#include <algorithm>
#include <iterator>

#include "engine/Log.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"

namespace {

constexpr std::u16string_view kGuiSoundNames[] = {u"click", u"typing", u"mouse_in"};

constexpr std::u16string_view kSender = u"cGarden";

}  // namespace

bool IsGuiSoundName(std::u16string_view name) {
    return std::find(std::begin(kGuiSoundNames), std::end(kGuiSoundNames), name) !=
           std::end(kGuiSoundNames);
}

void cSoundTable::Build(std::span<const std::u16string> loadedNames) {
    m_positions.assign(kSoundCount, 0);
    for (size_t position = 1; position < loadedNames.size(); ++position) {
        const std::u16string& name = loadedNames[position];
        const int number = FindSoundNumber(name);
        if (number >= 0)
            m_positions[number] = static_cast<int>(position);
        else if (!IsGuiSoundName(name))
            qor::LogEntry(qor::kLogWarning, kSender, u"ParseSounds: unusable sound found: %s",
                          name);
    }
    for (int number = 0; number < kSoundCount; ++number) {
        if (m_positions[number] == 0)
            qor::LogEntry(qor::kLogWarning, kSender, u"ParseResources: sound not loaded: %i",
                          number);
    }
}

int cSoundTable::GetPosition(int number) const {
    if (number < 0 || number >= size())
        return 0;
    return m_positions[number];
}

bool cSoundTable::PlaySound(int number) const {
    const int position = GetPosition(number);
    const qor::cSoundManager* manager = qor::g_soundManager;
    // Without output nothing can play; the manager said so once already.
    if (position == 0 || !manager || !manager->device().IsOpen())
        return false;
    // A manager made again after the table was built may hold fewer sounds.
    if (position >= static_cast<int>(manager->soundBuffers.size()))
        return false;
    qor::cSound sound(manager->soundBuffers[position]->name);
    return sound.Play();
}

std::vector<std::u16string> LoadedSoundNames(const qor::cSoundManager& manager) {
    std::vector<std::u16string> names;
    names.reserve(manager.soundBuffers.size());
    for (const auto& buffer : manager.soundBuffers)
        names.push_back(buffer->name);
    return names;
}
