// The glade behind the main menu as a player sees it, in the real game with
// the default data: its trees sway, its clouds drift and its storm flashes,
// checked frame against frame; and the plain green the menu stands on when
// the room's file is missing.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "app/Game.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "scene/Decor.h"
#include "shell/Garden.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/AchieveWidget.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

struct cRegion {
    int x0, y0, x1, y1;  // pixels, top row first; x1, y1 excluded
};

// Mean difference per channel between `a` shifted right by `shift` pixels and `b`.
double Difference(const cRgbaImage& a, const cRgbaImage& b, const cRegion& r, int shift = 0) {
    double sum = 0;
    int count = 0;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const uint8_t* p = a.At(x - shift, y);
            const uint8_t* q = b.At(x, y);
            for (int c = 0; c < 3; ++c)
                sum += std::abs(p[c] - q[c]);
            count += 3;
        }
    }
    return sum / count;
}

double Brightness(const cRgbaImage& image, const cRegion& r) {
    double sum = 0;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x)
            sum += image.At(x, y)[0] + image.At(x, y)[1] + image.At(x, y)[2];
    }
    return sum / (3.0 * (r.x1 - r.x0) * (r.y1 - r.y0));
}

cDecor* FindDecor(const cGarden& garden, std::u16string_view kind) {
    std::vector<cObject*> decor;
    garden.achieveWidget->CollectObjects(decor, cDecor::kType, -1);
    for (cObject* object : decor) {
        if (object->kind == kind)
            return static_cast<cDecor*>(object);
    }
    return nullptr;
}

bool NameFirstPlayer(cShellDriver& game) {
    if (!game.WaitShown(u"profile_new"))
        return false;
    for (int i = 0; i < 6; ++i)
        game.Key(SDLK_BACKSPACE);
    game.Type("Anna");
    game.Key(SDLK_RETURN);
    if (!game.WaitShown(u"main"))
        return false;
    // The pointer rests where it covers nothing of interest.
    game.MovePointer(1000, 20);
    return game.Step(2);
}

TEST(RoomOnScreen, TreesSwayCloudsDriftAndTheStormFlashes) {
    MarkGLUsed();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    fs::remove_all(ToUtf8(GetSystemPaths().appPath) + "/profile");
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(NameFirstPlayer(game));
    ASSERT_EQ(g_game->focused, game.garden()->achieveWidget);
    const cDecor* clouds = FindDecor(*game.garden(), u"menu_clouds;menu_clouds0");
    const cDecor* bolt = FindDecor(*game.garden(), u"menu_room;menu_lighting");
    ASSERT_TRUE(clouds && bolt);

    cRgbaImage before, after;
    ASSERT_TRUE(CaptureFrame(&before));
    const int ticks = 45;
    ASSERT_TRUE(game.Step(ticks));
    ASSERT_TRUE(CaptureFrame(&after));
    // The menu's window stands still; the old oak's crown beside it sways.
    const cRegion menu{400, 380, 620, 700};
    const cRegion oak{0, 300, 200, 440};
    EXPECT_LT(Difference(before, after, menu), 0.5);
    EXPECT_GT(Difference(before, after, oak), 3.0);
    // The clouds along the top have moved left by as much as they drifted.
    const cRegion sky{150, 35, 800, 85};
    const int drift =
        static_cast<int>(std::lround(clouds->driftSpeedX * ticks * 0.033333335f * 1024.0f));
    int best = 0;
    for (int shift = -120; shift <= 10; ++shift) {
        if (Difference(before, after, sky, shift) < Difference(before, after, sky, best))
            best = shift;
    }
    EXPECT_GT(Difference(before, after, sky), 2.0);
    EXPECT_NEAR(best, -drift, 2);

    // Within the first storms the bolt lights up its cloud, and the light
    // goes out again a few frames later.
    int frames = 0;
    while (!bolt->IsFlashing() && frames < 30 * 30) {
        ASSERT_TRUE(game.Step());
        ++frames;
    }
    ASSERT_TRUE(bolt->IsFlashing());
    ASSERT_TRUE(game.Step());  // the frame drawn now shows the flash
    cRgbaImage flash, dark;
    ASSERT_TRUE(CaptureFrame(&flash));
    EXPECT_TRUE(MatchesGolden("room_lightning"));
    while (bolt->IsFlashing())
        ASSERT_TRUE(game.Step());
    ASSERT_TRUE(game.Step());
    ASSERT_TRUE(CaptureFrame(&dark));
    const cRegion cloud{925, 115, 990, 170};
    EXPECT_GT(Brightness(flash, cloud), Brightness(dark, cloud) + 30.0);
    EXPECT_LT(Difference(flash, dark, menu), 0.5);
}

TEST(RoomOnScreen, WithoutItsFileTheMenuStandsOnPlainGreen) {
    MarkGLUsed();
    cTempFolder data;
    fs::copy("data", data.path(), fs::copy_options::recursive);
    fs::remove(data.path() / "level" / "achieve.lvx");
    cShellDriver game;
    if (!game.Start(data.u16()))
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMenus());
    EXPECT_NE(ReadLog().find(u"Achieve not found. New widget created."), std::u16string::npos);
    ASSERT_EQ(g_game->focused, game.garden()->achieveWidget);
    EXPECT_EQ(game.garden()->achieveWidget->ObjectCount(), 0u);
    EXPECT_EQ(game.garden()->achieveWidget->nextObjectId, 1u);
    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    EXPECT_TRUE(PixelNear(frame, 20, 20, 0x80, 0xFF, 0x80));
    EXPECT_TRUE(PixelNear(frame, 1000, 740, 0x80, 0xFF, 0x80));
}

}  // namespace
}  // namespace qor::test
