// Replays in the real game: record() from the console records the level as
// the player plays it through the platform's input and saves it in the
// profile's folder; replay(name) plays the file back on screen to the very
// same level state; a replay file for no level of the game is refused.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Game.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"

namespace qor::test {
namespace {

struct cLevelSwitch {
    explicit cLevelSwitch(const char* value) { setenv("BRINDLEMOOR_LEVEL", value, 1); }
    ~cLevelSwitch() { unsetenv("BRINDLEMOOR_LEVEL"); }
};

TEST(ReplayShell, ARecordingFromTheConsolePlaysBackToTheSameLevel) {
    MarkGLUsed();
    const cLevelSwitch chosen("sources");
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.PlayWithNewProfile("Rec"));
    cGarden* garden = game.garden();
    // Each start of the level shows its briefing, which holds the level
    // (nothing ticks, nothing is recorded) until the player closes it.
    const auto closeBriefing = [&] {
        ASSERT_TRUE(game.WaitShown(u"start"));
        ASSERT_TRUE(game.Click(u"start", u"close"));
    };
    closeBriefing();

    cLevelWidget* level = garden->GetLevelWidget();
    ASSERT_NE(level, nullptr);
    ASSERT_NE(garden->replays, nullptr);

    RunBuffer(u"record()");
    ASSERT_TRUE(garden->replays->IsRecording());
    closeBriefing();
    game.Step(40);
    ASSERT_EQ(level->state, kLevelPlay);
    for (const char16_t* name : {u"well", u"west_field", u"wood"}) {
        const cRectF b = level->FindObjectByName(name)->GetBounds();
        game.ClickAt(static_cast<int>(b.x + b.w / 2), static_cast<int>(b.y + b.h / 2));
        game.Step(25);
    }
    game.MovePointer(300, 200);
    game.Step(200);
    RunBuffer(u"record()");
    ASSERT_FALSE(garden->replays->IsRecording());
    const uint64_t recorded = garden->replays->recordedDigest;
    ASSERT_NE(recorded, 0u);
    const std::string file = ToUtf8(garden->replays->recordedFile.full);
    EXPECT_NE(file.find("/profile/plr"), std::string::npos) << file;
    EXPECT_TRUE(file.ends_with("replay_sources_01.replay")) << file;
    ASSERT_TRUE(std::filesystem::exists(file));

    // Played back while the real pointer wanders elsewhere.
    RunBuffer(u"replay('replay_sources_01')");
    ASSERT_TRUE(garden->replays->IsPlaying());
    closeBriefing();
    game.MovePointer(900, 700);
    for (int frame = 0; frame < 2000 && garden->replays->IsPlaying(); ++frame)
        game.Step(1);
    EXPECT_FALSE(garden->replays->IsPlaying());
    EXPECT_EQ(garden->replays->playedDigest, recorded);

    // A replay of a level the game does not have.
    std::ofstream(std::filesystem::path(file).parent_path() / "foreign.replay")
        << "brindlemoor-replay 1\nlevel \"077\" 0123456789abcdef\nseed 1\nend 5\n";
    EXPECT_FALSE(garden->replays->Play(u"foreign"));
    EXPECT_FALSE(garden->replays->Play(u"no_such_file"));
}

}  // namespace
}  // namespace qor::test
