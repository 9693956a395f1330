#pragma once
// The game's sound effects by number. Game code plays an effect by its number;
// the table turns the number into the position of the loaded sound in the
// sound manager, 0 when that sound was not loaded (the effect then stays
// silent). Built once loading is complete, from the manager's list.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scene/SoundNumbers.h"

namespace qor {
class cSoundManager;
}

// The sounds the controls play by name ("click", "typing", "mouse_in"): they
// have no number, yet they are loaded on purpose.
bool IsGuiSoundName(std::u16string_view name);

class cSoundTable {
  public:
    // `loadedNames` are the names of the manager's loaded sounds in its order;
    // position 0 is the manager's placeholder and is skipped. Logs every loaded
    // sound that nothing plays and every number left without a sound.
    void Build(std::span<const std::u16string> loadedNames);

    // The manager position of sound `number`; 0 when the number is out of
    // range, its sound was not loaded or the table is not built yet.
    int GetPosition(int number) const;
    int size() const { return static_cast<int>(m_positions.size()); }

    // Plays sound `number` through the sound manager. False, and silent, when
    // there is nothing to play or no output.
    bool PlaySound(int number) const;

  private:
    std::vector<int> m_positions;
};

// The names of the manager's loaded sounds in its order, for Build.
std::vector<std::u16string> LoadedSoundNames(const qor::cSoundManager& manager);
