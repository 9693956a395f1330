// The application's profiles: discovery at the end of loading, the profile
// counter and folder names, selecting and deleting, names compared without
// regard to case, damaged "counter.dat" files and the level resources.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/Strings.h"
#include "shell/Garden.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Record(const std::string& name) {
    std::vector<uint8_t> bytes = {2, 0, 0, 0, static_cast<uint8_t>(name.size()), 0};
    for (char c : name) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    return bytes;
}

std::vector<uint8_t> Counter(int32_t counter, const std::string& name) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(counter) >> (8 * i)));
    bytes.push_back(static_cast<uint8_t>(name.size()));
    bytes.push_back(0);
    for (char c : name) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

class ProfilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        app = fs::path(ToUtf8(GetSystemPaths().appPath));
        fs::remove_all(app / "profile");
        fs::remove_all(app / "conf");
        game = std::make_unique<cGame>();
    }
    void TearDown() override {
        garden.reset();
        game.reset();
    }
    // The profile part of the end of loading, on what is on disk now.
    cGarden& Load() {
        garden = std::make_unique<cGarden>();
        garden->cMiddle::Init();
        garden->cMiddle::OnEndLoading();
        return *garden;
    }
    void AddProfile(const char* folder, const std::string& name) {
        WriteBytes(app / "profile" / folder / "player.dat", Record(name));
    }
    std::vector<uint8_t> CounterFile() const { return ReadBytes(app / "profile/counter.dat"); }
    int CountLog(std::u16string_view text) const {
        const std::u16string log = ReadLog();
        int n = 0;
        for (size_t at = log.find(text); at != std::u16string::npos; at = log.find(text, at + 1))
            ++n;
        return n;
    }

    fs::path app;
    std::unique_ptr<cGame> game;
    std::unique_ptr<cGarden> garden;
};

TEST_F(ProfilesTest, AFirstStartMakesOneProfileAndWritesItAtOnce) {
    cGarden& g = Load();
    ASSERT_EQ(g.GetPlayerCount(), 1);
    EXPECT_EQ(static_cast<cPlayer*>(g.GetPlayerAt(0))->folder, u"plr000");
    EXPECT_EQ(g.currentPlayer, g.GetPlayerAt(0));
    EXPECT_EQ(g.profileCounter, 1);
    // On disk before any exit, so that a crash cannot hand the folder out twice.
    EXPECT_EQ(CounterFile(), Counter(1, ""));
    EXPECT_EQ(ReadBytes(app / "profile/plr000/player.dat"), Record(""));
    garden.reset();
    EXPECT_EQ(CounterFile(), Counter(1, ""));
}

TEST_F(ProfilesTest, TheLastPlayerOfTheCounterIsCurrentElseTheFirst) {
    AddProfile("plr000", "Anna");
    AddProfile("plr001", "Bruno");
    WriteBytes(app / "profile/counter.dat", Counter(2, "Bruno"));
    EXPECT_EQ(Load().GetCurrentPlayerName(), u"Bruno");
    EXPECT_NE(CountLog(u"Found 2 Player profiles"), 0);
    garden.reset();

    WriteBytes(app / "profile/counter.dat", Counter(2, "Nobody"));
    cGarden& g = Load();
    EXPECT_EQ(g.GetCurrentPlayerName(), u"Anna");
    EXPECT_EQ(g.GetPlayerCount(), 2);
}

TEST_F(ProfilesTest, NamesAreTakenWithoutRegardToCase) {
    AddProfile("plr000", "Anna");
    AddProfile("plr001", "\xC9va");  // Latin-1 bytes become the UTF-16 unit U+00C9
    cGarden& g = Load();
    for (const char16_t* name : {u"Anna", u"anna", u"ANNA", u"\u00E9va", u"\u00C9VA"})
        EXPECT_NE(g.FindPlayer(name), nullptr) << ToUtf8(name);
    EXPECT_EQ(g.FindPlayer(u"Ann"), nullptr);
    EXPECT_EQ(
        LowerName(
            u"\u0141UKASZ \u014A\u00C6 \u03A3\u039F\u03A6\u0399\u0391 \u0418\u0412\u0410\u041D"),
        u"\u0142ukasz \u014B\u00E6 \u03C3\u03BF\u03C6\u03B9\u03B1 \u0438\u0432\u0430\u043D");
}

TEST_F(ProfilesTest, FolderNamesAreNeverReused) {
    AddProfile("plr000", "Anna");
    AddProfile("plr001", "Bruno");
    WriteBytes(app / "profile/counter.dat", Counter(2, "Anna"));
    cGarden& g = Load();
    g.DeletePlayer(u"Bruno");
    EXPECT_FALSE(fs::exists(app / "profile/plr001"));
    auto made = g.CreatePlayer(u"");
    EXPECT_EQ(static_cast<cPlayer*>(made.get())->folder, u"plr002");
    g.AddPlayer(std::move(made), true);
    EXPECT_EQ(g.profileCounter, 3);

    // A counter behind the folders on disk (a stale or lost counter.dat)
    // moves past the folders that exist.
    g.profileCounter = 0;
    EXPECT_EQ(static_cast<cPlayer*>(g.CreatePlayer(u"").get())->folder, u"plr001");
}

TEST_F(ProfilesTest, DamagedCounterFilesAreReadAsFarAsTheyGo) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        std::u16string folder;  // of the profile a start without profiles makes
        int32_t counterAfter;
    };
    const std::vector<Case> cases = {
        {"empty", {}, u"plr000", 1},
        {"cut in the counter", {3, 0}, u"plr003", 4},
        {"negative counter", Counter(-5, ""), u"plr000", 1},
        // Past the last folder name the first free one is taken.
        {"huge counter", Counter(INT_MAX, ""), u"plr000", INT_MAX},
        {"name length 0xFFFF", {4, 0, 0, 0, 0xFF, 0xFF, 'A', 0}, u"plr004", 5},
        {"name past the end", {1, 0, 0, 0, 0x40, 0, 'A'}, u"plr001", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(app / "profile");
        WriteBytes(app / "profile/counter.dat", c.bytes);
        cGarden& g = Load();
        ASSERT_EQ(g.GetPlayerCount(), 1);
        EXPECT_EQ(static_cast<cPlayer*>(g.currentPlayer)->folder, c.folder);
        EXPECT_EQ(g.profileCounter, c.counterAfter);
        garden.reset();
    }
}

TEST_F(ProfilesTest, FilesWhereFoldersBelongAreSkipped) {
    // counter.dat is a folder, a profile "folder" is a file, and a real
    // profile's record is unreadable: it is listed all the same.
    fs::create_directories(app / "profile/counter.dat");
    WriteBytes(app / "profile/plr000", std::string("a file"));
    fs::create_directories(app / "profile/plr001/player.dat");
    cGarden& g = Load();
    ASSERT_EQ(g.GetPlayerCount(), 1);
    EXPECT_EQ(static_cast<cPlayer*>(g.GetPlayerAt(0))->folder, u"plr001");
    EXPECT_EQ(g.GetCurrentPlayerName(), u"");

    // Without any profile the new one skips the name a file has taken.
    garden.reset();
    fs::remove_all(app / "profile/plr001");
    EXPECT_EQ(static_cast<cPlayer*>(Load().currentPlayer)->folder, u"plr001");
}

TEST_F(ProfilesTest, OnlyFoldersNamedPlrAndThreeDigitsAreProfiles) {
    AddProfile("plr000", "Anna");
    // A backup copy of a profile would have been listed as "plr000bak" and
    // saved into a folder of that name.
    AddProfile("plr000.bak", "Anna");
    for (const char* folder : {"plr001.", "plr0001", "plr01", "Plr002", "plr00x", ".plr003"})
        AddProfile(folder, "Stray");
    cGarden& g = Load();
    ASSERT_EQ(g.GetPlayerCount(), 1);
    EXPECT_EQ(static_cast<cPlayer*>(g.GetPlayerAt(0))->folder, u"plr000");
    garden.reset();
    EXPECT_FALSE(fs::exists(app / "profile/plr000bak"));
    EXPECT_EQ(ReadBytes(app / "profile/plr000.bak/player.dat"), Record("Anna"));
}

TEST_F(ProfilesTest, ANewFolderIsNeverOneThatExists) {
    AddProfile("plr000", "Anna");
    WriteBytes(app / "profile/counter.dat", Counter(998, "Anna"));
    cGarden& g = Load();
    // Names run out at plr999; after that the free names below the counter.
    WriteBytes(app / "profile/plr999", std::string("a file"));
    auto last = g.CreatePlayer(u"");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(static_cast<cPlayer*>(last.get())->folder, u"plr998");
    g.AddPlayer(std::move(last), true);
    auto wrapped = g.CreatePlayer(u"");
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(static_cast<cPlayer*>(wrapped.get())->folder, u"plr001");
    EXPECT_TRUE(fs::is_directory(app / "profile/plr001")) << "a name handed out is claimed";

    fs::remove(app / "profile/plr999");
    for (int32_t n = 0; n < kProfileFolderCount; ++n)
        fs::create_directories(app / "profile" / ToUtf8(ProfileFolderName(n)));
    for (int32_t counter : {0, 500, 999, 1000, INT_MAX}) {
        g.profileCounter = counter;
        EXPECT_EQ(g.CreatePlayer(u""), nullptr) << counter;
    }
    EXPECT_NE(CountLog(u"All 1000 profile folder names are taken"), 0);
}

TEST_F(ProfilesTest, SelectingSavesTheSwitchAndTheCurrentOneStays) {
    AddProfile("plr000", "Anna");
    AddProfile("plr001", "Bruno");
    WriteBytes(app / "profile/counter.dat", Counter(2, "Anna"));
    cGarden& g = Load();

    g.SelectPlayer(u"Anna");
    EXPECT_EQ(CountLog(u"Change player"), 0) << "the current player is selected again";
    g.SelectPlayer(u"bruno");
    EXPECT_EQ(g.GetCurrentPlayerName(), u"Bruno");
    EXPECT_EQ(CounterFile(), Counter(2, "Bruno")) << "the switch must reach the disk at once";
    g.SelectPlayer(u"Carl");
    EXPECT_EQ(g.GetCurrentPlayerName(), u"Bruno");
    EXPECT_EQ(CountLog(u"Can&#39;t find payer &#39;Carl&#39;, leave old player."), 1);
}

TEST_F(ProfilesTest, TheCurrentPlayerIsNeverDeleted) {
    AddProfile("plr000", "Anna");
    AddProfile("plr001", "Bruno");
    WriteBytes(app / "profile/counter.dat", Counter(2, "Anna"));
    cGarden& g = Load();
    g.DeletePlayer(u"Anna");
    g.DeletePlayer(u"ANNA");  // the same player by another spelling
    g.DeletePlayer(u"Carl");
    EXPECT_EQ(g.GetPlayerCount(), 2);
    EXPECT_TRUE(fs::exists(app / "profile/plr000/player.dat"));
    EXPECT_EQ(CountLog(u"Can&#39;t find payer &#39;Carl&#39;."), 1);
}

TEST_F(ProfilesTest, SpendingTakesAllOrNothing) {
    cGarden& g = Load();
    g.Earn({10, 20, 30, 40});
    EXPECT_FALSE(g.Spend({5, 5, 31, 0}));
    EXPECT_EQ(g.GetResources(), (ResourceSet{10, 20, 30, 40}));
    EXPECT_TRUE(g.Spend({10, 5, 30, 1}));
    EXPECT_EQ(g.GetResources(), (ResourceSet{0, 15, 0, 39}));
    EXPECT_EQ(g.GetCurrentPlayer()->earned, 100);
    g.AddScore(7);
    EXPECT_EQ(g.GetScore(), 7);
}

}  // namespace
}  // namespace qor::test
