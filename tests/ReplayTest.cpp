// Replays: a level recorded while it is played plays back to exactly the
// same state, a hand-written replay clicks objects by name, a replay made
// for another level or damaged in any way is refused with its reason, and a
// replay that plays holds the real player's input off the level.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/Widget.h"
#include "engine/BitStream.h"
#include "level/LevelDigest.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayPlayer.h"
#include "level/replay/ReplayRecorder.h"
#include "level/units/Worker.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

std::vector<uint8_t> TestLevelBytes() {
    std::ifstream in(std::filesystem::path("data") / "testlevel" / "sources.lvl", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A replay of the test level as one would write it by hand.
cReplay HandReplay(int32_t endTick, std::vector<cReplayRecord> records) {
    cReplay replay;
    replay.levelName = "sources";
    replay.levelDigest = DigestLevelBytes(TestLevelBytes());
    replay.endTick = endTick;
    replay.records = std::move(records);
    return replay;
}

std::span<const uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Plays the test level for 40 s as a player might: clicks on objects and on
// open ground, a right click, keys, the pointer wandering, and frames of the
// clock that do not keep to the ticks. Returns the recording.
cReplay RecordSession(cLevelHarness& h, uint64_t* digest) {
    const std::vector<uint8_t> bytes = TestLevelBytes();
    cReplayRecorder recorder;
    h.host.random.seed = 777;
    h.host.cursor = {-50.0f, -50.0f};
    recorder.Start(*h.level, bytes, true);
    EXPECT_EQ(h.level->replayTap, &recorder);
    h.Begin();
    for (int tick = 0; tick < 40 * 30; ++tick) {
        if (tick == 5)
            h.ClickOn(h.Find(u"well"));
        if (tick == 20) {
            for (cObject* tree : h.OfType(kTree))
                h.ClickOn(tree);
        }
        if (tick == 200)
            h.ClickOn(h.Find(u"west_field"));
        if (tick == 260)
            h.ClickOn(h.Find(u"nugget"));
        if (tick == 265)
            h.RightClick();
        if (tick == 300)
            h.Click({600.0f, 500.0f});  // open ground
        if (tick == 320)
            h.level->OnEvent(qor::kWidgetKeyDown, 'A');
        if (tick % 90 == 45)
            h.host.cursor = {100.0f + tick % 700, 200.0f + tick % 300};  // wandering
        if (tick % 450 == 0) {
            for (const char16_t* name : {u"wood", u"food", u"money", u"mana", u"south_field"})
                h.ClickOn(h.Find(name));
        }
        if (tick == 500) {
            // A frame rate of 60: two half frames after this tick.
            h.level->Tick();
            h.level->Update(kTickSeconds * 0.5f);
            h.level->Update(kTickSeconds * 0.5f);
        } else if (tick == 600) {
            // A frame without a tick, and one with no frame after the tick.
            h.level->Update(0.01f);
            h.level->Tick();
        } else {
            h.Step();
        }
    }
    *digest = DigestLevel(*h.level);
    return recorder.Stop();
}

TEST(Replay, ARecordedLevelPlaysBackToExactlyTheSameState) {
    cLevelHarness recorded;
    uint64_t digest = 0;
    const cReplay replay = RecordSession(recorded, &digest);
    EXPECT_EQ(recorded.level->replayTap, nullptr);
    EXPECT_EQ(replay.levelName, "sources");
    EXPECT_EQ(replay.seed, 777u);
    EXPECT_EQ(replay.endTick, 40 * 30);
    // Steady play is not written out frame by frame: only the odd steps.
    int clocks = 0;
    for (const cReplayRecord& r : replay.records)
        clocks += r.action == eReplayAction::kClock ? 1 : 0;
    EXPECT_EQ(clocks, 3);

    // Through the stored form, as a file would carry it.
    const std::string text = ReplayToText(replay);
    cReplay read;
    std::string error;
    ASSERT_TRUE(ParseReplay(AsBytes(text), &read, &error)) << error;
    EXPECT_EQ(ReplayToText(read), text);

    cLevelHarness played;
    played.host.random.seed = 1;  // the replay brings its own
    cReplayPlayer player(read);
    ASSERT_TRUE(player.Start(*played.level, TestLevelBytes(), &error)) << error;
    ASSERT_TRUE(player.RunToEnd(&error)) << error;
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(played.level->replayTap, nullptr);
    EXPECT_EQ(DigestLevel(*played.level), digest);
    EXPECT_GT(played.host.GetResources()[0], 0) << "the session gathered wood";

    // Every record counts: without the first click the level ends elsewhere.
    cReplay lacking = read;
    for (size_t i = 0; i < lacking.records.size(); ++i) {
        if (lacking.records[i].action == eReplayAction::kPress) {
            lacking.records.erase(lacking.records.begin() + static_cast<long>(i));
            break;
        }
    }
    cLevelHarness other;
    cReplayPlayer otherPlayer(lacking);
    ASSERT_TRUE(otherPlayer.Start(*other.level, TestLevelBytes(), &error)) << error;
    ASSERT_TRUE(otherPlayer.RunToEnd(&error)) << error;
    EXPECT_NE(DigestLevel(*other.level), digest);
}

TEST(Replay, AHandWrittenReplayClicksObjectsByName) {
    cLevelHarness h;
    const std::vector<uint8_t> bytes = TestLevelBytes();
    cReplay replay = HandReplay(30, {{0, eReplayAction::kKey, ' ', {}, {}, {}},
                                     {2, eReplayAction::kClick, 0, {}, "well", {}}});
    cReplayPlayer player(replay);
    std::string error;
    ASSERT_TRUE(player.Start(*h.level, bytes, &error)) << error;
    ASSERT_TRUE(player.RunToEnd(&error)) << error;
    EXPECT_EQ(h.level->state, kLevelPlay);
    cObject* well = h.Find(u"well");
    const bool sent = well->jobMarkers > 0 || HasWorkerAssigned(well);
    EXPECT_TRUE(sent) << "a worker was asked to the well";

    // A name the level does not have stops the replay at its step.
    cLevelHarness again;
    replay.records[1].name = "no_such_well";
    cReplayPlayer lost(replay);
    ASSERT_TRUE(lost.Start(*again.level, bytes, &error)) << error;
    EXPECT_FALSE(lost.RunToEnd(&error));
    EXPECT_EQ(error, "step 2: nothing named 'no_such_well' can be clicked");
    EXPECT_EQ(again.level->replayTap, nullptr) << "the level is the player's again";
}

TEST(Replay, AReplayForAnotherLevelFileIsRefusedBeforeAnythingLoads) {
    cLevelHarness h;
    std::vector<uint8_t> bytes = TestLevelBytes();
    cReplay replay = HandReplay(10, {});
    replay.levelDigest ^= 1u;
    cReplayPlayer player(replay);
    std::string error;
    EXPECT_FALSE(player.Start(*h.level, bytes, &error));
    EXPECT_NE(error.find("made for the level 'sources' with the digest"), std::string::npos)
        << error;
    EXPECT_EQ(h.level->ObjectCount(), 0u);
    EXPECT_EQ(h.level->replayTap, nullptr);
}

TEST(Replay, WhileAReplayPlaysOnlyItsInputReachesTheLevel) {
    cLevelHarness h;
    const std::vector<uint8_t> bytes = TestLevelBytes();
    const cReplay replay =
        HandReplay(90, {{0, eReplayAction::kKey, ' ', {}, {}, {}},
                        {1, eReplayAction::kPoint, 0, {300.0f, 200.0f}, {}, {}}});
    cReplayPlayer player(replay);
    std::string error;
    ASSERT_TRUE(player.Start(*h.level, bytes, &error)) << error;
    h.Step(3);  // the game's own steps drive it now
    ASSERT_TRUE(player.IsPlaying());
    EXPECT_EQ(h.level->state, kLevelPlay);
    EXPECT_TRUE(h.ClickOn(h.Find(u"well")));
    EXPECT_EQ(h.Find(u"well")->jobMarkers, 0u) << "the real click was held off";
    const float before = h.host.GetLevelTime();
    h.level->Update(5.0f);  // a real frame's clock is not the replay's
    EXPECT_EQ(h.host.GetLevelTime(), before);
    h.Step(100);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(player.Failed());
    EXPECT_TRUE(h.ClickOn(h.Find(u"well")));
    EXPECT_EQ(h.Find(u"well")->jobMarkers, 1u) << "after the end the player plays on";
}

TEST(Replay, ClearingTheLevelEndsARecordingAndAPlayback) {
    cLevelHarness h;
    const std::vector<uint8_t> bytes = TestLevelBytes();
    cReplayRecorder recorder;
    int ended = 0;
    recorder.onEnded = [&](const cReplay& r) {
        ++ended;
        EXPECT_EQ(r.endTick, 12);
    };
    recorder.Start(*h.level, bytes, true);
    h.Begin();
    h.Step(12);
    h.level->Clear();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ(h.level->replayTap, nullptr);

    cReplayPlayer player(recorder.Replay());
    std::string error;
    ASSERT_TRUE(player.Start(*h.level, bytes, &error)) << error;
    h.Step(4);
    qor::cBitStream nothing;
    h.level->LoadLevel(nothing);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.Error(), "the level was left at step 4");

    // A level that goes altogether lets its recorder go first.
    cReplayRecorder outliving;
    {
        cLevelHarness gone;
        outliving.Start(*gone.level, bytes, true);
        gone.Step(3);
    }
    EXPECT_FALSE(outliving.IsRecording());
    EXPECT_EQ(outliving.Replay().endTick, 3);
}

TEST(Replay, ARecordingEndsWhenItIsAsLongAsAReplayMayBe) {
    // An empty level steps quickly: four hours of it take a moment.
    cLevelHarness h;
    h.level->NewLevel();
    qor::cBitStream stream;
    h.level->SaveLevel(stream);
    const std::vector<uint8_t> bytes(stream.Data(), stream.Data() + stream.ByteLength());
    cReplayRecorder recorder;
    int ended = 0;
    recorder.onEnded = [&](const cReplay&) { ++ended; };
    recorder.Start(*h.level, bytes, true);
    h.Begin();
    h.Step(kReplayMaxTicks + 10);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(recorder.IsRecording());
    const std::string text = ReplayToText(recorder.Replay());
    cReplay read;
    std::string error;
    EXPECT_TRUE(ParseReplay(AsBytes(text), &read, &error)) << error;
    EXPECT_EQ(read.endTick, kReplayMaxTicks);
}

// A valid replay, and one damaged file for each way a file can be wrong.
constexpr char kGood[] =
    "brindlemoor-replay 1\n"
    "level \"001\" 00000000000000ff\n"
    "seed 5\n"
    "hints 0\n"
    "0 key 32\n"
    "4 press 0 512 384\n"
    "9 clock 0.02 0.0133\n"
    "end 20\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

std::string ManyFrames(int count) {
    std::string text = "0.01";
    for (int i = 1; i < count; ++i)
        text += " 0.01";
    return text;
}

TEST(Replay, DamagedFilesAreRefusedWithTheirReason) {
    cReplay good;
    std::string error;
    ASSERT_TRUE(ParseReplay(AsBytes(kGood), &good, &error)) << error;
    EXPECT_EQ(good.levelDigest, 0xFFu);
    EXPECT_FALSE(good.hints);
    ASSERT_EQ(good.records.size(), 3u);
    EXPECT_EQ(good.records[2].seconds, (std::vector<float>{0.02f, 0.0133f}));

    const std::string g = kGood;
    const struct {
        const char* what;
        std::string text;
        const char* message;
    } kCases[] = {
        {"empty", "", "not a replay"},
        {"another file", "PNG\x89 data\n", "not a replay"},
        {"cut before its end", g.substr(0, g.find("end")), "its 'end' line is missing"},
        {"cut inside a line", g.substr(0, g.find("384")), "expected 'press BUTTON X Y'"},
        {"newer version", Replace(g, "replay 1", "replay 2"), "version 2 is not known"},
        {"steps backwards", Replace(g, "9 clock", "3 clock"), "steps go backwards (3 after 4)"},
        {"absurd step", Replace(g, "9 clock", "99999999 clock"), "a record starts with its step"},
        {"absurd end", Replace(g, "end 20", "end 4000000000"), "expected 'end STEPS'"},
        {"ends before its records", Replace(g, "end 20", "end 5"), "ends before its last record"},
        {"huge name", Replace(g, "\"001\"", "\"" + std::string(300, 'n') + "\""), "a name is"},
        {"bad escape", Replace(g, "\"001\"", "\"0%G1\""), "a name is"},
        {"unquoted level", Replace(g, "\"001\"", "001"), "stands in double quotes"},
        {"short digest", Replace(g, "00000000000000ff", "ff"), "16 hexadecimal digits"},
        {"seed too big", Replace(g, "seed 5", "seed 4294967296"), "expected 'seed NUMBER'"},
        {"hints among records", Replace(g, "9 clock", "hints 1\n9 clock"), "belongs to the header"},
        {"unknown action", Replace(g, "key 32", "jump 32"), "unknown action 'jump'"},
        {"key out of range", Replace(g, "key 32", "key 256"), "code of 0 to 255"},
        {"odd button", Replace(g, "press 0", "press 7"), "button of 0 to 2"},
        {"point off any screen", Replace(g, "512 384", "1e30 384"), "within the screen's reach"},
        {"not a number", Replace(g, "512 384", "nan 384"), "within the screen's reach"},
        {"negative frame", Replace(g, "0.02 ", "-0.02 "), "seconds are 0 to 1"},
        {"too many frames", Replace(g, "0.02 0.0133", ManyFrames(17)), "more than 16 frames"},
        {"junk after the end", g + "4 key 1\n", "nothing may follow 'end'"},
        {"zero byte", Replace(g, "seed 5", std::string("seed 5\0", 7)), "zero byte"},
    };
    for (const auto& c : kCases) {
        cReplay out;
        error.clear();
        EXPECT_FALSE(ParseReplay(AsBytes(c.text), &out, &error)) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
    }

    // Too large to be a replay, whatever it holds.
    const std::string huge = g + std::string(kReplayMaxBytes, '#');
    EXPECT_FALSE(ParseReplay(AsBytes(huge), &good, &error));
    EXPECT_NE(error.find("larger than 64 MiB"), std::string::npos) << error;
}

TEST(Replay, TheGamesTextFilesReadAsWellAsPlainText) {
    std::u16string wide;
    for (char c : std::string(kGood))
        wide += static_cast<char16_t>(c);
    std::vector<uint8_t> utf16{0xFF, 0xFE};
    for (char16_t c : wide) {
        utf16.push_back(static_cast<uint8_t>(c & 0xFF));
        utf16.push_back(static_cast<uint8_t>(c >> 8));
    }
    cReplay fromWide;
    std::string error;
    ASSERT_TRUE(ParseReplay(utf16, &fromWide, &error)) << error;
    cReplay fromPlain;
    ASSERT_TRUE(ParseReplay(AsBytes(kGood), &fromPlain, &error)) << error;
    EXPECT_EQ(ReplayToText(fromWide), ReplayToText(fromPlain));
    utf16.pop_back();
    EXPECT_FALSE(ParseReplay(utf16, &fromWide, &error));
    EXPECT_NE(error.find("even number of bytes"), std::string::npos) << error;

    // Names of any bytes go through their escapes and back.
    const std::string odd = "a b%\"\x01\xC3\xA9";
    std::string back;
    ASSERT_TRUE(UnescapeReplayName(EscapeReplayName(odd), &back));
    EXPECT_EQ(back, odd);
    EXPECT_EQ(EscapeReplayName(odd).find_first_of(" \"\x01"), std::string::npos);
}

}  // namespace
}  // namespace level_test
