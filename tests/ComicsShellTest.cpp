// The picture stories in the real game: a new player's Start, a player who
// has already won the first level, the first and a second win of the last
// level, the music around a story, and the eight pages as golden pictures.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/Game.h"
#include "engine/Music.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "shell/Garden.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/ComicsWidget.h"
#include "world/MapWidget.h"
#include "world/Point.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

void RemoveProfiles() {
    UseTestSystemPaths();
    fs::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
}

bool Focused(const char16_t* widget) {
    return g_game && g_game->GetFocusedWidgetName() == widget;
}

bool Playing(const char16_t* track) {
    cMusic* music = g_soundManager ? g_soundManager->FindMusic(track) : nullptr;
    return music && music->IsActive();
}

TEST(ComicsShell, ANewPlayersStartPlaysTheOpeningStoryThenTheMap) {
    MarkGLUsed();
    RemoveProfiles();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Story"));
    ASSERT_TRUE(game.Click(u"main", u"btStart"));
    ASSERT_TRUE(game.WaitShown(u"comics"));
    EXPECT_TRUE(Focused(kComicsWidgetName));
    cComicsWidget* comics = game.garden()->comicsWidget;
    ASSERT_NE(comics, nullptr);
    EXPECT_FALSE(comics->story.closing);
    EXPECT_NE(comics->story.picture, nullptr) << "the first page is read";
    if (g_soundManager && g_soundManager->FindMusic(kComicsMusic)) {
        EXPECT_TRUE(Playing(kComicsMusic));
        EXPECT_FALSE(Playing(kMenuMusic)) << "the menu's music waits";
    }
    // Nobody touches anything: the story plays to its end, then the map.
    ASSERT_TRUE(game.StepUnseen(36 * 30));
    ASSERT_TRUE(game.WaitShown(u"map"));
    EXPECT_TRUE(Focused(kMapWidgetName));
    EXPECT_EQ(comics->story.picture, nullptr);
    EXPECT_EQ(FindTexture(kComicsTextureName), nullptr) << "the page picture is freed";
}

TEST(ComicsShell, EscapeAndSkipEndTheStoryAndTheMenuMusicComesBack) {
    MarkGLUsed();
    RemoveProfiles();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Skipper"));
    for (const char* how : {"escape", "skip", "next"}) {
        SCOPED_TRACE(how);
        ASSERT_TRUE(game.Click(u"main", u"btStart"));
        ASSERT_TRUE(game.WaitShown(u"comics"));
        cComicsWidget* comics = game.garden()->comicsWidget;
        game.Step(15);
        if (std::string(how) == "next") {
            // "next" turns the page; a second press on every page ends it.
            for (int page = 1; page <= 4; ++page) {
                ASSERT_TRUE(game.Click(u"comics", u"next"));
                if (page < 4)
                    EXPECT_EQ(comics->story.page, page);
            }
        } else if (std::string(how) == "skip") {
            ASSERT_TRUE(game.Click(u"comics", u"skip"));
        } else {
            game.Key(SDLK_ESCAPE);
        }
        ASSERT_TRUE(game.WaitShown(u"map"));
        EXPECT_TRUE(Focused(kMapWidgetName));
        if (g_soundManager && g_soundManager->FindMusic(kMenuMusic))
            EXPECT_TRUE(Playing(kMenuMusic)) << "the menu's music resumes";
        game.StepUnseen(60);
        if (g_soundManager && g_soundManager->FindMusic(kComicsMusic))
            EXPECT_FALSE(Playing(kComicsMusic)) << "the story's music has faded out";
        ASSERT_TRUE(game.Click(u"map", u"back"));
        ASSERT_TRUE(game.WaitShown(u"main"));
    }
}

TEST(ComicsShell, APlayerWithAMedalOnTheFirstLevelGoesStraightToTheMap) {
    MarkGLUsed();
    RemoveProfiles();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Veteran"));
    cMapWidget* map = game.garden()->mapWidget;
    for (int32_t medal : {kMedalBronze, kMedalGold}) {
        map->SetMedal(0, medal);
        ASSERT_TRUE(game.Click(u"main", u"btStart"));
        ASSERT_TRUE(game.WaitShown(u"map"));
        EXPECT_FALSE(game.IsShown(u"comics"));
        EXPECT_TRUE(Focused(kMapWidgetName));
        ASSERT_TRUE(game.Click(u"map", u"back"));
        ASSERT_TRUE(game.WaitShown(u"main"));
    }
}

// The eight pages with their captions at full opacity, and one contact sheet
// of them side by side (written to the build folder as
// comics_contact_sheet.png, for people to look at).
TEST(ComicsShell, TheEightPagesAsGoldenPictures) {
    MarkGLUsed();
    RemoveProfiles();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Reader"));
    cRgbaImage sheet;
    sheet.width = 4 * 256;
    sheet.height = 2 * 192;
    sheet.pixels.assign(static_cast<size_t>(sheet.width) * sheet.height * 4, 255);
    int shown = 0;
    for (const char16_t* story : {u"comics_start", u"comics_finish"}) {
        game.garden()->SwitchScreen(story, u"menu");
        ASSERT_TRUE(game.WaitShown(u"comics"));
        for (int page = 0; page < 4; ++page, ++shown) {
            if (page > 0)
                game.Key(SDLK_SPACE);
            game.Step(40);  // past the page's fade-in
            ASSERT_EQ(game.garden()->comicsWidget->story.page, page);
            const std::string name = "comics_page" + std::to_string(shown + 1);
            EXPECT_TRUE(MatchesGolden(name)) << name;
            cRgbaImage frame;
            ASSERT_TRUE(CaptureFrame(&frame));
            for (int y = 0; y < 192; ++y) {
                for (int x = 0; x < 256; ++x) {
                    const uint8_t* from = frame.At(x * frame.width / 256, y * frame.height / 192);
                    uint8_t* to =
                        &sheet.pixels[(static_cast<size_t>(y + (shown / 4) * 192) * sheet.width +
                                       x + (shown % 4) * 256) *
                                      4];
                    std::copy(from, from + 4, to);
                }
            }
        }
        game.Key(SDLK_ESCAPE);
        ASSERT_TRUE(game.WaitShown(u"map"));
    }
    EXPECT_TRUE(WritePng("comics_contact_sheet.png", sheet));
}

TEST(ComicsShell, AFirstPageThatCannotBeReadIsPlainWhite) {
    MarkGLUsed();
    RemoveProfiles();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Blank"));
    game.garden()->SwitchScreen(u"comics_start", u"menu");
    cComicsWidget* comics = game.garden()->comicsWidget;
    ASSERT_EQ(comics->story.page, -1) << "the first tick has not come yet";
    comics->story.pictures[0] = u"{StaticPath}/texture/comics/torn.jpg";
    game.Step(40);
    EXPECT_EQ(comics->story.picture, nullptr);
    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    EXPECT_TRUE(PixelNear(frame, 512, 400, 255, 255, 255, 3));
    game.Key(SDLK_SPACE);
    game.Step(40);
    ASSERT_NE(comics->story.picture, nullptr) << "the next page is read";
    ASSERT_TRUE(CaptureFrame(&frame));
    EXPECT_FALSE(PixelNear(frame, 512, 400, 255, 255, 255, 3));
}

}  // namespace
}  // namespace qor::test
