// The loading queue and the loading screen: the pacing of one item per frame
// (every sixth frame with a label, at full speed without), the progress values, the end-of-loading
// notification, items that fail or are left over, and the loading-list script
// functions that fill the queue.
#include "engine/LoadingWidget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/GameObject.h"
#include "engine/LoadData.h"
#include "engine/LoadingScriptFunctions.h"
#include "engine/Music.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "gui/GUI.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/LabelCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "tests/AudioTestOgg.h"
#include "tests/GoldenImage.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

class cEndProbe : public cGameObject {
  public:
    void OnEndSplash() override { ++endSplash; }
    void OnEndLoading() override { ++endLoading; }
    int endSplash = 0;
    int endLoading = 0;
};

// Somewhere to move the focus to.
class cOtherWidget : public cWidget {
  public:
    cOtherWidget() : cWidget(u"other") {}
};

// A queue item that counts how often it was loaded and how many live.
class cProbeItem : public cLoadData {
  public:
    static cProbeItem* Create(int result) { return Adopt(new cProbeItem(result)); }
    ~cProbeItem() override { --live; }
    int Load() override {
        ++loads;
        return result;
    }
    static inline int live = 0;
    static inline int loads = 0;
    int result;

  private:
    explicit cProbeItem(int loadResult)
        : cLoadData(cPath(u"{StaticPath}/probe.bin"), kResource), result(loadResult) {
        ++live;
    }
};

// A cGame whose "{StaticPath}" is a fresh folder the test fills, with the GUI
// functions and the loading functions registered as the game registers them.
class LoadingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        cSystemPaths paths = GetSystemPaths();
        paths.staticPath = data.u16();
        SetSystemPaths(paths);
        game = std::make_unique<cGame>();
        cScriptFunctionHooks hooks;
        hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
        hooks.registerSplashAndLoadingFunctions = RegisterSplashAndLoadingScriptFunctions;
        ASSERT_TRUE(RegisterEngineScriptFunctions(hooks));
        cProbeItem::live = 0;
        cProbeItem::loads = 0;
    }
    void TearDown() override {
        game.reset();
        if (g_soundManager)
            DestroySoundManager();
        ClearCompressionExclusions();
        test::UseTestSystemPaths();
    }

    void Script(const std::string& file, const std::u16string& text) {
        test::WriteUtf16File(data.path() / file, text);
    }
    void Picture(const std::string& file, int size = 2) {
        test::cRgbaImage image{size, size, std::vector<uint8_t>(size * size * 4, 200)};
        std::filesystem::create_directories((data.path() / file).parent_path());
        ASSERT_TRUE(test::WritePng((data.path() / file).string(), image));
    }
    void Bytes(const std::string& file, const std::string& bytes) {
        test::WriteBytes(data.path() / file, bytes);
    }
    // The loading window with a progress bar, and a label when asked.
    void LoadingWindow(bool withLabel) {
        Script("gui/game_loading.lua",
               std::u16string(u"function FillWindow(w)\n"
                              u"  createProgressBarSysCtrl(w, 'progress')\n") +
                   (withLabel ? u"  createLabelCtrl(w, 'label')\n" : u"") + u"end\n");
    }
    cLoadingWidget* MakeWidget() { return new cLoadingWidget(&probe); }
    void Frame() { game->UpdateFrame(kTickSeconds); }
    double Run(const std::u16string& code) {
        EXPECT_EQ(RunBuffer(u"result = " + code), 0) << ToUtf8(code);
        lua_getglobal(g_lua, "result");
        const double value = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return value;
    }
    std::u16string Folder(const std::string& child) const {
        return u"'{StaticPath}/" + FromUtf8(child) + u"'";
    }
    static float Progress() {
        auto* bar = dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"loading", u"progress"));
        return bar ? bar->GetProgress() : -1.0f;
    }
    static std::vector<std::u16string> QueuedNames() {
        std::vector<std::u16string> names;
        for (const auto& item : g_loadingWidget->queue)
            names.push_back(item->path.name);
        return names;
    }
    static size_t Count(const std::u16string& text, const std::u16string& needle) {
        size_t n = 0;
        for (size_t at = text.find(needle); at != std::u16string::npos;
             at = text.find(needle, at + 1))
            ++n;
        return n;
    }

    test::cTempFolder data;
    cEndProbe probe;
    std::unique_ptr<cGame> game;
};

TEST_F(LoadingTest, TwoTexturesWithoutLabelFinishWithinFourFrames) {
    LoadingWindow(false);
    Picture("texture/a/one.png");
    Picture("texture/a/two.png");
    Script("conf/loading.lua", u"loadTextures('{StaticPath}/texture/a')");
    cLoadingWidget* widget = MakeWidget();
    game->FocusWidget(u"loading");
    EXPECT_TRUE(game->gui()->IsWndShown(u"loading"));
    ASSERT_EQ(widget->queued, 2);
    EXPECT_EQ(widget->total, 2.0f);
    // No label to read: the frames may come as fast as the loads allow.
    EXPECT_TRUE(game->fullSpeed);

    const struct {
        float progress;
        bool one, two;
    } frames[] = {
        {0.0f, false, false}, {0.0f, true, false}, {0.5f, true, false}, {0.5f, true, true}};
    for (size_t i = 0; i < std::size(frames); ++i) {
        SCOPED_TRACE(testing::Message() << "frame " << i + 1);
        Frame();
        EXPECT_FLOAT_EQ(Progress(), frames[i].progress);
        EXPECT_EQ(FindTexture(u"one") != nullptr, frames[i].one);
        EXPECT_EQ(FindTexture(u"two") != nullptr, frames[i].two);
        EXPECT_EQ(probe.endLoading, 0);
    }
    EXPECT_TRUE(widget->queue.empty());
    EXPECT_EQ(widget->current(), nullptr);
    // The end is announced once, at the frame after the last load, and the
    // frames go back to their usual pace.
    EXPECT_TRUE(game->fullSpeed);
    Frame();
    EXPECT_FALSE(game->fullSpeed);
    Frame();
    EXPECT_EQ(probe.endLoading, 1);

    // Leaving the loading screen closes its window.
    new cOtherWidget();
    game->FocusWidget(u"other");
    EXPECT_FALSE(game->gui()->IsWndShown(u"loading"));
}

TEST_F(LoadingTest, WithALabelEachItemWaitsForTheNextSixthFrame) {
    LoadingWindow(true);
    Picture("texture/a/one.png");
    Picture("texture/a/two.png");
    Script("conf/loading.lua", u"loadTextures('{StaticPath}/texture/a')");
    cLoadingWidget* widget = MakeWidget();
    game->FocusWidget(u"loading");
    ASSERT_EQ(widget->queued, 2);
    g_loadingStep = 0;
    auto* label = dynamic_cast<cLabelCtrl*>(FindControl(u"loading", u"label"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(game->fullSpeed);  // the frames keep their pace: the label stays readable

    Frame();  // 1: "one" is shown
    ASSERT_NE(widget->current(), nullptr);
    EXPECT_EQ(label->caption, cPath(u"{StaticPath}/texture/a/one.png").full);
    for (int frame = 2; frame <= 6; ++frame) {
        Frame();
        EXPECT_EQ(FindTexture(u"one"), nullptr) << "frame " << frame;
    }
    Frame();  // 7: the sixth frame loads it
    EXPECT_NE(FindTexture(u"one"), nullptr);
    EXPECT_EQ(widget->current(), nullptr);

    Frame();  // 8: "two" is shown at once
    EXPECT_EQ(label->caption, cPath(u"{StaticPath}/texture/a/two.png").full);
    EXPECT_FLOAT_EQ(Progress(), 0.5f);
    for (int frame = 9; frame <= 13; ++frame)
        Frame();
    EXPECT_EQ(FindTexture(u"two"), nullptr);
    Frame();  // 14
    EXPECT_NE(FindTexture(u"two"), nullptr);
    Frame();
    EXPECT_EQ(probe.endLoading, 1);
}

TEST_F(LoadingTest, FailedItemsAreDeletedLikeAnyOther) {
    LoadingWindow(false);
    Bytes("texture/a/broken.png", "not a picture at all");
    Script("conf/loading.lua", u"loadTextures('{StaticPath}/texture/a')");
    MakeWidget();
    // The queue can be filled before the screen is focused, too.
    cLoadTexture::Create(cPath(u"{StaticPath}/texture/missing.png"));
    cProbeItem::Create(4);
    game->FocusWidget(u"loading");
    ASSERT_EQ(g_loadingWidget->queued, 3);
    for (int i = 0; i < 6; ++i)
        Frame();
    EXPECT_EQ(cProbeItem::loads, 1);
    EXPECT_EQ(cProbeItem::live, 0);
    EXPECT_EQ(FindTexture(u"broken"), nullptr);
    Frame();
    EXPECT_EQ(probe.endLoading, 1);
    const std::u16string log = test::ReadLog();
    EXPECT_NE(log.find(cPath(u"{StaticPath}/texture/missing.png").full), std::u16string::npos);
    EXPECT_NE(log.find(cPath(u"{StaticPath}/texture/a/broken.png").full), std::u16string::npos);
}

TEST_F(LoadingTest, ItemsLeftAtDestructionAreLoggedAndDeleted) {
    LoadingWindow(false);
    MakeWidget();
    game->FocusWidget(u"loading");
    cProbeItem::Create(0);
    cProbeItem::Create(0);
    cProbeItem::Create(0);
    Frame();  // one is current, two wait
    ASSERT_EQ(cProbeItem::live, 3);
    game.reset();
    EXPECT_EQ(cProbeItem::live, 0);
    EXPECT_EQ(cProbeItem::loads, 0);
    EXPECT_EQ(g_loadingWidget, nullptr);
    EXPECT_EQ(Count(test::ReadLog(), u"~cLoadingWidget: not all data was loaded."), 1u);
}

TEST_F(LoadingTest, LeavingTheScreenMidwayGivesTheFramesTheirPaceBack) {
    LoadingWindow(false);
    MakeWidget();
    game->FocusWidget(u"loading");
    cProbeItem::Create(0);
    cProbeItem::Create(0);
    Frame();
    ASSERT_TRUE(game->fullSpeed);
    new cOtherWidget();
    game->FocusWidget(u"other");
    EXPECT_FALSE(game->fullSpeed);
}

TEST_F(LoadingTest, AnEmptiedQueueIsNotLoggedAtDestruction) {
    LoadingWindow(false);
    MakeWidget();
    game->FocusWidget(u"loading");
    cProbeItem::Create(0);
    Frame();
    Frame();
    game.reset();
    EXPECT_EQ(cProbeItem::loads, 1);
    EXPECT_EQ(Count(test::ReadLog(), u"not all data was loaded"), 0u);
}

TEST_F(LoadingTest, ItemsWithoutALoadingWidgetAreRefusedAndDeleted) {
    ASSERT_EQ(g_loadingWidget, nullptr);
    Picture("texture/a/one.png");
    Bytes("sound/hit.ogg", "ogg");
    EXPECT_EQ(cProbeItem::Create(0), nullptr);
    EXPECT_EQ(cProbeItem::live, 0);
    EXPECT_EQ(cLoadTexture::Create(cPath(u"{StaticPath}/texture/a/one.png")), nullptr);
    EXPECT_EQ(cLoadSound::Create(cPath(u"{StaticPath}/sound/hit.ogg"), 2), nullptr);
    EXPECT_EQ(cLoadStream::Create(cPath(u"{StaticPath}/sound/hit.ogg")), nullptr);
    // Through the scripts: the folder exists, so 0, but nothing can be queued;
    // a single sound reports that it was not queued.
    EXPECT_EQ(Run(u"loadTextures(" + Folder("texture/a") + u")"), 0);
    EXPECT_EQ(Run(u"loadSound(" + Folder("sound/hit.ogg") + u", 1)"), 1);
    EXPECT_EQ(Count(test::ReadLog(), u"cLoadingWidget is unavailable. Memory leak!"), 6u);
}

// ---- the loading-list script functions ----

TEST_F(LoadingTest, LoadTexturesQueuesOnlyPicturesWithExactExtensions) {
    LoadingWindow(false);
    for (const char* file : {"a.png", "b.jpg", "D.PNG", "e.Jpg", "f.alpha", "g.lua", "h.pvr.txt",
                             "nested/i.png", "sub.png/j.png"})
        Bytes(std::string("texture/mix/") + file, "x");
    Bytes("texture/mix/c.pvr", "x");
    MakeWidget();
    EXPECT_EQ(Run(u"loadTextures(" + Folder("texture/mix") + u")"), 0);
    EXPECT_EQ(QueuedNames(), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    EXPECT_EQ(g_loadingWidget->queue.front()->kind, cLoadData::kResource);

    // Anything but a folder: 1, and nothing queued.
    for (const char16_t* arg : {u"'{StaticPath}/texture/mix/a.png'", u"'{StaticPath}/nowhere'",
                                u"''", u"", u"nil", u"{}", u"42"}) {
        EXPECT_EQ(Run(u"loadTextures(" + std::u16string(arg) + u")"), 1) << ToUtf8(arg);
    }
    EXPECT_EQ(g_loadingWidget->queued, 3);
}

TEST_F(LoadingTest, UpdateTexturesReloadsCachedTexturesInPlace) {
    Picture("texture/en/sign.png", 2);
    Picture("texture/de/sign.png", 4);
    Picture("texture/de/extra.png", 8);
    Bytes("texture/de/notes.PNG", "x");
    ASSERT_EQ(LoadTexture(cPath(u"{StaticPath}/texture/en/sign.png")), 0);
    const cTextureRef held = FindTexture(u"sign");
    ASSERT_TRUE(held && held->image);
    ASSERT_EQ(held->image->width, 2u);

    EXPECT_EQ(Run(u"updateTextures(" + Folder("texture/de") + u")"), 0);
    // Every holder sees the new picture at once; a name not cached yet is added.
    EXPECT_EQ(held->image->width, 4u);
    EXPECT_EQ(FindTexture(u"sign"), held);
    ASSERT_NE(FindTexture(u"extra"), nullptr);
    EXPECT_EQ(FindTexture(u"notes"), nullptr);

    EXPECT_EQ(Run(u"updateTextures(" + Folder("texture/de/sign.png") + u")"), 1);
    EXPECT_EQ(Run(u"updateTextures()"), 1);
}

TEST_F(LoadingTest, SoundListsQueueOggFilesWithTheirChannelCounts) {
    LoadingWindow(false);
    for (const char* file : {"fx/a.ogg", "fx/B.OGG", "fx/c.wav", "fx/d.ogg/inner.ogg", "one.ogg",
                             "song.ogg", "tune.mp3"})
        Bytes(std::string("sound/") + file, "x");
    MakeWidget();
    EXPECT_EQ(Run(u"loadSounds(" + Folder("sound/fx") + u")"), 0);
    EXPECT_EQ(Run(u"loadSounds(" + Folder("sound/one.ogg") + u")"), 1);
    EXPECT_EQ(Run(u"loadSounds(nil)"), 1);

    const struct {
        const char16_t* args;
        int result;
    } sounds[] = {
        {u"'{StaticPath}/sound/one.ogg', 3", 0},
        {u"'{StaticPath}/sound/one.ogg'", 0},
        {u"'{StaticPath}/sound/one.ogg', 50", 0},
        {u"'{StaticPath}/sound/one.ogg', 2.9", 0},
        {u"'{StaticPath}/sound/tune.mp3', 2", 1},
        {u"'{StaticPath}/sound/gone.ogg', 2", 1},
        {u"'{StaticPath}/sound/fx/d.ogg', 2", 1},
        {u"nil, 2", 1},
        {u"{}, 2", 1},
    };
    for (const auto& c : sounds)
        EXPECT_EQ(Run(u"loadSound(" + std::u16string(c.args) + u")"), c.result) << ToUtf8(c.args);

    // Streams always answer 0; only an existing ogg file is queued.
    for (const char16_t* arg :
         {u"'{StaticPath}/sound/song.ogg'", u"'{StaticPath}/sound/gone.ogg'",
          u"'{StaticPath}/sound/tune.mp3'", u"'{StaticPath}/sound/fx/d.ogg'", u"nil"})
        EXPECT_EQ(Run(u"loadStream(" + std::u16string(arg) + u")"), 0) << ToUtf8(arg);

    std::vector<std::pair<std::u16string, int>> queued;
    for (const auto& item : g_loadingWidget->queue) {
        auto* sound = dynamic_cast<cLoadSound*>(item.get());
        queued.emplace_back(item->path.name, sound ? sound->channels : -item->kind);
    }
    // Sounds with their channel count (clamped when loaded), the stream as kind 1.
    EXPECT_EQ(queued,
              (std::vector<std::pair<std::u16string, int>>{{u"a", 1},
                                                           {u"one", 3},
                                                           {u"one", 0},
                                                           {u"one", 50},
                                                           {u"one", 2},
                                                           {u"song", -cLoadData::kStream}}));
}

TEST_F(LoadingTest, QueuedSoundsAndStreamsReachTheSoundManager) {
    if (!g_soundManager)
        CreateSoundManager();
    ASSERT_NE(g_soundManager, nullptr);
    ASSERT_TRUE(g_soundManager->device().IsOpen()) << g_soundManager->device().error();
    LoadingWindow(false);
    test::WriteBytes(data.path() / "sound/beep.ogg", test::EncodeToneOgg({0.2, 880.0, 44100, 1}));
    test::WriteBytes(data.path() / "music/song.ogg", test::EncodeToneOgg({1.0, 220.0, 44100, 2}));
    Bytes("music/bad.ogg", "OggS but not really");
    Script("conf/loading.lua",
           u"loadSound('{StaticPath}/sound/beep.ogg', 50)\n"
           u"loadStream('{StaticPath}/music/song.ogg')\n"
           u"loadStream('{StaticPath}/music/song.ogg')\n"
           u"loadStream('{StaticPath}/music/bad.ogg')\n");
    MakeWidget();
    game->FocusWidget(u"loading");
    ASSERT_EQ(g_loadingWidget->queued, 4);
    for (int i = 0; i < 9 && probe.endLoading == 0; ++i)
        Frame();
    EXPECT_EQ(probe.endLoading, 1);

    cSoundManager& manager = *g_soundManager;
    EXPECT_NE(manager.FindSoundBuffer(u"beep"), 0);
    const int song = manager.FindStreamBuffer(u"song");
    EXPECT_NE(song, 0);
    // The second request finds the stream loaded, but each makes its music object.
    EXPECT_EQ(std::count_if(manager.streamBuffers.begin(), manager.streamBuffers.end(),
                            [](const auto& b) { return b->name == u"song"; }),
              1);
    EXPECT_EQ(std::count_if(manager.musics.begin(), manager.musics.end(),
                            [](const auto& m) { return m->name == u"song"; }),
              2);
    EXPECT_EQ(manager.FindMusic(u"song")->bufferIndex, song);
    // A stream that cannot be read still gets its (silent) music object.
    EXPECT_EQ(manager.FindStreamBuffer(u"bad"), 0);
    EXPECT_EQ(manager.FindMusic(u"bad")->name, u"bad");
}

TEST_F(LoadingTest, ExcludeFromCompressionOnlyRecordsTheName) {
    EXPECT_EQ(Run(u"excludeFromCompression('gui_shade')"), 0);
    EXPECT_EQ(Run(u"excludeFromCompression('gui_shade')"), 0);
    EXPECT_EQ(Run(u"excludeFromCompression()"), 0);
    EXPECT_TRUE(IsExcludedFromCompression(u"gui_shade"));
    EXPECT_FALSE(IsExcludedFromCompression(u"gui_panel"));
    EXPECT_EQ(CompressionExclusions(), (std::vector<std::u16string>{u"gui_shade", u""}));
}

}  // namespace
}  // namespace qor
