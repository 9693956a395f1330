// The game's start-up on the real engine and the generated data: splash,
// then the loading screen working through the real loading script, until
// every texture, sound and music stream of the data is loaded.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/LoadData.h"
#include "engine/LoadingWidget.h"
#include "engine/Music.h"
#include "engine/SoundManager.h"
#include "engine/SplashWidget.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "tests/EngineHarness.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"
#include "shell/Garden.h"

namespace qor {
namespace {

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::MarkGLUsed();
        if (!harness.Boot())
            GTEST_SKIP() << "no display here";
        // Sounds load only into a sound manager; make one if the core has none.
        if (!g_soundManager) {
            CreateSoundManager();
            ownSoundManager = true;
        }
    }
    void TearDown() override {
        garden.reset();
        if (ownSoundManager)
            DestroySoundManager();
    }

    // The pictures and sounds directly in a folder of the generated data.
    static std::vector<cPath> DataFiles(const char16_t* folder, bool (*kind)(const cPath&)) {
        std::vector<cPath> files;
        for (const cPath& file : FilesInFolder(cPath(folder))) {
            if (kind(file))
                files.push_back(file);
        }
        return files;
    }

    test::cEngineHarness harness;
    cSplashWidget* Splash() const {
        for (const auto& widget : harness.game()->widgets()) {
            if (widget->GetName() == kSplashWidgetName)
                return static_cast<cSplashWidget*>(widget.get());
        }
        return nullptr;
    }
    bool LoadingEnded() const { return g_loadingWidget && !g_loadingWidget->notify; }

    std::unique_ptr<cGarden> garden = std::make_unique<cGarden>();
    bool ownSoundManager = false;
};

TEST_F(StartupTest, SplashThenLoadingBringInEveryResourceOfTheData) {
    ASSERT_TRUE(std::filesystem::exists("data/conf/loading.lua")) << "run from the build folder";
    ASSERT_TRUE(g_soundManager && g_soundManager->device().IsOpen());
    cGame* game = harness.game();
    ASSERT_EQ(garden->Init(), nullptr);
    EXPECT_TRUE(game->runWhileInactive);
    EXPECT_EQ(game->GetFocusedWidgetName(), u"splash");
    ASSERT_NE(Splash(), nullptr);
    EXPECT_FALSE(Splash()->steps.empty());
    EXPECT_NE(FindTexture(u"splash_title"), nullptr);

    // The splash of the data runs 6.5 s; a key skips its first card.
    harness.Step(10);
    game->OnKeyDown(32);
    harness.Step(2);
    EXPECT_EQ(Splash()->current, 1u);
    int frames = 0;
    while (game->GetFocusedWidgetName() != u"loading" && frames++ < 400)
        harness.Step();
    ASSERT_EQ(game->GetFocusedWidgetName(), u"loading");
    cLoadingWidget* loading = g_loadingWidget;
    ASSERT_NE(loading, nullptr);
    EXPECT_NE(FindTexture(u"gui_loading"), nullptr);
    const int queued = loading->queued;
    EXPECT_GT(queued, 40);

    // Halfway through: the loading art is on screen and the bar has moved.
    while (loading->queued > queued / 2 && frames++ < 4000)
        harness.Step();
    const test::cEngineHarness::cFrame frame = harness.Capture();
    ASSERT_GT(frame.width, 0);
    const uint32_t clear = (garden->backColor << 8) | 0xFF;  // ARGB to RGBA
    int drawn = 0;
    for (int y = 0; y < frame.height; y += 8) {
        for (int x = 0; x < frame.width; x += 8)
            drawn += frame.Pixel(x, y) != clear ? 1 : 0;
    }
    const int samples = ((frame.width + 7) / 8) * ((frame.height + 7) / 8);
    EXPECT_GT(drawn, samples / 2) << "the loading picture covers the screen";
    auto* bar = dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"loading", u"progress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_GT(bar->GetProgress(), 0.3f);
    EXPECT_LT(bar->GetProgress(), 0.7f);
    // The loading window has no label, so the queue runs at full speed.
    EXPECT_EQ(loading->label, nullptr);
    EXPECT_TRUE(game->fullSpeed);

    while (!LoadingEnded() && frames++ < 4000)
        harness.Step();
    ASSERT_TRUE(LoadingEnded());
    EXPECT_FALSE(game->runWhileInactive);
    EXPECT_FALSE(game->fullSpeed);
    EXPECT_TRUE(loading->queue.empty());

    // Everything the loading script names is loaded: the pictures of its
    // texture folders (with their device textures) and every sound and track.
    for (const char16_t* folder :
         {u"{StaticPath}/texture/system", u"{StaticPath}/texture/gui", u"{StaticPath}/font/en"}) {
        const auto pictures = DataFiles(folder, IsTextureFile);
        EXPECT_FALSE(pictures.empty()) << ToUtf8(folder);
        for (const cPath& file : pictures) {
            const cTextureRef texture = FindTexture(file.name);
            EXPECT_TRUE(texture && texture->HasDeviceTexture()) << ToUtf8(file.full);
        }
    }
    const auto sounds = DataFiles(u"{StaticPath}/sound", IsSoundFile);
    EXPECT_GT(sounds.size(), 30u);
    for (const cPath& file : sounds)
        EXPECT_NE(g_soundManager->FindSoundBuffer(file.name), 0) << ToUtf8(file.full);
    const auto music = DataFiles(u"{StaticPath}/music", IsSoundFile);
    EXPECT_FALSE(music.empty());
    for (const cPath& file : music) {
        EXPECT_NE(g_soundManager->FindStreamBuffer(file.name), 0) << ToUtf8(file.full);
        EXPECT_EQ(g_soundManager->FindMusic(file.name)->name, file.name);
    }
    // The menu tune starts once everything is in.
    ASSERT_TRUE(g_soundManager->device().IsOpen());  // the dummy driver of the tests
    EXPECT_TRUE(g_soundManager->FindMusic(u"music0")->IsActive());
    EXPECT_EQ(test::ReadLog().find(u"Cannot load"), std::u16string::npos);
}

}  // namespace
}  // namespace qor
