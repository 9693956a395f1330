// The talks and the trader in the real game with the shipped data: level 001
// opens with its talk, the player clicks its bubbles through to the end and
// the level then takes clicks; a press beside the bubbles moves nothing. The
// talk over level 001 and the trader's offer are golden pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/Console.h"
#include "engine/FormatString.h"
#include "engine/Log.h"
#include "engine/StringTable.h"
#include "gui/Ctrl.h"
#include "level/LevelWidget.h"
#include "level/replay/ReplayPlayer.h"
#include "shell/Garden.h"
#include "shell/GardenLevelHost.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TalkTestKit.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

// Into level 001 from the main menu, past its briefing.
bool OpenFirstLevel(cShellDriver& game) {
    if (!game.StartToMap() || !game.Click(u"map", u"play") || !game.WaitShown(u"start") ||
        !game.Click(u"start", u"close"))
        return false;
    return game.WaitShown(u"level");
}

TEST(TalkShell, LevelOneOpensWithItsTalkAndClicksOnTheBubblesLeadThroughIt) {
    MarkGLUsed();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Talker"));
    ASSERT_TRUE(OpenFirstLevel(game));
    game.FollowInjectedPointer();
    cGarden* garden = game.garden();
    cLevelWidget* level = garden->GetLevelWidget();
    ASSERT_NE(level, nullptr);
    cTalkRunner& talk = garden->levelHost->Story().talk;
    EXPECT_EQ(talk.Id(), u"001");
    ASSERT_TRUE(WaitForLine(game));
    ASSERT_TRUE(game.WaitShown(u"talk"));
    // Real words, with the way on.
    const std::u16string first = game.Control(u"talk", u"text0")->GetText();
    EXPECT_EQ(first, GetLocalizedText(u"001_ad_0") + u"\n" + GetLocalizedText(u"ClickToContinue"));
    EXPECT_NE(GetLocalizedText(u"001_ad_0"), u"001_ad_0");
    game.Step(40);  // the bubble has faded in
    EXPECT_TRUE(MatchesGolden("talk_level_001"));

    // A press beside the bubble, even on the wood the level starts with,
    // moves neither the talk nor a worker.
    cObject* wood = level->FindObjectByName(u"wood00");
    ASSERT_NE(wood, nullptr);
    cVec2 at;
    ASSERT_TRUE(FindPickPoint(*level, wood, &at));
    game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
    game.Step(3);
    EXPECT_EQ(talk.phraseIndex, 0);
    EXPECT_EQ(wood->jobMarkers, 0u);
    EXPECT_TRUE(wood->GetAssignedMen().empty());

    // Every line, each in its own bubble, then the talk is over.
    const int kSlots[] = {0, 1, 0, 0, 1, 1};
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(WaitForLine(game)) << i;
        EXPECT_EQ(talk.phraseIndex, i);
        EXPECT_EQ(talk.activeSpeaker, kSlots[i]) << i;
        ASSERT_TRUE(ClickSpeakingBubble(game)) << i;
    }
    game.Step(30);
    EXPECT_TRUE(talk.Id().empty());
    EXPECT_FALSE(game.IsShown(u"talk"));
    EXPECT_EQ(level->state, kLevelPlay);
    // The level takes clicks again.
    ASSERT_TRUE(FindPickPoint(*level, wood, &at));
    game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
    game.Step(3);
    EXPECT_TRUE(wood->jobMarkers > 0 || !wood->GetAssignedMen().empty())
        << "a worker is on the way to the wood";
}

TEST(TalkShell, TheTradersOfferShowsWhatHeAsksAndGivesAndCountsDown) {
    MarkGLUsed();
    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Trader"));
    // No tutorial hint over the offer.
    game.garden()->GetCurrentPlayer()->showHints = false;
    ASSERT_TRUE(OpenFirstLevel(game));
    game.FollowInjectedPointer();
    cGarden* garden = game.garden();
    ASSERT_TRUE(ClickThroughTalk(game));
    // Level 016's offer, made here as its trigger makes it.
    garden->GetLevelWidget()->OfferStoryDeal(u"A016");
    ASSERT_TRUE(WaitForLine(game));
    EXPECT_EQ(garden->levelHost->Story().talk.activeSpeaker, 2);
    EXPECT_EQ(game.Control(u"talk", u"text2")->GetText(),
              GetLocalizedText(u"DealIntro016") + u"\n" + GetLocalizedText(u"ClickToContinue"));
    ASSERT_TRUE(ClickSpeakingBubble(game));
    ASSERT_TRUE(game.WaitShown(u"deal"));
    game.Step(30);
    EXPECT_EQ(game.Caption(u"deal", u"label_out"), u"500");
    // 30 wood of 200 in the stock: 170 are missing.
    EXPECT_EQ(game.Caption(u"deal", u"label_in"),
              Format(GetLocalizedText(u"DealIn"), {int32_t{170}, int32_t{200}}));
    // Counting down from two minutes, as minutes and seconds.
    const DealOffer& offer = garden->levelHost->Story().deal.offer;
    EXPECT_LT(offer.dealTime, 119.0f);
    EXPECT_GT(offer.dealTime, 115.0f);
    EXPECT_EQ(game.Caption(u"deal", u"label_time"),
              Format(GetLocalizedText(u"DealTime"),
                     {int32_t{1}, static_cast<int32_t>(offer.dealTime) - 60}));
    game.MovePointer(1000, 20);
    game.Step(2);
    EXPECT_TRUE(MatchesGolden("deal_level_001"));
}

}  // namespace
}  // namespace qor::test

namespace qor::test {
namespace {

namespace fs = std::filesystem;

// The shipped data with window scripts of the test's for the talk and the
// offer.
class cBrokenWindowsData {
  public:
    cBrokenWindowsData(const std::u16string& talk, const std::u16string& deal) {
        const fs::path data = fs::absolute("data");
        for (const auto& entry : fs::directory_iterator(data)) {
            if (entry.path().filename() != "gui")
                fs::create_directory_symlink(entry.path(), folder.path() / entry.path().filename());
        }
        fs::create_directories(folder.path() / "gui");
        for (const auto& entry : fs::directory_iterator(data / "gui")) {
            const fs::path name = entry.path().filename();
            if (name != "talk.lua" && name != "deal.lua")
                fs::create_symlink(entry.path(), folder.path() / "gui" / name);
        }
        WriteUtf16File(folder.path() / "gui/talk.lua", talk);
        WriteUtf16File(folder.path() / "gui/deal.lua", deal);
    }
    cTempFolder folder;
};

int LogCount(std::u16string_view needle) {
    int count = 0;
    for (const auto& line : g_log->console()->lines())
        count += line.find(needle) != line.npos ? 1 : 0;
    return count;
}

TEST(TalkShell, WindowScriptsMissingAControlAreReportedOnceAndTheLevelStillPlays) {
    MarkGLUsed();
    // Every control but the second bubble; the offer without its clock.
    const cBrokenWindowsData data(
        u"function FillWindow(window)\n"
        u"  for i = 0, 2 do\n"
        u"    createImageCtrl(window, 'person' .. i)\n"
        u"    if i ~= 1 then createFrameCtrl(window, 'frame' .. i) end\n"
        u"    createTextBoxSysCtrl(window, 'text' .. i)\n"
        u"  end\n"
        u"end\n",
        u"function FillWindow(window)\n"
        u"  createImageCtrl(window, 'image_in')\n"
        u"  createImageCtrl(window, 'image_out')\n"
        u"  createLabelCtrl(window, 'label_in')\n"
        u"  createLabelCtrl(window, 'label_out')\n"
        u"end\n");
    cShellDriver game;
    if (!game.Start(data.folder.u16()))
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMainMenu("Broken"));
    EXPECT_EQ(LogCount(u"[talk] some control not found"), 1);
    EXPECT_EQ(LogCount(u"[deal] Some controls not found"), 1);
    ASSERT_TRUE(OpenFirstLevel(game));
    game.FollowInjectedPointer();
    cGarden* garden = game.garden();
    cLevelWidget* level = garden->GetLevelWidget();
    game.Step(60);
    EXPECT_TRUE(garden->levelHost->Story().talk.Id().empty())
        << "a talk nobody can read does not hold the level";
    EXPECT_EQ(level->state, kLevelPlay);
    cObject* wood = level->FindObjectByName(u"wood00");
    cVec2 at;
    ASSERT_TRUE(wood && FindPickPoint(*level, wood, &at));
    game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
    game.Step(3);
    EXPECT_TRUE(wood->jobMarkers > 0 || !wood->GetAssignedMen().empty());
    level->OfferStoryDeal(u"A016");
    game.Step(60);
    EXPECT_TRUE(garden->levelHost->Story().deal.IsRunning()) << "the offer runs on";
    EXPECT_EQ(LogCount(u"[talk] some control not found"), 1);
    EXPECT_EQ(LogCount(u"[deal] Some controls not found"), 1);
}

}  // namespace
}  // namespace qor::test
