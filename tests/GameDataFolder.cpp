#include "tests/GameDataFolder.h"

#include <cstdio>
#include <filesystem>

namespace qor::test {

namespace fs = std::filesystem;

cGameDataFolder::cGameDataFolder(bool withMap, const std::vector<std::vector<uint8_t>>& levels) {
    const fs::path data = fs::absolute("data");
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() != "level")
            fs::create_directory_symlink(entry.path(), m_folder.path() / entry.path().filename());
    }
    fs::create_directories(m_folder.path() / "level");
    if (withMap)
        fs::copy_file(data / "level/map.lvx", m_folder.path() / "level/map.lvx");
    for (size_t i = 0; i < levels.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "level%03zu.lvl", i);
        WriteBytes(m_folder.path() / "level" / name, levels[i]);
    }
}

}  // namespace qor::test
