// The real game from its first start with an empty data home, driven as a
// player would: the first player is named, the options change, a second
// player is added, chosen and deleted, and the game is quit with its
// confirmation. The next start finds everything as it was left, and the files
// on disk hold exactly the bytes of their layouts.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/FormatString.h"
#include "engine/Path.h"
#include "engine/Sound.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"
#include "gui/GUI.h"
#include "gui/ListSysCtrl.h"
#include "gui/Window.h"
#include "shell/Garden.h"
#include "shell/OptionsWF.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

fs::path AppFolder() {
    return fs::path(ToUtf8(GetSystemPaths().appPath));
}

// UTF-16LE bytes of an ASCII text.
std::vector<uint8_t> Utf16(const std::string& text) {
    std::vector<uint8_t> bytes;
    for (char c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

std::vector<uint8_t> CounterBytes(int counter, const std::string& name) {
    std::vector<uint8_t> bytes = {static_cast<uint8_t>(counter),     0, 0, 0,
                                  static_cast<uint8_t>(name.size()), 0};
    const auto text = Utf16(name);
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

// A fresh profile record: version 2, the name, reserved and hints on, score,
// builds and earned 0.
std::vector<uint8_t> PlayerBytes(const std::string& name) {
    std::vector<uint8_t> bytes = {2, 0, 0, 0, static_cast<uint8_t>(name.size()), 0};
    const auto text = Utf16(name);
    bytes.insert(bytes.end(), text.begin(), text.end());
    const uint8_t tail[] = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.insert(bytes.end(), std::begin(tail), std::end(tail));
    return bytes;
}

// The progress of a new player on the game's forty-level map: the version,
// then per point its type, id (its level's number), medal and chosen flag.
std::vector<uint8_t> FreshMapProgress() {
    std::vector<uint8_t> bytes = {2, 0, 0, 0};
    for (uint8_t level = 1; level <= 40; ++level) {
        const uint8_t open = level == 1 ? 1 : 0;
        const uint8_t record[] = {0, 0, 0, 0x80, level, 0, 0, 0, open, 0, 0, 0, open};
        bytes.insert(bytes.end(), std::begin(record), std::end(record));
    }
    return bytes;
}

cListSysCtrl* ProfileList(cShellDriver& game) {
    return dynamic_cast<cListSysCtrl*>(game.Control(u"profile_select", u"lstProfile"));
}

// Clicks row `row` of the player list (rows are 40 units high from the top).
// A row takes the click only on its text, which starts at the row's left.
bool ClickRow(cShellDriver& game, int row) {
    cListSysCtrl* list = ProfileList(game);
    if (!list)
        return false;
    const cRectF r = list->GetRect();
    return game.Click(u"profile_select", u"lstProfile", 12.0f / r.w,
                      1.0f - (20.0f + 40.0f * row) / r.h);
}

void Rename(cShellDriver& game, const std::string& name) {
    for (int i = 0; i < 8; ++i)
        game.Key(SDLK_BACKSPACE);
    game.Type(name);
    game.Key(SDLK_RETURN);
}

// Pixels that differ between two frames inside the rectangle (pixels, top row
// first; x1 and y1 excluded).
int DifferentPixels(const cRgbaImage& a, const cRgbaImage& b, int x0, int y0, int x1, int y1) {
    if (a.width != b.width || a.height != b.height)
        return a.width * a.height + 1;
    int differ = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            for (int c = 0; c < 3; ++c) {
                if (std::abs(a.At(x, y)[c] - b.At(x, y)[c]) > 6) {
                    ++differ;
                    break;
                }
            }
        }
    }
    return differ;
}

class ShellIntegration : public ::testing::Test {
  protected:
    void SetUp() override {
        MarkGLUsed();
        UseTestSystemPaths();
        fs::remove_all(AppFolder() / "profile");
        fs::remove_all(AppFolder() / "conf");
    }
};

TEST_F(ShellIntegration, FirstStartToQuitAndBackAgain) {
    float soundVolume = 0, musicVolume = 0;
    {
        cShellDriver game;
        if (!game.Start())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(game.ReachMenus());
        // A first start: one unnamed player, already on disk.
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/counter.dat"), CounterBytes(1, ""));
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/plr000/player.dat"), PlayerBytes(""));
        ASSERT_TRUE(game.WaitShown(u"profile_new"));
        EXPECT_EQ(game.Caption(u"profile_new", u"title"), u"Welcome!");

        Rename(game, "Anna");
        ASSERT_TRUE(game.WaitShown(u"main"));
        EXPECT_EQ(game.Caption(u"main", u"lbProfile"), u"Hello, Anna!");
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/plr000/player.dat"), PlayerBytes("Anna"));

        // Options: both volumes act at once, the sound slider plays its preview.
        ASSERT_TRUE(game.Click(u"main", u"btOptions"));
        ASSERT_TRUE(game.WaitShown(u"options"));
        ASSERT_TRUE(game.Drag(u"options", u"slSound", 0.2f));
        ASSERT_TRUE(game.Drag(u"options", u"slMusic", 0.8f));
        ASSERT_NE(g_soundManager, nullptr);
        soundVolume = g_soundManager->GetVolume(kVolumeSounds);
        musicVolume = g_soundManager->GetVolume(kVolumeMusic);
        EXPECT_NEAR(soundVolume, 0.2f, 0.03f);
        EXPECT_NEAR(musicVolume, 0.8f, 0.03f);
        auto* options =
            dynamic_cast<cOptionsWF*>(g_game->gui()->GetWnd(u"options")->function.get());
        ASSERT_TRUE(options && options->previewSound);
        EXPECT_NE(options->previewSound->channel, 0u) << "the preview sound was never played";

        // To a window and back to full screen: the screen draws as before.
        game.MovePointer(1000, 20);
        game.Step(2);
        cRgbaImage before, after;
        ASSERT_TRUE(CaptureFrame(&before));
        ASSERT_TRUE(game.Click(u"options", u"cbWindowed", 0.05f));
        EXPECT_EQ(g_fullScreen, 0);
        game.Step(5);
        ASSERT_TRUE(game.Click(u"options", u"cbWindowed", 0.05f));
        EXPECT_EQ(g_fullScreen, 1);
        game.MovePointer(1000, 20);
        game.Step(5);
        ASSERT_TRUE(CaptureFrame(&after));
        // The room behind the menus lives on meanwhile (trees sway, clouds
        // drift), so the two frames are compared where nothing moves: down the
        // middle, through the options window and the background below it; and
        // the old oak on the left, which only leans, keeps its colours.
        EXPECT_LT(DifferentPixels(before, after, 380, 150, 640, 768), 260 * 618 / 500)
            << "a texture no longer draws after the window was made again";
        EXPECT_LT(DifferentPixels(before, after, 0, 300, 200, 440), 200 * 140 / 5)
            << "the room's sprites no longer draw after the window was made again";
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"main"));

        // A second player, added and made current.
        ASSERT_TRUE(game.Click(u"main", u"btProfile"));
        ASSERT_TRUE(game.WaitShown(u"profile_select"));
        ASSERT_TRUE(game.Click(u"profile_select", u"btAdd"));
        ASSERT_TRUE(game.WaitShown(u"profile_add"));
        Rename(game, "Bruno");
        ASSERT_TRUE(game.WaitShown(u"profile_select"));
        ASSERT_EQ(ProfileList(game)->GetCount(), 2);
        EXPECT_EQ(ProfileList(game)->FindSelected(0), 1);
        EXPECT_EQ(game.garden()->GetCurrentPlayerName(), u"Bruno");
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/counter.dat"), CounterBytes(2, "Bruno"));
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/plr001/player.dat"), PlayerBytes("Bruno"));

        // Anna is chosen again from the list.
        ASSERT_TRUE(ClickRow(game, 0));
        ASSERT_TRUE(game.Click(u"profile_select", u"btOk"));
        ASSERT_TRUE(game.WaitShown(u"main"));
        EXPECT_EQ(game.Caption(u"main", u"lbProfile"), u"Hello, Anna!");
        EXPECT_EQ(ReadBytes(AppFolder() / "profile/counter.dat"), CounterBytes(2, "Anna"));

        // Bruno goes, once the question is answered with yes.
        ASSERT_TRUE(game.Click(u"main", u"btProfile"));
        ASSERT_TRUE(game.WaitShown(u"profile_select"));
        ASSERT_TRUE(ClickRow(game, 1));
        ASSERT_TRUE(game.Click(u"profile_select", u"btDelete"));
        ASSERT_TRUE(game.WaitShown(u"messagebox"));
        EXPECT_TRUE(fs::exists(AppFolder() / "profile/plr001")) << "deleted before the answer";
        ASSERT_TRUE(game.Click(u"messagebox", u"ok"));
        game.Step(30);
        EXPECT_FALSE(fs::exists(AppFolder() / "profile/plr001"));
        EXPECT_EQ(ProfileList(game)->GetCount(), 1);
        EXPECT_EQ(game.garden()->GetPlayerCount(), 1);
        EXPECT_EQ(game.garden()->GetCurrentPlayerName(), u"Anna");

        // Escape back to the menu, Escape again asks, Enter says yes: the game ends.
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"main"));
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"messagebox"));
        EXPECT_TRUE(game.IsShown(u"main")) << "the question stands over the menu";
        game.Key(SDLK_RETURN);
        bool running = true;
        for (int i = 0; i < 60 && running; ++i)
            running = game.Step();
        EXPECT_FALSE(running) << "confirming the exit question must quit";
    }

    // Written at exit, byte for byte.
    EXPECT_EQ(ReadBytes(AppFolder() / "profile/counter.dat"), CounterBytes(2, "Anna"));
    EXPECT_EQ(ReadBytes(AppFolder() / "profile/plr000/player.dat"), PlayerBytes("Anna"));
    EXPECT_EQ(ReadBytes(AppFolder() / "profile/plr000/map.dat"), FreshMapProgress())
        << "a new player's map: the first level open and chosen";
    const std::u16string settings = Format(
        u"runWindowed=false\nsoundVolume=%f\nmusicVolume=%f\nshowHints=true\n"
        u"currentLocale='en'\n",
        {static_cast<double>(soundVolume), static_cast<double>(musicVolume)});
    EXPECT_EQ(ReadUtf16File(AppFolder() / "conf/settings.lua"), settings);
    const std::vector<uint8_t> settingsBytes = ReadBytes(AppFolder() / "conf/settings.lua");
    ASSERT_GE(settingsBytes.size(), 2u);
    EXPECT_EQ(settingsBytes[0], 0xFF);
    EXPECT_EQ(settingsBytes[1], 0xFE);

    // The second start: straight to the menu with Anna, the settings kept.
    cShellDriver game;
    ASSERT_TRUE(game.Start());
    EXPECT_FLOAT_EQ(g_soundManager->GetVolume(kVolumeSounds), soundVolume);
    EXPECT_FLOAT_EQ(g_soundManager->GetVolume(kVolumeMusic), musicVolume);
    EXPECT_EQ(g_fullScreen, 1);
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(game.WaitShown(u"main"));
    EXPECT_FALSE(game.IsShown(u"profile_new"));
    EXPECT_EQ(game.Caption(u"main", u"lbProfile"), u"Hello, Anna!");
    EXPECT_EQ(game.garden()->GetPlayerCount(), 1);
    EXPECT_EQ(game.garden()->profileCounter, 2);
}

// The game data with the main menu's script failing half way and the first
// player's naming window without a script.
void LinkDataWithBrokenMenus(const fs::path& into) {
    const fs::path data = fs::absolute("data");
    for (const auto& entry : fs::directory_iterator(data)) {
        if (entry.path().filename() != "gui")
            fs::create_directory_symlink(entry.path(), into / entry.path().filename());
    }
    fs::create_directories(into / "gui");
    for (const auto& entry : fs::directory_iterator(data / "gui")) {
        const std::string name = entry.path().filename().string();
        if (name != "main.lua" && name != "profile_new.lua")
            fs::create_symlink(entry.path(), into / "gui" / name);
    }
    WriteUtf16File(into / "gui/main.lua",
                   u"function FillWindow(w)\n  createLabelCtrl(w, 'lbProfile')\n"
                   u"  error('the menu is broken')\nend\n");
}

TEST_F(ShellIntegration, BrokenMenuScriptsStillStartAndQuit) {
    cTempFolder data;
    LinkDataWithBrokenMenus(data.path());
    cShellDriver game;
    if (!game.Start(data.u16()))
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMenus());
    game.Step(30);
    const std::u16string log = ReadLog();
    EXPECT_NE(log.find(u"FillWindow of &#39;main&#39; failed"), std::u16string::npos);
    EXPECT_NE(log.find(u"profile_new.lua"), std::u16string::npos);
    EXPECT_TRUE(game.IsShown(u"profile_new")) << "the empty window still stands for its screen";

    // The window's close button quits as always.
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    game.harness().Inject(close);
    bool running = true;
    for (int i = 0; i < 10 && running; ++i)
        running = game.Step();
    EXPECT_FALSE(running);
    game.Stop();
    EXPECT_EQ(ReadBytes(AppFolder() / "profile/counter.dat"), CounterBytes(1, ""));
}

}  // namespace
}  // namespace qor::test
