// The tutorial's chains played headless on real levels: the shipped ones
// that carry a chain, and small islands named after the levels not shipped
// yet. Each step must show at its target, wait for what it asks, close, and
// hand over to the next; the chain ends where the step table says.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "level/LevelWidget.h"
#include "level/sites/Field.h"
#include "level/tutorial/Train.h"
#include "level/units/Enemy.h"
#include "level/units/Worker.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

// The HUD controls the steps point at, where gui/level.lua puts them, and
// the hint's frame somewhere away from the island's objects.
const qor::cRectF kTaskLine{784, 576, 224, 56};
const qor::cRectF kClock{696, 696, 256, 64};
const qor::cRectF kTrainFrame{20, 600, 300, 80};

void AddControls(cTestHost& host) {
    host.controls[u"level/frame_task0"] = kTaskLine;
    host.controls[u"level/time_line"] = kClock;
    host.controls[u"train/frame"] = kTrainFrame;
}

std::vector<uint8_t> ShippedLevel(const std::string& file) {
    std::ifstream in(std::filesystem::path("data") / "level" / (file + ".lvl"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class cTutorialHarness : public cLevelHarness {
  public:
    cTutorialHarness() { AddControls(host); }

    cTrain* StepNow() const { return level->trainStep.get(); }
    int Phase() const { return StepNow() ? StepNow()->phase : kTrainOver; }
    // Steps until a hint shows; its key (the test services show texts as
    // "<key>").
    std::u16string WaitHint(float limit = 15.0f) {
        const size_t before = host.trainShows.size();
        StepUntil([&] { return host.trainShows.size() > before && Phase() == kTrainShown; }, limit);
        if (host.trainShows.size() <= before)
            return u"(nothing)";
        const std::u16string& text = host.trainShows[before].text;
        return text.size() > 2 ? text.substr(1, text.size() - 2) : text;
    }
    // Steps until the shown hint closed.
    bool WaitClosed(float limit) {
        return StepUntil([&] { return Phase() != kTrainShown; }, limit);
    }
    void Key() { level->OnEvent(qor::kWidgetKeyDown, 'A'); }
    // A click on the step's target, where a player would put it.
    bool ClickTarget() { return StepNow() && ClickOn(StepNow()->target); }
};

// What the player does to get past a step.
enum eDo { kAck, kClickTarget, kCustom };

struct cStepCase {
    const char16_t* key;
    eDo action;
    std::function<void(cTutorialHarness&)> custom = nullptr;
    float limit = 60.0f;  // seconds the player's action may take to count
};

struct cChainCase {
    const char* name;
    std::function<void(cTutorialHarness&)> load;
    std::vector<cStepCase> steps;
};

auto Shipped(const std::string& file) {
    return [file](cTutorialHarness& h) { h.LoadBytes(ShippedLevel(file)); };
}

auto Island(const std::string& level, const std::string& body) {
    return
        [level, body](cTutorialHarness& h) { ASSERT_TRUE(h.LoadScene(IslandScene(level, body))); };
}

const std::string kCamp =
    "base00 cell 15 10 name home\nworker cell 14 9\nworker cell 15 9\nworker cell 16 9\n";

// Plays the chain step by step: each hint shows with its key, goes once the
// player did what it asks, and the chain ends after the last.
void PlayChain(const cChainCase& chain) {
    SCOPED_TRACE(chain.name);
    cTutorialHarness h;
    chain.load(h);
    h.host.Earn({500, 500, 500, 500});
    h.Begin();
    ASSERT_NE(h.StepNow(), nullptr) << "the level makes its chain's first step";
    for (const cStepCase& step : chain.steps) {
        const std::string key(step.key, step.key + std::char_traits<char16_t>::length(step.key));
        SCOPED_TRACE(key);
        ASSERT_EQ(h.WaitHint(), step.key);
        const auto& shown = h.host.trainShows.back();
        EXPECT_GT(shown.radius, 0.0f);
        if (step.action != kCustom) {
            EXPECT_EQ(shown.clickToContinue, step.action == kAck);
        }
        const size_t closes = h.host.closed.size();
        switch (step.action) {
            case kAck:
                h.Key();
                break;
            case kClickTarget:
                ASSERT_TRUE(h.ClickTarget());
                break;
            case kCustom:
                step.custom(h);
                break;
        }
        ASSERT_TRUE(h.WaitClosed(step.limit)) << "the step waits for what it asked";
        h.Step(2);
        EXPECT_GT(h.host.closed.size(), closes) << "the hint window closes";
    }
    h.Step(30);
    EXPECT_EQ(h.StepNow(), nullptr) << "the finished chain is dropped";
}

TEST(Tutorial, EveryChainShowsEachStepAndClosesItWhenThePlayerDidIt) {
    auto ringBell = [](cTutorialHarness& h) { ASSERT_TRUE(h.ClickOn(h.Find(u"bell"))); };
    auto clickAgain = [](cTutorialHarness& h) {
        // A second worker for the lighthouse.
        ASSERT_TRUE(h.ClickTarget());
    };
    auto callOff = [](cTutorialHarness& h) {
        const std::vector<cObject*> men = h.StepNow()->target->GetAssignedMen();
        ASSERT_FALSE(men.empty());
        // A worker on his way is picked where he stands now.
        ASSERT_TRUE(h.ClickOn(men.front()));
    };
    auto takeNugget = [](cTutorialHarness& h) {
        ASSERT_TRUE(h.ClickTarget());
        // A goblin comes out of its lair for the gold.
        const std::vector<cObject*> lairs = h.OfType(kBaseEnemy);
        ASSERT_FALSE(lairs.empty());
        ASSERT_NE(h.level->SpawnEnemy(kEnemyGold, lairs.front()->GetPosition()), nullptr);
    };
    auto nuggetsSpent = [](cTutorialHarness& h) {
        h.Key();
        // The story's timer ran out with every nugget gone to the rival.
        h.level->storyStep = -1;
    };
    const std::vector<cChainCase> chains = {
        {"train01 on 002",
         Shipped("level001"),
         {{u"Train01SpellFieldFast", kClickTarget}, {u"Train01FreeWorker", kClickTarget}}},
        {"train02 on 004",
         Shipped("level002"),
         {{u"Train02TakeNugget", kCustom, takeNugget},
          {u"Train02EnemyGold", kCustom,
           [](cTutorialHarness& h) {
               ASSERT_TRUE(h.ClickTarget()) << "the hero is sent after the goblin";
           }}}},
        {"train03 on 007",
         Shipped("level003"),
         {{u"Train03Sawmill", kAck}, {u"Train03HouseUp", kAck}}},
        // The shipped 036 keeps its lighthouse out of reach at first: the
        // whole chain plays on an island named after it.
        {"train04 on an island named 036",
         Island("036", kCamp + "worker cell 17 9\nmill00 cell 16 14 ready places 1 approach\n"
                               "lighthouse00 cell 22 7 places 4\n"),
         {{u"Train04Mill", kAck},
          {u"Train04BuildLightHouse", kClickTarget},
          {u"Train04AddWorker", kCustom, clickAgain},
          {u"Train04FreeWorker", kCustom, callOff}}},
        {"train05 on an island named 012",
         Island("012", kCamp + "bell00 cell 12 12 name bell\nenemy_bandit cell 26 6\n"),
         {{u"Train05Bandit", kAck},
          {u"Train05RingBell", kCustom, ringBell},
          {u"Train05BellInfo", kAck}}},
        {"train06 on an island named 010",
         Island("010", kCamp + "goldmill00 cell 17 5 places 1 ready\n"),
         {{u"Train06Goldmill", kAck}}},
        {"train07 on an island named 006",
         Island("006", kCamp + "altar00 cell 19 12\nwell00 cell 12 15 name well00\n"),
         {{u"Train07SpellWaterFreeze", kAck}, {u"Train07ManaWell", kClickTarget}}},
        {"train08 on an island named 013",
         Island("013", kCamp + "altar00 cell 19 12 name altar00\n"),
         {{u"Train08SpellTreeRestore", kAck}}},
        {"train09 on an island named 019",
         Island("019", kCamp + "tower00 cell 22 14\n"),
         {{u"Train09BuildTower", kAck}}},
        {"train10 on an island named 024",
         Island("024", kCamp + "altar00 cell 19 12\n"),
         {{u"Train10SpellEnemyFreeze", kAck}}},
        {"train11 on an island named 033",
         Island("033", kCamp + "altar00 cell 19 12 name altar00\n"),
         {{u"Train11SpellShield", kAck}}},
        {"train12 on an island named 035",
         Island("035", kCamp + "prison00 cell 19 17\n"),
         {{u"Train12SaveSeller", kAck}}},
        {"train13 on an island named 032",
         Island("032", kCamp + "prison00 cell 19 17\n"),
         {{u"Train13SavePrincess", kAck}}},
        {"train14 on an island named 030",
         Island("030", kCamp + "nugget00 cell 21 11 name nugget01\n"),
         {{u"Train14Competition", kCustom, nuggetsSpent}, {u"Train14CompetitionFailed", kAck}}},
        {"train15 on an island named 003",
         Island("003", kCamp + "altar00 cell 19 12\n"),
         {{u"Train15SpellWorkerFast", kAck}}},
    };
    for (const cChainCase& chain : chains)
        PlayChain(chain);
}

// The shipped levels that carry a chain show its first step at its target.
TEST(Tutorial, ShippedLevelsShowTheFirstStepOfTheirChain) {
    const struct {
        const char* file;
        const char16_t* key;
        const char16_t* targetKind;
    } cases[] = {
        {"level000", u"Train00TakeField", u"field00"},
        {"level001", u"Train01SpellFieldFast", u"altar00"},
        {"level002", u"Train02TakeNugget", u"nugget00"},
        {"level003", u"Train03Sawmill", u"sawmill00"},
        {"level004", u"Train04Mill", u"mill00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        cTutorialHarness h;
        h.LoadBytes(ShippedLevel(c.file));
        h.Begin();
        ASSERT_EQ(h.WaitHint(), c.key);
        ASSERT_NE(h.StepNow()->target, nullptr);
        EXPECT_EQ(h.StepNow()->target->kind, c.targetKind);
    }
}

// The first level as a new player meets it: the field is ripe from the start,
// and every step waits for the player's own clicks.
TEST(Tutorial, FirstLevelChainFollowsThePlayersClicksToTheEnd) {
    cTutorialHarness h;
    h.LoadBytes(ShippedLevel("level000"));
    ASSERT_NE(h.StepNow(), nullptr);
    cObject* field = h.StepNow()->target;
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->kind, u"field00");
    EXPECT_EQ(field->state, kFieldRipe) << "ripe as soon as the tutorial starts";
    h.Begin();

    ASSERT_EQ(h.WaitHint(), u"Train00TakeField");
    EXPECT_EQ(h.host.trainShows.back().flags, 33);
    const qor::cRectF bounds = field->GetBounds();
    EXPECT_FLOAT_EQ(h.host.trainShows.back().at.x, bounds.x + bounds.w / 2);
    EXPECT_EQ(h.host.windows.back(), u"train");
    ASSERT_TRUE(h.ClickTarget());
    ASSERT_TRUE(h.WaitClosed(20.0f)) << "the harvest closes the field's hint";

    ASSERT_EQ(h.WaitHint(), u"Train00PanelTask");
    EXPECT_FLOAT_EQ(h.host.trainShows.back().at.y, kTaskLine.y + kTaskLine.h / 2);
    h.Step(60);
    EXPECT_EQ(h.Phase(), kTrainShown) << "waits until the player points at the goal";
    h.host.shownWindow = u"hint_task";
    ASSERT_TRUE(h.WaitClosed(1.0f));
    h.host.shownWindow.clear();

    ASSERT_EQ(h.WaitHint(), u"Train00LevelTime");
    EXPECT_TRUE(h.host.trainShows.back().clickToContinue);
    EXPECT_EQ(h.host.trainShows.back().flags, 36);
    h.Key();
    ASSERT_TRUE(h.WaitClosed(0.2f));

    ASSERT_EQ(h.WaitHint(), u"Train00TakeTree");
    cObject* tree = h.StepNow()->target;
    ASSERT_TRUE(h.ClickTarget());
    ASSERT_TRUE(h.WaitClosed(60.0f)) << "closes once the tree is felled";
    EXPECT_EQ(tree->state, 0);

    ASSERT_EQ(h.WaitHint(), u"Train00BuildHouse");
    cObject* house = h.StepNow()->target;
    EXPECT_EQ(house->kind, u"house00");
    h.host.Earn({200, 0, 0, 0});
    ASSERT_TRUE(h.ClickTarget());
    ASSERT_TRUE(h.WaitClosed(90.0f)) << "closes once the house stands";
    EXPECT_EQ(house->state, kStateReady);

    ASSERT_EQ(h.WaitHint(), u"Train00RemoveBarrier");
    h.host.Earn({0, 100, 0, 0});
    ASSERT_TRUE(h.ClickTarget());
    ASSERT_TRUE(h.WaitClosed(90.0f)) << "closes once the log is gone";
    h.Step(2);
    EXPECT_EQ(h.StepNow(), nullptr) << "the end of the chain";
    EXPECT_EQ(h.host.trainShows.size(), 6u) << "six hints, each shown once";
}

// A message goes with a key, a click inside its frame or 10 s of waiting,
// never with a click elsewhere.
TEST(Tutorial, AMessageGoesByKeyClickOnItsFrameOrTimeButNotByAClickElsewhere) {
    struct cCase {
        const char* name;
        std::function<void(cTutorialHarness&)> act;
        float closesWithin;  // seconds; 0 for "stays"
    };
    const cCase cases[] = {
        {"a click outside the frame",
         [](cTutorialHarness& h) {
             h.Click({600, 100});
         },
         0.0f},
        {"a key", [](cTutorialHarness& h) { h.Key(); }, 0.1f},
        {"a click inside the frame",
         [](cTutorialHarness& h) {
             h.Click({kTrainFrame.x + 10, kTrainFrame.y + 10});
         },
         0.1f},
        {"waiting", [](cTutorialHarness&) {}, 10.1f},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTutorialHarness h;
        ASSERT_TRUE(
            h.LoadScene(IslandScene("010", kCamp + "goldmill00 cell 17 5 places 1 ready\n")));
        h.Begin();
        ASSERT_EQ(h.WaitHint(), u"Train06Goldmill");
        c.act(h);
        if (c.closesWithin == 0.0f) {
            h.StepSeconds(9.0f);
            EXPECT_EQ(h.Phase(), kTrainShown);
        } else {
            if (c.closesWithin > 1.0f) {
                h.StepSeconds(9.5f);
                EXPECT_EQ(h.Phase(), kTrainShown) << "not before 10 s";
            }
            EXPECT_TRUE(h.WaitClosed(c.closesWithin));
        }
    }
}

// No tutorial when hints are off or the level was won before; hints
// switched off drop a running one at once.
TEST(Tutorial, HintsOffOrALevelWonBeforeShowNothing) {
    for (int which = 0; which < 2; ++which) {
        cTutorialHarness h;
        (which == 0 ? h.host.hintsWanted : h.host.wonBefore) = which == 0 ? false : true;
        h.LoadBytes(ShippedLevel("level000"));
        h.Begin();
        h.StepSeconds(5.0f);
        EXPECT_EQ(h.StepNow(), nullptr);
        EXPECT_TRUE(h.host.trainShows.empty());
    }
    cTutorialHarness h;
    h.LoadBytes(ShippedLevel("level000"));
    h.Begin();
    ASSERT_EQ(h.WaitHint(), u"Train00TakeField");
    h.host.hintsWanted = false;
    h.Step();
    EXPECT_EQ(h.StepNow(), nullptr);
    ASSERT_FALSE(h.host.closed.empty());
    EXPECT_EQ(h.host.closed.back(), u"train") << "the shown hint closes with it";
}

// A step whose target is missing shows nothing, and its chain stops there.
TEST(Tutorial, AStepWithoutItsTargetShowsNothingAndStopsItsChain) {
    cTutorialHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("036", kCamp)));  // no mill, no lighthouse
    h.Begin();
    h.StepSeconds(5.0f);
    EXPECT_TRUE(h.host.trainShows.empty());
    ASSERT_NE(h.StepNow(), nullptr) << "the step stays until the level is reset";
    EXPECT_EQ(h.Phase(), kTrainOver);
    EXPECT_EQ(h.StepNow()->finished, 0);
}

// The rival's win is told only when the nuggets are spent.
TEST(Tutorial, TheLostRaceIsNeverToldWhileANuggetIsKept) {
    cTutorialHarness h;
    ASSERT_TRUE(h.LoadScene(IslandScene("030", kCamp + "nugget00 cell 21 11 name nugget01\n")));
    h.Begin();
    ASSERT_EQ(h.WaitHint(), u"Train14Competition");
    h.Key();
    ASSERT_TRUE(h.WaitClosed(0.2f));
    h.StepSeconds(60.0f);
    EXPECT_EQ(h.host.trainShows.size(), 1u);
    EXPECT_EQ(h.Phase(), kTrainWaiting);
}

// The goblin's hint follows it as it walks.
TEST(Tutorial, AWalkingGoblinDragsTheArrowAlong) {
    cTutorialHarness h;
    h.LoadBytes(ShippedLevel("level002"));
    h.Begin();
    ASSERT_EQ(h.WaitHint(), u"Train02TakeNugget");
    ASSERT_TRUE(h.ClickTarget());
    const std::vector<cObject*> lairs = h.OfType(kBaseEnemy);
    ASSERT_FALSE(lairs.empty());
    cObject* goblin = h.level->SpawnEnemy(kEnemyGold, lairs.front()->GetPosition());
    ASSERT_NE(goblin, nullptr);
    ASSERT_EQ(h.WaitHint(), u"Train02EnemyGold");
    const qor::cVec2 first = h.host.trainShows.back().at;
    const qor::cVec2 from = goblin->GetPosition();
    h.StepSeconds(2.0f);
    ASSERT_EQ(h.Phase(), kTrainShown);
    const qor::cVec2 moved = goblin->GetPosition();
    ASSERT_GT(std::abs(moved.x - from.x) + std::abs(moved.y - from.y), 5.0f) << "it walks";
    const qor::cVec2 last = h.host.trainShows.back().at;
    const qor::cRectF bounds = goblin->GetBounds();
    EXPECT_GT(std::abs(last.x - first.x) + std::abs(last.y - first.y), 5.0f);
    EXPECT_FLOAT_EQ(last.x, bounds.x + bounds.w / 2) << "the arrow is where the goblin is now";
    EXPECT_FLOAT_EQ(last.y, bounds.y + bounds.h / 2);
}

}  // namespace
}  // namespace level_test
