// Level 001 as a new player meets it in the real game with the shipped
// data: each hint of the first chain shows, the player does what it says
// (clicks the field, points at the goal line, presses a key for the clock,
// clicks a tree, the house site and the log), the hint closes and the next
// one comes, to the end of the chain. A level won before shows none.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include "engine/StringTable.h"
#include "gui/CheckBoxCtrl.h"
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "tests/LevelHarness.h"
#include "tests/TutorialShellKit.h"
#include "world/MapMedals.h"
#include "world/Point.h"

namespace qor::test {
namespace {

TEST_F(TutorialShell, ANewPlayerFollowsTheFirstChainToItsEnd) {
    PlayFirstLevel();
    ReachClockHint();
    EXPECT_NE(game.Caption(u"train", u"text").find(GetLocalizedText(u"ClickToContinue")),
              std::u16string::npos);
    game.ClickAt(300, 400);
    game.Step(30);
    EXPECT_TRUE(game.IsShown(u"train")) << "a click beside the frame does not dismiss it";
    game.Key(SDLK_a);
    ASSERT_TRUE(WaitClosed(2));

    ASSERT_TRUE(WaitHint(u"Train00TakeTree"));
    ClickTarget();
    ASSERT_TRUE(WaitClosed(60));

    ASSERT_TRUE(WaitHint(u"Train00BuildHouse"));
    ClickTarget();
    // The house wants more wood than one tree gives: every hand to the copse.
    for (const char16_t* tree : {u"tree01", u"tree02", u"tree03", u"tree04", u"tree05"}) {
        qor::cVec2 at;
        if (cObject* object = level->FindObjectByName(tree);
            object && level_test::PickPoint(*level, object, &at)) {
            game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
            game.Step(2);
        }
    }
    // Once the wood is in, the player asks for the house again.
    for (int tries = 0; tries < 30 && !WaitClosed(5); ++tries) {
        const cObject* house = level->trainStep ? level->trainStep->target : nullptr;
        if (house && house->jobMarkers == 0 && !HasWorkerAssigned(house))
            ClickTarget();
    }
    ASSERT_TRUE(WaitClosed(1));

    ASSERT_TRUE(WaitHint(u"Train00RemoveBarrier"));
    for (int tries = 0; tries < 30 && !WaitClosed(5); ++tries) {
        const cObject* log = level->trainStep ? level->trainStep->target : nullptr;
        if (log && log->jobMarkers == 0 && !HasWorkerAssigned(log))
            ClickTarget();
        // Clearing the log costs food: the fields bring it in.
        for (const char16_t* field : {u"field00", u"field01"}) {
            qor::cVec2 at;
            cObject* object = level->FindObjectByName(field);
            if (object && object->state == 1 && object->jobMarkers == 0 &&
                level_test::PickPoint(*level, object, &at)) {
                game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
                game.Step(2);
            }
        }
    }
    ASSERT_TRUE(WaitClosed(1));
    game.Step(2);
    EXPECT_EQ(level->trainStep, nullptr) << "the chain is over";
}

TEST_F(TutorialShell, AWonLevelPlayedAgainShowsNoHint) {
    ASSERT_NE(g_mapMedals, nullptr);
    g_mapMedals->SetMedal(0, kMedalGold);
    PlayFirstLevel();
    game.StepUnseen(5 * 30);
    EXPECT_EQ(level->trainStep, nullptr);
    EXPECT_FALSE(game.IsShown(u"train"));
}

// The pause menu's options switch the hints off at once: the hint that shows
// closes as soon as the level runs on, no other step comes, and the next level
// started shows none either.
TEST_F(TutorialShell, HintsSwitchedOffInTheOptionsCloseTheHintForGood) {
    PlayFirstLevel();
    ASSERT_TRUE(WaitHint(u"Train00TakeField"));
    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"escape"));
    ASSERT_TRUE(game.Click(u"escape", u"btOptions"));
    ASSERT_TRUE(game.WaitShown(u"options"));
    const auto* box = dynamic_cast<const cCheckBoxSysCtrl*>(game.Control(u"options", u"cbHints"));
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->IsChecked()) << "a new player has hints";
    ASSERT_TRUE(game.Click(u"options", u"cbHints"));
    game.Step(2);
    EXPECT_FALSE(box->IsChecked());
    ASSERT_TRUE(game.Click(u"options", u"btBack"));
    ASSERT_TRUE(game.WaitShown(u"escape"));
    ASSERT_TRUE(game.Click(u"escape", u"btResume"));
    ASSERT_TRUE(game.WaitShown(u"level"));

    // Closed within its fade, and it stays closed while the level plays on.
    game.Step(20);
    EXPECT_FALSE(game.IsShown(u"train"));
    EXPECT_TRUE(level->trainStep == nullptr);
    game.StepUnseen(20 * 30);
    EXPECT_FALSE(game.IsShown(u"train"));
    EXPECT_TRUE(level->trainStep == nullptr);

    game.Key(SDLK_ESCAPE);
    ASSERT_TRUE(game.WaitShown(u"escape"));
    ASSERT_TRUE(game.Click(u"escape", u"btEnd"));
    ASSERT_TRUE(game.WaitShown(u"main"));
    PlayFirstLevel();
    for (int second = 0; second < 10; ++second) {
        game.StepUnseen(30);
        ASSERT_FALSE(game.IsShown(u"train")) << "after " << second << " s";
        ASSERT_TRUE(level->trainStep == nullptr) << "after " << second << " s";
    }
}

}  // namespace
}  // namespace qor::test
