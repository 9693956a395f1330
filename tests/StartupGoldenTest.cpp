// The start-up screens as a player sees them, drawn from the real generated
// data at 1024 × 768: the title card of the splash, the loading screen half
// way, and a two-button message box over the finished loading screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/Game.h"
#include "engine/LoadingWidget.h"
#include "engine/SplashWidget.h"
#include "tests/StartupSequence.h"
#include "engine/TextureCache.h"
#include "gui/GUI.h"
#include "gui/MessageBoxWF.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/Window.h"
#include "gui/WindowScript.h"
#include "tests/EngineHarness.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"

namespace qor {
namespace {

// These screens are the first a player sees: a word more or less on them must
// show, so only a few hundred pixels may differ (the usual allowance is ten
// times that).
constexpr test::cGoldenOptions kStrict{6, 0.0002};

class StartupGoldenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists("data/conf/splash.lua")) << "run from the build folder";
        if (!harness.Boot())
            GTEST_SKIP() << "no display here";
        ASSERT_TRUE(startup->Start());
    }
    void TearDown() override { startup.reset(); }

    cGame* game() const { return harness.game(); }
    // A key press ends the current splash step at the next tick.
    void SkipSplashStep() {
        game()->OnKeyDown(32);
        harness.Step();
    }
    // Frames until the loading screen shows; false when it never does.
    bool ReachLoading() {
        for (int frame = 0; frame < 100 && !startup->loading(); ++frame)
            SkipSplashStep();
        return startup->loading() != nullptr;
    }

    test::cEngineHarness harness;
    std::unique_ptr<cStartupSequence> startup = std::make_unique<cStartupSequence>();
};

TEST_F(StartupGoldenTest, TitleCardOfTheSplash) {
    SkipSplashStep();  // past the studio card
    ASSERT_EQ(startup->splash()->current, 1u);
    harness.Step(30);  // faded in, not yet fading out
    EXPECT_TRUE(test::MatchesGolden("startup_splash_title", kStrict));
}

TEST_F(StartupGoldenTest, LoadingScreenHalfWay) {
    ASSERT_TRUE(ReachLoading());
    cLoadingWidget* loading = startup->loading();
    for (int frame = 0; frame < 2000 && loading->done * 2 < loading->total; ++frame)
        harness.Step();
    ASSERT_FALSE(startup->loadingEnded());
    auto* bar = dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"loading", u"progress"));
    ASSERT_NE(bar, nullptr);
    EXPECT_NEAR(bar->GetProgress(), 0.5f, 0.02f);
    harness.Step();  // the bar's new value is drawn in the next frame
    EXPECT_TRUE(test::MatchesGolden("startup_loading_half", kStrict));
}

TEST_F(StartupGoldenTest, TwoButtonMessageBoxOverTheLoadingScreen) {
    ASSERT_TRUE(ReachLoading());
    for (int frame = 0; frame < 2000 && !startup->loadingEnded(); ++frame)
        harness.Step();
    ASSERT_TRUE(startup->loadingEnded());
    auto* box = new cMessageBoxWF;
    ASSERT_NE(CreateWindowFromScript(u"messagebox", std::unique_ptr<cWindowFunction>(box),
                                     cPath(u"{StaticPath}/gui/messagebox.lua")),
              nullptr);
    EXPECT_EQ(box->SetText(u"Do you really want to leave Brindlemoor? The island will wait "
                           u"for you.",
                           u"Leaving?"),
              0);
    EXPECT_EQ(box->SetImages(u"icon_question", u"icon_question"), 0);
    EXPECT_EQ(box->SetButtons(u"Yes", u"No"), 0);
    game()->gui()->ShowWnd(u"messagebox");
    harness.Step(30);  // past the fade-in
    EXPECT_EQ(game()->modalCount, 1);
    EXPECT_TRUE(test::MatchesGolden("startup_messagebox", kStrict));
}

}  // namespace
}  // namespace qor
