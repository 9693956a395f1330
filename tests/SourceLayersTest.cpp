// The source folders are layers: a file may include its own layer and those
// below it, never one above. A folder that reaches up ties the lower layer to
// the game it sits under, and the next subsystem built on it inherits the knot.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// engine/ and gui/ share a rank: the loading screen and the locale switch
// drive GUI windows, and the GUI draws through the engine.
const std::map<std::string, int> kRank = {{"engine", 0}, {"gui", 0},   {"scene", 1},
                                          {"level", 2},  {"world", 3}, {"shell", 4}};

// app/ holds the hub every layer reaches (g_game, the widget base, the
// platform) as well as the entry point; its headers are open to everyone.
bool IsHub(const std::string& include) {
    return include.rfind("app/", 0) == 0;
}

std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// The content tables sit below the rest of the level: the level, the world map
// and the shell read them, and they read nothing of the level but each other.
bool IsLevelTable(const std::string& path) {
    return path.rfind("level/tables/", 0) == 0;
}

std::vector<std::string> UpwardIncludes(const fs::path& root) {
    std::vector<std::string> faults;
    const std::regex includeLine(R"(^\s*#\s*include\s*"([^"]+)\")");
    for (const auto& [folder, rank] : kRank) {
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            const std::string file = fs::relative(entry.path(), root).generic_string();
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (!std::regex_search(line, match, includeLine))
                    continue;
                const std::string include = match[1];
                const auto target = kRank.find(TopFolder(include));
                bool upward = false;
                if (IsHub(include) || target == kRank.end())
                    upward = false;
                else if (target->second > rank)
                    upward = true;
                else if (IsLevelTable(file) && target->first == "level")
                    upward = !IsLevelTable(include);
                if (upward)
                    faults.push_back(file + ":" + std::to_string(number) + " includes " + include);
            }
        }
    }
    return faults;
}

TEST(SourceLayers, EveryIncludePointsDownALayer) {
    const std::vector<std::string> faults = UpwardIncludes(QOR_SOURCE_DIR);
    std::string listing;
    for (const std::string& fault : faults)
        listing += "\n  " + fault;
    EXPECT_TRUE(faults.empty()) << "includes that reach up a layer:" << listing;
}

TEST(SourceLayers, TheCheckSeesAnUpwardInclude) {
    const fs::path root = fs::temp_directory_path() / "qor_layers_probe";
    fs::remove_all(root);
    for (const auto& [folder, rank] : kRank)
        fs::create_directories(root / folder);
    fs::create_directories(root / "level/tables");
    std::ofstream(root / "engine/Fine.h") << "#include \"engine/Log.h\"\n#include \"app/Game.h\"\n";
    std::ofstream(root / "gui/Up.h") << "#include \"scene/Ramp.h\"\n";
    std::ofstream(root / "level/tables/Up.cpp") << "#include \"level/LevelWidget.h\"\n";
    std::ofstream(root / "level/tables/Fine.cpp") << "#include \"level/tables/SpellTable.h\"\n";
    const std::vector<std::string> faults = UpwardIncludes(root);
    fs::remove_all(root);
    EXPECT_EQ(faults,
              (std::vector<std::string>{"gui/Up.h:1 includes scene/Ramp.h",
                                        "level/tables/Up.cpp:1 includes level/LevelWidget.h"}));
}

}  // namespace
