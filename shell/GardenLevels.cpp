// The level files kept in memory, and the score and resources of the current
// profile that the level code works with.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"

using namespace qor;

void cGarden::AddLevel() {
    levels.emplace_back();
    currentLevel = static_cast<int>(levels.size()) - 1;
}

void cGarden::SetCurrentLevel(int index) {
    if (index < 0 || index >= static_cast<int>(levels.size()))
        return;
    currentLevel = index;
    cLevelWidget* level = GetLevelWidget();
    if (!level)
        return;
    // The level added when no level file was found is played as a new one.
    if (levels[index].empty()) {
        level->NewLevel();
        return;
    }
    // Loading draws from the generator: a replay starts from the seed before it.
    const uint32_t seed = random.seed;
    qor::cBitStream stream;
    stream.Load(levels[index].data(), levels[index].size());
    level->LoadLevel(stream);
    if (replays)
        replays->OnLevelLoaded(index, seed);
}

cLevelWidget* cGarden::GetLevelWidget() const {
    return static_cast<cLevelWidget*>(levelWidget);
}

bool cGarden::StartDevelopmentLevel() {
    const char* value = std::getenv("BRINDLEMOOR_LEVEL");
    if (!value || !*value || !levelWidget)
        return false;
    const std::u16string given = FromUtf8(value);
    // A name without folder or extension is one of the test levels.
    const bool bare = given.find(u'/') == std::u16string::npos && !given.ends_with(u".lvl");
    const cPath path(bare ? u"{StaticPath}/testlevel/" + given + u".lvl" : given);
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, &bytes) != 0 || bytes.empty()) {
        LogEntry(kLogWarning, u"cGarden", u"BRINDLEMOOR_LEVEL: can't read the level %s", path.full);
        return false;
    }
    LogEntry(kLogText, u"cGarden", u"BRINDLEMOOR_LEVEL: playing %s", path.full);
    levels.push_back(std::move(bytes));
    currentLevel = static_cast<int>(levels.size()) - 1;
    developmentLevel = currentLevel;
    SwitchScreen(u"level", u"menu");
    return true;
}

void cGarden::MoveLevelUp() {
    if (currentLevel <= 0 || currentLevel >= static_cast<int>(levels.size()))
        return;
    std::swap(levels[currentLevel], levels[currentLevel - 1]);
    --currentLevel;
}

void cGarden::MoveLevelDown() {
    if (currentLevel < 0 || currentLevel + 1 >= static_cast<int>(levels.size()))
        return;
    std::swap(levels[currentLevel], levels[currentLevel + 1]);
    ++currentLevel;
}

void cGarden::RemoveLevel() {
    if (currentLevel < 0 || currentLevel >= static_cast<int>(levels.size()))
        return;
    levels.erase(levels.begin() + currentLevel);
    currentLevel = std::max(0, currentLevel - 1);
}

int cGarden::LoadLevels() {
    cFileFinder finder;
    for (cPath entry = FindFirst(finder, cPath(u"{StaticPath}/level")); !entry.empty();
         entry = FindNext(finder)) {
        if (entry.ext != u"lvl")
            continue;
        // Every file keeps its place, readable or not: the map's points
        // follow the file order, and a level left out would move every later
        // one onto its neighbour's point. An empty buffer is a place the map
        // does not start.
        std::vector<uint8_t> bytes;
        if (const int rc = ReadWholeFile(entry, &bytes); rc != 0) {
            const int number = static_cast<int>(levels.size()) + 1;
            LogEntry(kLogWarning, u"cGarden",
                     rc == 3 ? u"Level %i can't be played: its file %s is empty"
                             : u"Level %i can't be played: its file %s can't be read",
                     number, entry.full);
            bytes.clear();
        }
        levels.push_back(std::move(bytes));
    }
    finder.Close();
    return static_cast<int>(levels.size());
}

void cGarden::AddScore(int points) {
    if (cPlayer* player = GetCurrentPlayer())
        player->score += points;
}

int cGarden::GetScore() const {
    const cPlayer* player = GetCurrentPlayer();
    return player ? player->score : 0;
}

bool cGarden::CanAfford(const ResourceSet& cost) const {
    const cPlayer* player = GetCurrentPlayer();
    if (!player)
        return false;
    for (int i = 0; i < kResourceCount; ++i) {
        if (player->resources[i] < cost[i])
            return false;
    }
    return true;
}

bool cGarden::Spend(const ResourceSet& cost) {
    if (!CanAfford(cost))
        return false;
    cPlayer* player = GetCurrentPlayer();
    player->resources -= cost;
    if (cLevelWidget* level = GetLevelWidget())
        level->UpdateTasks(kTaskResource);
    return true;
}

void cGarden::Earn(const ResourceSet& amounts) {
    cPlayer* player = GetCurrentPlayer();
    if (!player)
        return;
    player->resources += amounts;
    // A statistic summed over a whole profile's life must not wrap round.
    int64_t earned = player->earned;
    for (int i = 0; i < kResourceCount; ++i)
        earned += amounts[i];
    player->earned = static_cast<int32_t>(std::clamp<int64_t>(
        earned, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    if (cLevelWidget* level = GetLevelWidget())
        level->UpdateTasks(kTaskResource);
}

ResourceSet cGarden::GetResources() const {
    const cPlayer* player = GetCurrentPlayer();
    return player ? player->resources : ResourceSet{};
}

int cGarden::GetWood() const {
    return GetResources()[0];
}

int cGarden::GetFood() const {
    return GetResources()[1];
}

int cGarden::GetMoney() const {
    return GetResources()[2];
}
