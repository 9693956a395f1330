// Each level file keeps its place on the world map: a file that is empty,
// unreadable or no file at all is a point that cannot be played, and the
// levels after it stay on their own points.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/Path.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "shell/Garden.h"
#include "tests/GameDataFolder.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/MapWidget.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

TEST(LevelSlots, ADamagedLevelKeepsItsPointAndTheNextLevelsKeepTheirs) {
    MarkGLUsed();
    UseTestSystemPaths();
    fs::remove_all(fs::path(ToUtf8(GetSystemPaths().appPath)) / "profile");
    const std::vector<uint8_t> first = ReadBytes("data/level/level000.lvl");
    const std::vector<uint8_t> third = ReadBytes("data/level/level002.lvl");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(third.empty());
    // Places 2 to 4 are damaged: an empty file, a link to nothing, a folder.
    const cGameDataFolder data(true, {first, {}, {}, {}, third});
    const fs::path levels = fs::path(ToUtf8(data.u16())) / "level";
    fs::remove(levels / "level002.lvl");
    fs::create_symlink(levels / "gone.lvl", levels / "level002.lvl");
    fs::remove(levels / "level003.lvl");
    fs::create_directory(levels / "level003.lvl");

    cShellDriver game;
    if (!game.Start(data.u16()))
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu());
    cGarden* garden = game.garden();
    ASSERT_EQ(garden->levels.size(), 5u);
    EXPECT_EQ(garden->levels[4], third);
    const std::u16string log = ReadLog();
    EXPECT_NE(log.find(u"Level 2 can&#39;t be played: its file"), std::u16string::npos);
    EXPECT_NE(log.find(u"Level 3 can&#39;t be played: its file"), std::u16string::npos);
    EXPECT_NE(log.find(u"Level 4 can&#39;t be played: its file"), std::u16string::npos);

    cMapWidget* map = garden->mapWidget;
    ASSERT_NE(map, nullptr);
    ASSERT_TRUE(game.StartToMap());
    for (int damaged : {1, 2, 3}) {
        SCOPED_TRACE(damaged);
        map->OpenLevel(damaged);
        ASSERT_EQ(map->GetCurrentLevel(), damaged);
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"messagebox")) << "the damaged level must not start";
        EXPECT_FALSE(game.IsShown(u"start"));
        ASSERT_TRUE(game.Click(u"messagebox", u"ok"));
        game.Step(30);
        ASSERT_TRUE(game.IsShown(u"map"));
    }
    map->OpenLevel(4);
    ASSERT_TRUE(game.Click(u"map", u"play"));
    ASSERT_TRUE(game.WaitShown(u"start"));
    EXPECT_EQ(garden->GetCurrentLevelIndex(), 4);
    EXPECT_EQ(garden->GetLevelWidget()->levelName, u"004")
        << "the fifth point plays the fifth file";
}

}  // namespace
}  // namespace qor::test
