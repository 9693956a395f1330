// The timed story of the levels, each on a small island of its own named
// after the level it stands for: the trader's offers, the falling stones,
// the second talks and the enemies growing bolder, checked every 5 s of play
// exactly as the game checks them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "engine/StringTable.h"
#include "level/LevelWidget.h"
#include "level/sites/Nugget.h"
#include "level/units/Prison.h"
#include "scene/SoundNumbers.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

// Objects the triggers look for, by name, on open grass.
constexpr char kBarriers[] = R"(
base00  cell 8 10
tree01  cell 12 14 name bar_tree00
tree01  cell 14 14 name bar_stone00
tree01  cell 16 14 name bar_stone01
)";

class cStoryLevel {
  public:
    explicit cStoryLevel(const std::string& name, const std::string& body = kBarriers) {
        h.host.hintsWanted = false;
        // Nobody works here, which the level says in a talk; the player reads
        // it, and the trader's words, and plays on.
        h.readsTalks = true;
        loaded = h.LoadScene(IslandScene(name, body));
        h.Begin();
    }
    float T() const { return h.host.levelTime; }
    // Plays on until the level's clock reads `seconds`.
    void RunTo(float seconds) {
        RunUntil([] { return false; }, seconds);
    }
    // Plays on until `done` holds; the clock reading then, or -1 when it
    // never held before `limit`. A clock that stands (a talk nobody reads, a
    // level that ended) fails the test instead of hanging it.
    float RunUntil(const std::function<bool()>& done, float limit) {
        const int most = static_cast<int>(2.0f * 30.0f * std::max(0.0f, limit - T())) + 300;
        for (int steps = 0; T() < limit; ++steps) {
            if (done())
                return T();
            if (steps == most) {
                ADD_FAILURE() << "the level's clock stood at " << T() << " s on the way to "
                              << limit << " s";
                return -1.0f;
            }
            h.Step();
        }
        return done() ? T() : -1.0f;
    }
    void Clear(const char16_t* name) {
        if (cObject* object = h.Find(name))
            object->SetState(kStateGone);
        h.Step();
    }
    void SetState(const char16_t* name, int32_t state) { h.Find(name)->SetState(state); }
    bool Talked(const std::u16string& talk) const {
        return std::count(h.host.talks.begin(), h.host.talks.end(), talk) == 1;
    }
    bool Offered(const std::u16string& intro) const {
        return std::count(h.host.deals.begin(), h.host.deals.end(), intro) == 1;
    }
    const cEnemySettings& Enemies() const { return h.level->enemySettings; }

    cLevelHarness h;
    ::testing::AssertionResult loaded = ::testing::AssertionFailure();
};

TEST(StoryTriggers, Level013DropsStonesFifteenSecondsAfterBothBarriersAndTalksTwentyLater) {
    cStoryLevel s("013");
    ASSERT_TRUE(s.loaded);
    EXPECT_TRUE(s.Talked(u"0130")) << "the level's own talk at its start";
    s.RunTo(35.0f);
    s.Clear(u"bar_tree00");
    s.RunTo(70.0f);
    EXPECT_EQ(s.h.level->meteorDelay, -1.0f) << "the stone barrier still stands";
    s.Clear(u"bar_stone00");
    const float fired = s.RunUntil([&] { return s.h.level->meteorDelay >= 0.0f; }, 90.0f);
    ASSERT_GT(fired, 70.0f);
    EXPECT_LE(fired, 76.0f) << "the next check after the barrier went";
    EXPECT_NEAR(s.h.level->meteorDelay, 15.0f, 0.1f);
    EXPECT_NEAR(s.h.level->storyMark, fired, 0.05f);
    const float talk = s.RunUntil([&] { return s.Talked(u"0131"); }, 150.0f);
    EXPECT_GT(talk - fired, 20.0f);
    EXPECT_LE(talk - fired, 25.1f);
    EXPECT_EQ(s.h.level->storyStep, -1);
}

TEST(StoryTriggers, Level017WithBothHousesBuiltDropsStonesAtOnceThenTalksAndDeals) {
    cStoryLevel s("017", std::string(kBarriers) + R"(
house00 cell 10 6 name house00 places 2
house00 cell 18 6 name house01 places 2
)");
    ASSERT_TRUE(s.loaded);
    s.SetState(u"house00", kStateReady);
    s.SetState(u"house01", kStateReady);
    const float fired = s.RunUntil([&] { return s.h.level->meteorDelay >= 0.0f; }, 60.0f);
    EXPECT_GT(fired, 30.0f);
    EXPECT_LE(fired, 35.1f);
    EXPECT_EQ(s.h.level->meteorDelay, 0.0f) << "stones at once";
    EXPECT_EQ(s.Enemies().spiritInterval, 9.0f);
    EXPECT_EQ(s.Enemies().enemyLimit, 4);
    const float talk = s.RunUntil([&] { return s.Talked(u"0171"); }, 80.0f);
    EXPECT_GT(talk - fired, 4.99f) << "the check after next";
    EXPECT_LE(talk - fired, 10.1f);
    const float deal = s.RunUntil([&] { return s.Offered(u"DealIntro017"); }, 100.0f);
    EXPECT_GT(deal - talk, 10.0f);
    EXPECT_LE(deal - talk, 15.1f);
}

TEST(StoryTriggers, Level017WithAHouseStillASiteWaits) {
    cStoryLevel s("017", std::string(kBarriers) + "house00 cell 10 6 name house00 places 2\n");
    ASSERT_TRUE(s.loaded);
    s.RunTo(60.0f);
    EXPECT_EQ(s.h.level->meteorDelay, -1.0f);
    EXPECT_EQ(s.h.level->storyStep, 0);
}

TEST(StoryTriggers, Level020NeverMakesItsSecondOfferWhileTheFirstRuns) {
    cStoryLevel s("020", std::string(kBarriers) + R"(
tree01 cell 10 6 name tree00
tree01 cell 12 6 name tree01
)");
    ASSERT_TRUE(s.loaded);
    const float spirits = s.Enemies().spiritInterval;
    s.SetState(u"tree00", 0);
    s.SetState(u"tree01", 0);
    const float first = s.RunUntil([&] { return s.Offered(u"DealIntro020_0"); }, 60.0f);
    EXPECT_GE(first, 40.0f);
    EXPECT_LE(first, 46.0f) << "40 s after the first check that saw both trees felled";
    EXPECT_FLOAT_EQ(s.Enemies().spiritInterval, spirits * 0.8f);
    // The offer runs for 200 s, unpaid: no second one meanwhile, and it
    // comes some checks after the first ran out.
    s.RunTo(first + 150.0f);
    EXPECT_FALSE(s.Offered(u"DealIntro020_1")) << "the first offer still runs";
    const float over = s.RunUntil([&] { return !s.h.host.IsDealRunning(); }, first + 300.0f);
    ASSERT_GT(over, first + 150.0f) << "the first offer runs out";
    EXPECT_FALSE(s.Offered(u"DealIntro020_1"));
    const float second = s.RunUntil([&] { return s.Offered(u"DealIntro020_1"); }, over + 60.0f);
    EXPECT_GE(second - over, 40.0f);
    EXPECT_LE(second - over, 46.0f);
    EXPECT_FLOAT_EQ(s.Enemies().spiritInterval, spirits * 0.8f * 0.7f);
}

TEST(StoryTriggers, Level022RaisesThePressureInThreeStagesSeventySecondsApart) {
    cStoryLevel s("022");
    ASSERT_TRUE(s.loaded);
    float at[3];
    at[0] = s.RunUntil([&] { return s.Enemies().spiritInterval == 16.0f; }, 120.0f);
    EXPECT_EQ(s.Enemies().enemyLimit, 6);
    EXPECT_TRUE(s.Talked(u"0221"));
    at[1] = s.RunUntil([&] { return s.Enemies().spiritInterval == 10.0f; }, 250.0f);
    EXPECT_EQ(s.Enemies().enemyLimit, 7);
    at[2] = s.RunUntil([&] { return s.Enemies().spiritInterval == 2.0f; }, 400.0f);
    EXPECT_EQ(s.Enemies().enemyLimit, 10);
    EXPECT_GT(at[0], 90.0f);
    EXPECT_LE(at[0], 95.1f);
    for (int i = 1; i < 3; ++i) {
        EXPECT_GE(at[i] - at[i - 1], 70.0f) << i;
        EXPECT_LE(at[i] - at[i - 1], 75.1f) << i;
    }
    EXPECT_EQ(s.h.level->storyStep, -1);
}

TEST(StoryTriggers, Level030SpendingTheLastNuggetEndsGoldAndSilverAtOnce) {
    std::string body = kBarriers;
    for (int i = 0; i < 5; ++i)
        body += "nugget00 cell " + std::to_string(10 + 2 * i) + " 6 name nugget0" +
                std::to_string(i) + "\n";
    cStoryLevel s("030", body);
    ASSERT_TRUE(s.loaded);
    for (const char16_t* name : {u"nugget00", u"nugget01", u"nugget02", u"nugget03"})
        s.SetState(name, kNuggetSpent);
    s.RunTo(40.0f);
    EXPECT_GT(s.h.level->timeLeft, 0.0f) << "one nugget is left";
    s.SetState(u"nugget04", kNuggetSpent);
    const float before = s.T();
    const float ended = s.RunUntil([&] { return s.h.level->storyStep == -1; }, 60.0f);
    ASSERT_GT(ended, 0.0f);
    EXPECT_EQ(s.h.level->timeLeft, 0.0f);
    EXPECT_GE(s.T() - before, s.h.level->silverTime / 1.5f) << "the clock jumped past gold";
    EXPECT_EQ(s.h.host.Played(kSoundBonusStop), 1);
}

TEST(StoryTriggers, Level040DropsStonesOnceItsBridgeStandsAndNeverWithoutIt) {
    const struct {
        const char* what;
        const char* bridges;
        const char16_t* finish;  // the bridge finished at 20 s
        bool stones;
    } kCases[] = {
        {"the first bridge finished", "tree01 cell 10 6 name bridge00\n", u"bridge00", true},
        {"the second bridge finished",
         "tree01 cell 10 6 name bridge00\ntree01 cell 12 6 name bridge01\n", u"bridge01", true},
        {"no first bridge at all", "tree01 cell 12 6 name bridge01\n", u"bridge01", false},
        {"neither finished, no second", "tree01 cell 10 6 name bridge00\n", nullptr, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        cStoryLevel s("040", std::string(kBarriers) + c.bridges);
        ASSERT_TRUE(s.loaded);
        for (const char16_t* name : {u"bridge00", u"bridge01"}) {
            if (s.h.Find(name))
                s.SetState(name, 0);
        }
        s.RunTo(20.0f);
        EXPECT_EQ(s.h.level->meteorDelay, -1.0f);
        if (c.finish)
            s.SetState(c.finish, kStateReady);
        s.RunTo(30.0f);
        if (c.stones) {
            EXPECT_GT(s.h.level->meteorDelay, 0.0f);
            EXPECT_LE(s.h.level->meteorDelay, 10.0f);
            EXPECT_EQ(s.h.level->storyStep, -1);
        } else {
            EXPECT_EQ(s.h.level->meteorDelay, -1.0f);
        }
    }
}

// Every other row once: what it waits for, and what it does at which time.
TEST(StoryTriggers, EveryOtherLevelFiresItsRowAtTheRightCheck) {
    struct cCase {
        const char* level;
        std::string body;
        // Readies the island at the start; may be empty.
        std::function<void(cStoryLevel&)> ready;
        float notBefore;  // nothing has happened at this time
        std::function<bool(cStoryLevel&)> fired;
        float by;  // it has happened at this time
    };
    const std::string withHouse =
        std::string(kBarriers) + "house00 cell 10 6 name house00 places 2\n";
    const std::string nuggets =
        std::string(kBarriers) +
        "nugget00 cell 10 6 name nugget00\n"
        "nugget00 cell 12 6 name nugget01\nnugget00 cell 14 6 name nugget02\n";
    const cCase kCases[] = {
        {"012", kBarriers, nullptr, 100.0f,
         [](cStoryLevel& s) { return s.Enemies().banditSpeed == 45.0f * 1.3f; }, 105.1f},
        {"014", kBarriers, nullptr, 60.0f,
         [](cStoryLevel& s) { return s.Enemies().spiritInterval == 15.0f * 0.6f; }, 65.1f},
        {"015", kBarriers, nullptr, 60.0f,
         [](cStoryLevel& s) {
             return s.Enemies().goblinInterval == 15.0f * 0.6f &&
                    s.Enemies().spiritInterval == 20.0f * 0.5f;
         },
         65.1f},
        {"016", kBarriers, [](cStoryLevel& s) { s.Clear(u"bar_stone00"); }, 30.0f,
         [](cStoryLevel& s) { return s.Offered(u"DealIntro016"); }, 35.1f},
        {"018", nuggets,
         [](cStoryLevel& s) {
             for (const char16_t* name : {u"nugget00", u"nugget01", u"nugget02"})
                 static_cast<cNugget*>(s.h.Find(name))->jobsLeft = 2;
         },
         30.0f, [](cStoryLevel& s) { return s.Offered(u"DealIntro018"); }, 35.1f},
        {"021", kBarriers, nullptr, 70.0f,
         [](cStoryLevel& s) { return s.Enemies().spiritInterval == 20.0f * 0.6f; }, 75.1f},
        {"021", kBarriers, nullptr, 130.0f,
         [](cStoryLevel& s) { return s.Enemies().spiritInterval == 20.0f * 0.6f * 0.5f; }, 135.1f},
        {"024", kBarriers, nullptr, 100.0f,
         [](cStoryLevel& s) {
             return s.Enemies().spiritInterval == 11.0f && s.Enemies().enemyLimit == 8;
         },
         105.1f},
        {"024", kBarriers, nullptr, 160.0f,
         [](cStoryLevel& s) {
             return s.Enemies().spiritInterval == 6.0f && s.Enemies().enemyLimit == 10;
         },
         165.1f},
        {"025", kBarriers, nullptr, 120.0f,
         [](cStoryLevel& s) {
             return s.Enemies().spiritInterval == 6.0f && s.Enemies().enemyLimit == 15 &&
                    s.Talked(u"0251");
         },
         125.1f},
        {"025", kBarriers, nullptr, 160.0f,
         [](cStoryLevel& s) {
             return s.Enemies().spiritInterval == 5.0f && s.Enemies().enemyLimit == 20;
         },
         165.1f},
        {"028", kBarriers, [](cStoryLevel& s) { s.Clear(u"bar_stone00"); }, 0.0f,
         [](cStoryLevel& s) {
             return s.Offered(u"DealIntro028_0") && !s.Offered(u"DealIntro028_1");
         },
         5.1f},
        {"028", kBarriers,
         [](cStoryLevel& s) {
             s.Clear(u"bar_stone00");
             s.Clear(u"bar_stone01");
         },
         5.0f, [](cStoryLevel& s) { return s.Offered(u"DealIntro028_1"); }, 10.1f},
        {"032", kBarriers, [](cStoryLevel& s) { s.Clear(u"bar_tree00"); }, 0.0f,
         [](cStoryLevel& s) { return s.Offered(u"DealIntro032"); }, 5.1f},
        {"039", withHouse, [](cStoryLevel& s) { s.SetState(u"house00", kStateReady); }, 0.0f,
         [](cStoryLevel& s) { return s.Offered(u"DealIntro039_0"); }, 5.1f},
        {"039", withHouse,
         [](cStoryLevel& s) {
             s.SetState(u"house00", kStateReady);
             s.h.host.EndDeal();
             s.h.host.resources.mana = 49;
         },
         5.0f, [](cStoryLevel& s) { return s.Offered(u"DealIntro039_1"); }, 10.1f},
        {"041", kBarriers, [](cStoryLevel& s) { s.Clear(u"bar_stone01"); }, 0.0f,
         [](cStoryLevel& s) { return s.Offered(u"DealIntro041"); }, 5.1f},
    };
    for (const cCase& c : kCases) {
        SCOPED_TRACE(std::string("level ") + c.level);
        cStoryLevel s(c.level, c.body);
        ASSERT_TRUE(s.loaded);
        if (c.ready)
            c.ready(s);
        // 039's second offer waits for the first to be over: the test host
        // ends it as soon as it was made.
        if (std::string(c.level) == "039" && c.notBefore > 0.0f) {
            s.RunUntil([&] { return s.Offered(u"DealIntro039_0"); }, 10.0f);
            s.h.host.EndDeal();
        }
        s.RunTo(c.notBefore);
        EXPECT_FALSE(c.fired(s)) << "too early, at " << s.T();
        s.RunTo(c.by);
        EXPECT_TRUE(c.fired(s)) << "by " << c.by;
    }
}

TEST(StoryTriggers, ATriggerWaitingForAnObjectTheLevelLacksTakesItAsCleared) {
    // No barriers on this island at all: 016's stone barrier counts as gone.
    cStoryLevel s("016", "base00 cell 8 10\n");
    ASSERT_TRUE(s.loaded);
    s.RunTo(35.1f);
    EXPECT_TRUE(s.Offered(u"DealIntro016"));
}

TEST(StoryTriggers, TheTwoPrisonLevelsSetTheirPrisonersTextAndPrice) {
    const struct {
        const char* level;
        const char16_t* text;
        ResourceSet price;
    } kCases[] = {{"035", u"PrisonSaveSeller", {0, 0, 200, 0}},
                  {"032", u"PrisonSavePrincess", {0, 0, 500, 0}}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.level);
        cStoryLevel s(c.level, std::string(kBarriers) + "prison00 cell 18 8 name prison\n");
        ASSERT_TRUE(s.loaded);
        auto* prison = static_cast<cPrison*>(s.h.Find(u"prison"));
        ASSERT_NE(prison, nullptr);
        EXPECT_EQ(prison->storyText, qor::GetLocalizedText(c.text));
        EXPECT_EQ(prison->GetPrice(), c.price);
    }
}

}  // namespace
}  // namespace level_test
