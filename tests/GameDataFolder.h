#pragma once
// A data folder for the game made of its own generated data, with a level
// folder of the test's: the world map's file when asked for, and the test's
// level files as "level000.lvl", "level001.lvl" ... in play order.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/TestUtil.h"

namespace qor::test {

class cGameDataFolder {
  public:
    cGameDataFolder(bool withMap, const std::vector<std::vector<uint8_t>>& levels);
    std::u16string u16() const { return m_folder.u16(); }

  private:
    cTempFolder m_folder;
};

}  // namespace qor::test
