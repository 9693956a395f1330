// Proof that the shipped levels can be won: every solution in
// data-src/level/solutions/ (NAME.replay for the level source
// data-src/level/NAME.lvl.scene) is read from the source tree, played
// headless on the level the data build made of it (data/level/NAME.lvl),
// and must win the level for gold. Each solution is one test; each prints
// the level's silver time, its gold limit and the time left.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayMedal.h"
#include "level/replay/ReplayPlayer.h"
#include "level/units/Worker.h"
#include "tests/LevelHarness.h"
#include "tests/PlanBot.h"

namespace level_test {
namespace {

namespace fs = std::filesystem;

const fs::path kSolutions = fs::path(QOR_SOURCE_DIR) / "data-src" / "level" / "solutions";
const fs::path kLevels = fs::path("data") / "level";

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The stems of the files of the solutions folder with this extension, in
// name order.
std::vector<std::string> Stems(const std::string& extension) {
    std::vector<std::string> stems;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kSolutions, ec)) {
        if (entry.path().extension() == extension)
            stems.push_back(entry.path().stem().string());
    }
    std::sort(stems.begin(), stems.end());
    return stems;
}

// What playing one solution gave.
struct cSolutionOutcome {
    std::string error;  // empty when the replay was read and followed to its end
    std::u16string levelName;
    bool won = false;
    bool gold = false;
    float silverTime = 0.0f;
    float timeLeft = 0.0f;
};

// Plays a solution file's bytes on a compiled level, headless.
cSolutionOutcome RunSolution(const std::vector<uint8_t>& solution,
                             const std::vector<uint8_t>& levelBytes) {
    cSolutionOutcome out;
    cReplay replay;
    if (!ParseReplay(solution, &replay, &out.error))
        return out;
    cLevelHarness h;
    cReplayPlayer player(replay);
    if (!player.Start(*h.level, levelBytes, &out.error) || !player.RunToEnd(&out.error))
        return out;
    out.levelName = h.level->levelName;
    out.won = h.level->state == kLevelFinished;
    out.gold = WonForGold(*h.level);
    out.silverTime = h.level->silverTime;
    out.timeLeft = h.level->timeLeft;
    return out;
}

class SolutionRun : public ::testing::TestWithParam<std::string> {};

TEST_P(SolutionRun, WinsItsLevelForGold) {
    const std::string stem = GetParam();
    const fs::path levelFile = kLevels / (stem + ".lvl");
    ASSERT_TRUE(fs::exists(levelFile)) << "no level " << levelFile << " for the solution " << stem;
    const cSolutionOutcome run =
        RunSolution(ReadBytes(kSolutions / (stem + ".replay")), ReadBytes(levelFile));
    ASSERT_EQ(run.error, "") << stem << ".replay";
    std::printf("level %s (%s): silver %.1f s, gold limit %.1f s, time left %.1f s, %s\n",
                qor::ToUtf8(run.levelName).c_str(), stem.c_str(), run.silverTime,
                run.silverTime / 1.5f, run.timeLeft, run.won ? "won" : "not won");
    EXPECT_TRUE(run.gold) << stem << " does not win its level for gold";
}

INSTANTIATE_TEST_SUITE_P(Shipped, SolutionRun, ::testing::ValuesIn(Stems(".replay")),
                         [](const auto& info) { return info.param; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SolutionRun);

// Each solution is made from its plan (NAME.plan beside it, see
// tests/PlanBot.h) and must be exactly what the plan plays today: a changed
// level or plan shows here first. QOR_UPDATE_SOLUTIONS=1 writes the replays
// anew (then SolutionRun says whether they still win for gold).
constexpr uint32_t kPlanSeed = 2417;

class SolutionPlan : public ::testing::TestWithParam<std::string> {};

TEST_P(SolutionPlan, PlaysToItsSolution) {
    const std::string stem = GetParam();
    const std::vector<uint8_t> planBytes = ReadBytes(kSolutions / (stem + ".plan"));
    const cPlanOutcome made = PlayPlan(std::string(planBytes.begin(), planBytes.end()),
                                       ReadBytes(kLevels / (stem + ".lvl")), kPlanSeed);
    EXPECT_EQ(made.error, "") << stem << ".plan, played:\n" << made.trace;
    const std::string text =
        "# Made from " + stem + ".plan by tests/PlanBot.h\n" + ReplayToText(made.replay);
    const fs::path solution = kSolutions / (stem + ".replay");
    if (const char* trace = std::getenv("QOR_PLAN_TRACE"); trace && std::string(trace) == "1")
        std::printf("%s.plan played:\n%s", stem.c_str(), made.trace.c_str());
    const char* update = std::getenv("QOR_UPDATE_SOLUTIONS");
    if (update && std::string(update) == "1") {
        std::ofstream(solution, std::ios::binary) << text;
        std::printf("wrote %s\n", solution.c_str());
    }
    const std::vector<uint8_t> stored = ReadBytes(solution);
    EXPECT_EQ(std::string(stored.begin(), stored.end()), text)
        << stem << ".replay is not what its plan plays: run the test with QOR_UPDATE_SOLUTIONS=1";

    // Fair to a newcomer: the same plan, with three seconds' thought after
    // every click, still wins within the silver time.
    const cPlanOutcome slow = PlayPlan(std::string(planBytes.begin(), planBytes.end()),
                                       ReadBytes(kLevels / (stem + ".lvl")), kPlanSeed, 3.0f);
    std::printf("level %s: the plan leaves %.1f s, played slowly %.1f s of %.1f\n", stem.c_str(),
                made.timeLeft, slow.timeLeft, slow.silverTime);
    EXPECT_TRUE(slow.won && slow.timeLeft > 0.0f) << stem << " played slowly:\n" << slow.trace;
}

INSTANTIATE_TEST_SUITE_P(Shipped, SolutionPlan, ::testing::ValuesIn(Stems(".plan")),
                         [](const auto& info) { return info.param; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SolutionPlan);

// A plan the bot cannot follow is refused with its line, before any play.
TEST(PlanBot, RefusesAPlanItCannotFollowWithItsLine) {
    const std::vector<uint8_t> level = ReadBytes(kLevels / "level000.lvl");
    ASSERT_FALSE(level.empty());
    const struct {
        const char* plan;
        const char* error;
    } kCases[] = {
        {"click wood00\nclikc house00\n", "plan line 2: unknown step 'clikc'"},
        {"# a comment\nclick house09\n", "plan line 2: nothing is named 'house09' on this level"},
        {"gather tree00|tree99\n", "plan line 1: nothing is named 'tree99' on this level"},
        {"hero dragon\n", "plan line 1: the hero goes after a goblin, spirit, bandit or enemy"},
        {"click house00 2\n", "plan line 1: a repeat is written x2, x3..."},
        {"wait soon\n", "plan line 1: 'wait' wants seconds"},
        {"click\n", "plan line 1: 'click' wants a name"},
        {"wait 1\n", "the plan ends without winning the level"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(PlayPlan(c.plan, level, kPlanSeed).error, c.error) << c.plan;
}

// Every shipped level comes with its plan and the solution made of it.
TEST(Solutions, EveryShippedLevelHasOne) {
    int levels = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(kLevels, ec)) {
        const std::string stem = entry.path().stem().string();
        if (entry.path().extension() != ".lvl")
            continue;
        ++levels;
        EXPECT_TRUE(fs::exists(kSolutions / (stem + ".replay")))
            << stem << " is shipped without a solution";
        EXPECT_TRUE(fs::exists(kSolutions / (stem + ".plan"))) << stem << " has no plan";
    }
    ASSERT_FALSE(ec) << "no level folder " << kLevels;
    EXPECT_GE(levels, 5);
}

// The five first levels as designed: in play order under their file names,
// every object the story and the tutorial look up by name is there, every
// worker has a way home but the one meant to be freed, and everything the
// player may click can be reached from the camp except what the design hides
// behind a barrier.
TEST(ShippedLevels, TheFirstFiveAreLaidOutAsDesigned) {
    using namespace scene_type;
    const struct {
        const char* file;
        const char16_t* name;
        std::vector<std::u16string> named;
        int stranded;
        std::vector<std::u16string> hidden;  // unreachable at the start
    } kDesigns[] = {
        {"level000",
         u"001",
         {u"home", u"field00", u"bar_log00", u"house00", u"house01", u"house02"},
         0,
         {u"tree07", u"tree08", u"tree09", u"tree10"}},
        {"level001",
         u"002",
         {u"home", u"hero", u"altar00", u"bar00", u"house00", u"house01", u"well00"},
         1,
         {u"tree05", u"tree06"}},
        {"level002",
         u"004",
         {u"home", u"hero", u"nugget00", u"nugget01", u"nugget02", u"goblin_lair", u"house00",
          u"house01"},
         0,
         {}},
        {"level003",
         u"007",
         {u"home", u"hero", u"sawmill00", u"house0", u"house1", u"altar00", u"well00"},
         0,
         {}},
        {"level004", u"036", {u"home", u"mill00", u"lighthouse00", u"house00", u"house01"}, 0, {}},
    };
    for (const auto& l : kDesigns) {
        SCOPED_TRACE(l.file);
        cLevelHarness h;
        const std::vector<uint8_t> bytes = ReadBytes(kLevels / (std::string(l.file) + ".lvl"));
        ASSERT_FALSE(bytes.empty());
        h.LoadBytes(bytes);
        EXPECT_EQ(h.level->levelName, l.name);
        ASSERT_NE(h.level->base, nullptr);
        for (const std::u16string& name : l.named)
            EXPECT_NE(h.Find(name), nullptr) << qor::ToUtf8(name);
        int stranded = 0;
        for (const cWorker* man : h.Workers())
            stranded += man->state == kWorkerStranded ? 1 : 0;
        EXPECT_EQ(stranded, l.stranded);
        std::vector<cObject*> clickable;
        h.level->CollectObjects(
            clickable, kTree | kField | kNugget | kWell | kItem | kBuildings | kBarrier | kAltar,
            -1);
        for (const cObject* object : clickable) {
            if (object == h.level->base)
                continue;
            const bool hidden =
                std::find(l.hidden.begin(), l.hidden.end(), object->name) != l.hidden.end();
            EXPECT_EQ(object->reachable != 0, !hidden) << qor::ToUtf8(object->name);
        }
    }
}

// The runner on the test level: a replay that plays but wins nothing, one
// that cannot be read and one made for another level each say so.
TEST(Solutions, TheRunnerTellsAPlayedReplayFromABrokenOne) {
    const std::vector<uint8_t> level = ReadBytes(fs::path("data") / "testlevel" / "sources.lvl");
    ASSERT_FALSE(level.empty());
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx",
                  static_cast<unsigned long long>(DigestLevelBytes(level)));
    const auto bytes = [](const std::string& text) {
        return std::vector<uint8_t>(text.begin(), text.end());
    };
    const std::string head = "brindlemoor-replay 1\nlevel \"sources\" ";
    const cSolutionOutcome played =
        RunSolution(bytes(head + digest + "\nseed 9\n0 key 32\n3 click well\nend 300\n"), level);
    EXPECT_EQ(played.error, "");
    EXPECT_EQ(played.levelName, u"sources");
    EXPECT_FALSE(played.won) << "the test level has no goals";
    EXPECT_FALSE(played.gold);

    const cSolutionOutcome cut = RunSolution(bytes(head + digest + "\nseed 9\n0 key 32\n"), level);
    EXPECT_NE(cut.error.find("'end' line is missing"), std::string::npos) << cut.error;
    const cSolutionOutcome foreign =
        RunSolution(bytes(head + "0000000000000001\nseed 9\nend 3\n"), level);
    EXPECT_NE(foreign.error.find("not for this level file"), std::string::npos) << foreign.error;
    const cSolutionOutcome lost =
        RunSolution(bytes(head + digest + "\nseed 9\n0 key 32\n3 click nobody\nend 9\n"), level);
    EXPECT_EQ(lost.error, "step 3: nothing named 'nobody' can be clicked");
}

// The verdict itself: finished, and within the gold limit.
TEST(Solutions, GoldNeedsTheWinWithinTwoThirdsOfTheSilverTime) {
    const struct {
        int32_t state;
        float silver, left;
        bool gold;
    } kCases[] = {
        {kLevelFinished, 180.0f, 100.0f, true},
        {kLevelFinished, 180.0f, 60.0f, true},   // exactly at the gold limit
        {kLevelFinished, 180.0f, 59.9f, false},  // silver
        {kLevelFinished, 180.0f, 0.0f, false},   // bronze
        {kLevelFinished, 0.0f, 0.0f, false},     // no time left, no gold
        {kLevelPlay, 180.0f, 170.0f, false},     // not won at all
        {kLevelIntro, 180.0f, 180.0f, false},
    };
    cLevelHarness h;
    for (const auto& c : kCases) {
        h.level->state = c.state;
        h.level->silverTime = c.silver;
        h.level->timeLeft = c.left;
        EXPECT_EQ(WonForGold(*h.level), c.gold) << c.state << " " << c.silver << " " << c.left;
    }
}

}  // namespace
}  // namespace level_test
