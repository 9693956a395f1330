// The profile record "player.dat" and the kept map progress "map.dat": the
// exact bytes written, and damaged files that load as far as they can.
#include "shell/Player.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Strings.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

class PlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        profiles = fs::path(ToUtf8(GetSystemPaths().appPath)) / "profile";
        fs::remove_all(profiles);
        fs::create_directories(profiles);
    }
    fs::path File(const char* name) const { return profiles / "plr000" / name; }

    fs::path profiles;
};

TEST_F(PlayerTest, SavesTheRecordByteForByteAndReadsItBack) {
    cPlayer player(u"plr000");
    player.name = u"Zo\u00EB";
    player.showHints = false;
    player.score = 0x01020304;
    player.builds = 7;
    player.earned = -2;
    player.levelTime = 12.5f;  // not stored
    ASSERT_TRUE(player.Save());
    const std::vector<uint8_t> expected = {2, 0, 0, 0, 3, 0, 'Z', 0, 'o', 0,    0xEB, 0,    1,
                                           0, 4, 3, 2, 1, 7, 0,   0, 0,   0xFE, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadBytes(File("player.dat")), expected);

    cPlayer again(u"plr000");
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.name, player.name);
    EXPECT_FALSE(again.showHints);
    EXPECT_TRUE(again.reserved);
    EXPECT_EQ(again.score, player.score);
    EXPECT_EQ(again.builds, 7);
    EXPECT_EQ(again.earned, -2);
    EXPECT_EQ(again.levelTime, 0.0f);
}

TEST_F(PlayerTest, DamagedRecordsLoadAsFarAsTheyGo) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool loads;
        std::u16string name;
        int32_t version, score, builds;
        bool showHints;
    };
    const std::vector<Case> cases = {
        {"empty", {}, false, u"", 2, 0, 0, true},
        {"cut in the version", {2, 0}, true, u"", 2, 0, 0, false},
        {"cut in the name length", {2, 0, 0, 0, 3}, true, u"", 2, 0, 0, false},
        // Half a code unit counts, its missing byte read as 0.
        {"cut in the name", {2, 0, 0, 0, 3, 0, 'A', 0, 'n'}, true, u"An", 2, 0, 0, false},
        {"cut after the hints", {2, 0, 0, 0, 1, 0, 'A', 0, 1, 1}, true, u"A", 2, 0, 0, true},
        {"cut in the score", {2, 0, 0, 0, 0, 0, 1, 1, 9, 9}, true, u"", 2, 0x0909, 0, true},
        {"cut in the builds", {2, 0, 0, 0, 0, 0, 1, 1, 5, 0, 0, 0, 6}, true, u"", 2, 5, 6, true},
        // A length with its top bit set is an empty name; what follows is read on.
        {"name length 0xFFFF", {2, 0, 0, 0, 0xFF, 0xFF, 1, 0, 7}, true, u"", 2, 7, 0, false},
        // A length past the end stops at the end instead of inventing NULs.
        {"name length 0x7FFF", {2, 0, 0, 0, 0xFF, 0x7F, 'B', 0}, true, u"B", 2, 0, 0, false},
        {"version 1",
         {1, 0, 0, 0, 1, 0, 'C', 0, 1, 1, 10, 0, 0, 0, 5, 5, 5, 5},
         true,
         u"C",
         1,
         10,
         0,
         true},
        {"version from the future",
         {9, 0, 0, 0, 0, 0, 1, 0, 3, 0, 0, 0, 4},
         true,
         u"",
         9,
         3,
         4,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(File("player.dat"), c.bytes);
        cPlayer player(u"plr000");
        EXPECT_EQ(player.Load(), c.loads);
        EXPECT_EQ(player.name, c.name);
        EXPECT_EQ(player.version, c.version);
        EXPECT_EQ(player.score, c.score);
        EXPECT_EQ(player.builds, c.builds);
        EXPECT_EQ(player.showHints, c.showHints);
    }
}

TEST_F(PlayerTest, GarbageNeverYieldsANameLongerThanTheFile) {
    std::vector<uint8_t> bytes(300);
    uint32_t state = 12345;
    for (int round = 0; round < 50; ++round) {
        for (uint8_t& b : bytes) {
            state = state * 1103515245u + 12345u;
            b = static_cast<uint8_t>(state >> 16);
        }
        bytes.resize(1 + state % 300);
        WriteBytes(File("player.dat"), bytes);
        cPlayer player(u"plr000");
        EXPECT_TRUE(player.Load());
        EXPECT_LE(player.name.size() * 2, bytes.size());
    }
}

TEST_F(PlayerTest, AVersionOneRecordIsWrittenBackAsVersionTwo) {
    WriteBytes(File("player.dat"),
               std::vector<uint8_t>{1, 0, 0, 0, 1, 0, 'D', 0, 1, 0, 3, 0, 0, 0});
    cPlayer player(u"plr000");
    ASSERT_TRUE(player.Load());
    ASSERT_TRUE(player.Save());
    const std::vector<uint8_t> expected = {2, 0, 0, 0, 1, 0, 'D', 0, 1, 0, 3,
                                           0, 0, 0, 0, 0, 0, 0,   0, 0, 0, 0};
    EXPECT_EQ(ReadBytes(File("player.dat")), expected);
}

TEST_F(PlayerTest, FilesInThePlaceOfFoldersFailWithoutHarm) {
    // The record itself is a folder: nothing reads or writes, nothing breaks.
    fs::create_directories(File("player.dat"));
    cPlayer player(u"plr000");
    player.name = u"Eve";
    EXPECT_FALSE(player.Load());
    EXPECT_EQ(player.name, u"Eve");
    EXPECT_FALSE(player.Save());
    EXPECT_TRUE(fs::is_directory(File("player.dat")));

    // The profile folder is a file.
    WriteBytes(profiles / "plr001", std::string("not a folder"));
    cPlayer other(u"plr001");
    EXPECT_FALSE(other.Load());
    EXPECT_FALSE(other.Save());
    EXPECT_EQ(ReadBytes(profiles / "plr001").size(), 12u);
}

TEST_F(PlayerTest, MapProgressIsKeptAndWrittenBackUnchanged) {
    const std::vector<uint8_t> progress = {2, 0, 0, 0, 0x80, 1, 2, 3, 4, 5, 6};
    WriteBytes(File("map.dat"), progress);
    cPlayer player(u"plr000");
    ASSERT_TRUE(player.LoadMap());
    fs::remove(File("map.dat"));
    EXPECT_TRUE(player.SaveMap());
    EXPECT_EQ(ReadBytes(File("map.dat")), progress);

    // Written once at shutdown: a second save does nothing.
    fs::remove(File("map.dat"));
    player.mapSaved = 1;
    EXPECT_FALSE(player.SaveMap());
    EXPECT_FALSE(fs::exists(File("map.dat")));

    // A profile without progress writes none.
    cPlayer fresh(u"plr000");
    EXPECT_TRUE(fresh.LoadMap());
    EXPECT_FALSE(fresh.SaveMap());
    EXPECT_FALSE(fs::exists(File("map.dat")));
}

// A crash or a full disk half way through a save must not cost the player the
// profile they had: the file on disk is the old one, whole, and loads.
TEST_F(PlayerTest, ASaveCutShortLeavesTheSavedProfileWhole) {
    cPlayer player(u"plr000");
    player.name = u"Rowan";
    player.score = 4200;
    ASSERT_TRUE(player.Save());
    const std::vector<uint8_t> saved = ReadBytes(File("player.dat"));
    const std::vector<uint8_t> progress = {2, 0, 0, 0, 0x80, 1, 2, 3};
    WriteBytes(File("map.dat"), progress);
    ASSERT_TRUE(player.LoadMap());

    for (eWriteStep step : {eWriteStep::kWrite, eWriteStep::kSync, eWriteStep::kRename}) {
        SCOPED_TRACE(static_cast<int>(step));
        SetWriteFaultHook([step](eWriteStep s) { return s == step; });
        player.name = u"Someone else entirely";
        player.score = 1;
        EXPECT_FALSE(player.Save());
        player.mapSaved = 0;
        EXPECT_FALSE(player.SaveMap());
        SetWriteFaultHook({});

        EXPECT_EQ(ReadBytes(File("player.dat")), saved);
        EXPECT_EQ(ReadBytes(File("map.dat")), progress);
        cPlayer again(u"plr000");
        ASSERT_TRUE(again.Load());
        EXPECT_EQ(again.name, u"Rowan");
        EXPECT_EQ(again.score, 4200);
    }
}

TEST_F(PlayerTest, DeletingRemovesTheWholeFolder) {
    cPlayer player(u"plr000");
    ASSERT_TRUE(player.Save());
    WriteBytes(File("map.dat"), std::string("x"));
    WriteBytes(File("extra/notes.txt"), std::string("y"));
    EXPECT_TRUE(player.DeleteFiles());
    EXPECT_FALSE(fs::exists(profiles / "plr000"));
}

}  // namespace
}  // namespace qor::test
