// Replays in the real game, made and watched as a player does: the pause
// menu saves the level played so far into the profile's folder and says so,
// the same go at a level keeps one file and a new go starts another; the
// results save the level just won; and the game started with --replay plays
// a saved file in its level and wins it, or goes on to the menu when the
// file can't be played.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/Game.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "gui/Ctrl.h"
#include "level/LevelDigest.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayPlayer.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TalkTestKit.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

struct cLevelSwitch {
    explicit cLevelSwitch(const char* value) { setenv("BRINDLEMOOR_LEVEL", value, 1); }
    ~cLevelSwitch() { unsetenv("BRINDLEMOOR_LEVEL"); }
};

// The game as started with "--replay FILE" (nothing when FILE is empty).
struct cStartedWith {
    explicit cStartedWith(const std::string& file) {
        std::vector<const char*> words;
        if (!file.empty())
            words = {"--replay", file.c_str()};
        std::string error;
        EXPECT_TRUE(ParseCommandLine(words, &g_commandLine, &error)) << error;
    }
    ~cStartedWith() { g_commandLine = cCommandLine{}; }
};

bool LogSays(std::u16string_view needle) {
    for (const auto& line : g_log->console()->lines()) {
        if (line.find(needle) != line.npos)
            return true;
    }
    return false;
}

fs::path ProfileFolder(cGarden* garden) {
    return ToUtf8(garden->GetCurrentPlayer()->FolderPath().full);
}

// The note under a Save Replay button (a text box ends its text with a space).
std::u16string Note(cShellDriver& game, const std::u16string& window) {
    std::u16string text = game.Caption(window, u"replayNote");
    if (!text.empty() && text.back() == u' ')
        text.pop_back();
    return text;
}

// Opens the pause menu with Escape, presses Save Replay and gives the note.
std::u16string SaveFromPauseMenu(cShellDriver& game) {
    game.Key(SDLK_ESCAPE);
    EXPECT_TRUE(game.WaitShown(u"escape"));
    EXPECT_EQ(Note(game, u"escape"), u"");
    EXPECT_TRUE(game.Click(u"escape", u"btReplay"));
    return Note(game, u"escape");
}

TEST(ReplayShell, ThePauseMenuSavesTheLevelSoFarOneFileForEachGo) {
    MarkGLUsed();
    const cLevelSwitch chosen("sources");
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.PlayWithNewProfile("Rec"));
    cGarden* garden = game.garden();
    const auto closeBriefing = [&] {
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_TRUE(game.Click(u"start", u"close"));
    };
    closeBriefing();
    cLevelWidget* level = garden->GetLevelWidget();
    ASSERT_NE(level, nullptr);
    game.Step(40);
    ASSERT_EQ(level->state, kLevelPlay);
    for (const char16_t* name : {u"well", u"west_field", u"wood"}) {
        const cRectF b = level->FindObjectByName(name)->GetBounds();
        game.ClickAt(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
        game.Step(25);
    }
    game.MovePointer(300, 200);
    game.Step(100);

    const fs::path first = ProfileFolder(garden) / "replay_sources_01.replay";
    EXPECT_EQ(SaveFromPauseMenu(game),
              u"Saved in your profile's folder as replay_sources_01.replay");
    ASSERT_TRUE(fs::exists(first));
    const int32_t pausedAt = ReadReplay(first).endTick;
    EXPECT_GT(pausedAt, 150);

    // Played on and saved again: the same file, grown.
    ASSERT_TRUE(game.Click(u"escape", u"btResume"));
    game.Step(100);
    EXPECT_EQ(SaveFromPauseMenu(game),
              u"Saved in your profile's folder as replay_sources_01.replay");
    const uint64_t pausedState = DigestLevel(*level);
    const cReplay grown = ReadReplay(first);
    EXPECT_GT(grown.endTick, pausedAt + 90);
    EXPECT_FALSE(fs::exists(ProfileFolder(garden) / "replay_sources_02.replay"));

    // A new go at the level is a new file, recorded from its own start.
    ASSERT_TRUE(game.Click(u"escape", u"btRestart"));
    game.Step(30);
    EXPECT_EQ(SaveFromPauseMenu(game),
              u"Saved in your profile's folder as replay_sources_02.replay");
    EXPECT_LT(ReadReplay(ProfileFolder(garden) / "replay_sources_02.replay").endTick, 60);
    ASSERT_TRUE(game.Click(u"escape", u"btResume"));

    // The first file brings the level to where the player paused, while the
    // real pointer wanders elsewhere.
    ASSERT_TRUE(garden->replays->Play(FromUtf8(first.string())));
    closeBriefing();
    game.MovePointer(900, 700);
    for (int frame = 0; frame < 2000 && garden->replays->IsPlaying(); ++frame)
        game.Step(1);
    EXPECT_FALSE(garden->replays->IsPlaying());
    EXPECT_EQ(garden->replays->playedDigest, pausedState);

    // A replay being watched is no go of the player's: nothing to save.
    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"escape"));
    const cCtrl* button = game.Control(u"escape", u"btReplay");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->TakesPart());
}

TEST(ReplayShell, AWonLevelSavedFromTheResultsPlaysAndWinsWhenTheGameStartsWithIt) {
    MarkGLUsed();
    std::string saved;
    {
        cShellDriver game;
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.PlayWithNewProfile("Winner"));
        ASSERT_TRUE(game.WaitShown(u"map"));
        cGarden* garden = game.garden();
        const cReplay solution =
            ReadReplay(fs::path(QOR_SOURCE_DIR) / "data-src/level/solutions/level000.replay");
        garden->random.seed = solution.seed;
        ASSERT_TRUE(game.Click(u"map", u"play"));
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_TRUE(game.Click(u"start", u"close"));
        game.FollowInjectedPointer();
        PlayFirstLevelByHand(game, solution);
        ASSERT_EQ(garden->GetLevelWidget()->state, kLevelFinished);

        ASSERT_TRUE(game.WaitShown(u"finish", 400));
        ASSERT_TRUE(game.WaitResultsCounted());
        const cCtrl* button = game.Control(u"finish", u"replay");
        ASSERT_TRUE(button && button->TakesPart());
        ASSERT_TRUE(game.Click(u"finish", u"replay"));
        EXPECT_EQ(Note(game, u"finish"), u"Saved in your profile's folder as replay_001_01.replay");
        const fs::path file = ProfileFolder(garden) / "replay_001_01.replay";
        ASSERT_TRUE(fs::exists(file));
        const cReplay won = ReadReplay(file);
        EXPECT_EQ(won.seed, solution.seed);
        // The whole level up to its win: no quicker than the solution it followed.
        EXPECT_GE(won.endTick, solution.endTick);
        saved = file.string();
        ASSERT_TRUE(game.Click(u"finish", u"close"));
        ASSERT_TRUE(game.WaitShown(u"map"));
    }

    // Started with the file: after loading, the level instead of the menu,
    // played by the replay to its win.
    const cStartedWith switches(saved);
    cShellDriver game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(game.WaitShown(u"start"));
    EXPECT_FALSE(game.IsShown(u"main"));
    cGarden* garden = game.garden();
    ASSERT_TRUE(garden->replays->IsPlaying());
    cLevelWidget* level = garden->GetLevelWidget();
    EXPECT_EQ(level->levelName, u"001");
    ASSERT_TRUE(game.Click(u"start", u"close"));
    for (int frame = 0; frame < 30 * 200 && level->state != kLevelFinished; ++frame)
        game.StepUnseen(1);
    EXPECT_EQ(level->state, kLevelFinished) << "the saved replay wins its level";
    EXPECT_TRUE(game.WaitShown(u"finish", 400));
}

TEST(ReplayShell, AStartWithAReplayThatCannotBePlayedGoesOnToTheMenu) {
    MarkGLUsed();
    const fs::path folder = fs::temp_directory_path() / "brindlemoor_bad_replays";
    fs::create_directories(folder);
    std::ofstream(folder / "foreign.replay")
        << "brindlemoor-replay 1\nlevel \"077\" 0123456789abcdef\nseed 1\nend 5\n";
    std::ofstream(folder / "truncated.replay") << "brindlemoor-replay 1\nlevel \"001\" 4b7e";
    struct cCase {
        std::string file;
        std::u16string logged;
    } cases[] = {
        {(folder / "missing.replay").string(), u"Replay refused: can't read"},
        {(folder / "foreign.replay").string(), u"which this game does not have"},
        {(folder / "truncated.replay").string(), u"truncated.replay: line 2"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.file);
        const cStartedWith switches(c.file);
        cShellDriver game;
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMainMenu("Viewer"));
        EXPECT_FALSE(game.garden()->replays->IsPlaying());
        EXPECT_TRUE(LogSays(c.logged));
    }
    fs::remove_all(folder);
}

TEST(ReplayCommandLine, TakesTheReplaySwitchAndRefusesWhatItDoesNotKnow) {
    cCommandLine line;
    std::string error;
    const char* relative[] = {"--replay", "bugs/../bug.replay"};
    ASSERT_TRUE(ParseCommandLine(relative, &line, &error)) << error;
    EXPECT_EQ(ToUtf8(line.replayFile), (fs::current_path() / "bug.replay").string());
    const char* absolute[] = {"--replay", "/tmp/x y.replay"};
    ASSERT_TRUE(ParseCommandLine(absolute, &line, &error));
    EXPECT_EQ(line.replayFile, u"/tmp/x y.replay");
    ASSERT_TRUE(ParseCommandLine({}, &line, &error));
    EXPECT_TRUE(line.replayFile.empty());
    const char* help[] = {"--help"};
    ASSERT_TRUE(ParseCommandLine(help, &line, &error));
    EXPECT_TRUE(line.help);

    struct cBad {
        std::vector<const char*> words;
        std::string error;
    } bad[] = {
        {{"--replay"}, "--replay needs the replay file after it"},
        {{"--replay", ""}, "--replay needs the replay file after it"},
        {{"--replya", "x"}, "unknown argument '--replya'"},
        {{"game.replay"}, "unknown argument 'game.replay'"},
    };
    for (const cBad& b : bad) {
        EXPECT_FALSE(ParseCommandLine(b.words, &line, &error));
        EXPECT_EQ(error, b.error);
    }
}

}  // namespace
}  // namespace qor::test
