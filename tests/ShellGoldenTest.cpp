// The menu screens as a player sees them, with the default data, against
// their golden pictures: the first player's naming, main menu, options,
// player list and help.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/Path.h"
#include "engine/Strings.h"
#include "shell/Garden.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"

namespace qor::test {
namespace {

TEST(ShellGolden, MenuScreensLookFinished) {
    MarkGLUsed();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    std::filesystem::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(game.WaitShown(u"profile_new"));
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("shell_profile_new"));
    for (int i = 0; i < 6; ++i)
        game.Key(SDLK_BACKSPACE);
    game.Type("Anna");
    game.Key(SDLK_RETURN);
    ASSERT_TRUE(game.WaitShown(u"main"));
    // The pointer rests where it covers nothing of interest.
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("shell_main_menu"));

    ASSERT_TRUE(game.Click(u"main", u"btOptions"));
    ASSERT_TRUE(game.WaitShown(u"options"));
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("shell_options"));
    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"main"));

    ASSERT_TRUE(game.Click(u"main", u"btProfile"));
    ASSERT_TRUE(game.WaitShown(u"profile_select"));
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("shell_profile_list"));
    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"main"));

    ASSERT_TRUE(game.Click(u"main", u"btHelp"));
    ASSERT_TRUE(game.WaitShown(u"help"));
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("shell_help"));
}

}  // namespace
}  // namespace qor::test
