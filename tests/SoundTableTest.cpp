// The numbered sound effects: the names against the data manifest, and the
// table built from a real sound manager, with its log lines and playback.
#include "level/tables/SoundTable.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/Game.h"
#include "engine/SoundManager.h"
#include "engine/SoundResources.h"
#include "engine/Strings.h"
#include "tests/AudioTestOgg.h"
#include "tests/ManifestEntries.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

size_t Count(const std::u16string& text, std::u16string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(SoundTableNamesTest, NumbersFollowTheListOfLoadedSounds) {
    EXPECT_EQ(GetSoundName(kSoundWorkerIn), u"worker_in");
    EXPECT_EQ(GetSoundName(kSoundTaskDone), u"task_done");
    EXPECT_EQ(GetSoundName(kSoundBonusStop), u"bonus_stop");
    EXPECT_EQ(GetSoundName(kSoundBan), u"ban");
    EXPECT_EQ(kSoundBan, 36);
    EXPECT_EQ(GetSoundName(-1), u"");
    EXPECT_EQ(GetSoundName(kSoundCount), u"");

    // The data lists the numbered sounds in number order, then the three
    // sounds the controls play by name.
    std::vector<std::string> numbered;
    for (const std::string& name : ManifestNames("sound")) {
        if (!IsGuiSoundName(FromUtf8(name)))
            numbered.push_back(name);
    }
    ASSERT_EQ(numbered.size(), static_cast<size_t>(kSoundCount));
    for (int number = 0; number < kSoundCount; ++number) {
        EXPECT_EQ(ToUtf8(std::u16string(GetSoundName(number))), numbered[number]) << number;
        EXPECT_EQ(FindSoundNumber(GetSoundName(number)), number);
    }
    for (std::u16string_view name : {u"click", u"typing", u"mouse_in"}) {
        EXPECT_TRUE(IsGuiSoundName(name));
        EXPECT_EQ(FindSoundNumber(name), -1);
    }
    EXPECT_FALSE(IsGuiSoundName(u"ban"));
    EXPECT_EQ(FindSoundNumber(u"Ban"), -1);
    EXPECT_EQ(FindSoundNumber(u""), -1);
}

class SoundTableTest : public ::testing::Test {
  protected:
    // The engine core makes the sound manager; the tests' dummy driver gives it output.
    void SetUp() override {
        UseTestSystemPaths();
        game = std::make_unique<cGame>();
        ASSERT_NE(g_soundManager, nullptr);
        ASSERT_TRUE(g_soundManager->device().IsOpen()) << g_soundManager->device().error();
        logStart = ReadLog().size();
    }

    void LoadSound(const std::string& name) {
        const std::string file = name + ".ogg";
        WriteBytes(dir.path() / file, EncodeToneOgg({0.05, 440.0, 44100, 1, 0.4f}));
        cSampleRecord record;
        ASSERT_EQ(ReadSoundBuffer(&record, cPath(dir.u16(file))), 0);
        g_soundManager->AddSoundBuffer(FromUtf8(name), record.sample);
    }
    std::u16string Logged() const { return ReadLog().substr(logStart); }

    std::unique_ptr<cGame> game;
    cTempFolder dir;
    size_t logStart = 0;
};

TEST_F(SoundTableTest, BuildTakesManagerPositionsAndLogsWhatDoesNotFit) {
    cSoundTable table;
    EXPECT_EQ(table.GetPosition(kSoundWorkerIn), 0);  // not built yet
    for (const char* name :
         {"click", "bonus_stop", "mystery", "worker_in", "typing", "ban", "mouse_in", "mystery"}) {
        LoadSound(name);
    }
    table.Build(LoadedSoundNames(*g_soundManager));

    ASSERT_EQ(table.size(), kSoundCount);
    EXPECT_EQ(table.GetPosition(kSoundBonusStop), 2);
    EXPECT_EQ(table.GetPosition(kSoundWorkerIn), 4);
    EXPECT_EQ(table.GetPosition(kSoundBan), 6);
    EXPECT_EQ(table.GetPosition(kSoundTaskDone), 0);
    EXPECT_EQ(table.GetPosition(-1), 0);
    EXPECT_EQ(table.GetPosition(kSoundCount), 0);

    const std::u16string log = Logged();
    // Each loaded sound without a use is named once; the controls' sounds are not.
    EXPECT_EQ(Count(log, u"ParseSounds: unusable sound found: "), 2u);
    EXPECT_EQ(Count(log, u"ParseSounds: unusable sound found: mystery"), 2u);
    EXPECT_EQ(Count(log, u"ParseResources: sound not loaded: "), kSoundCount - 3u);
    EXPECT_EQ(Count(log, u"ParseResources: sound not loaded: 9<"), 1u);
    EXPECT_EQ(Count(log, u"ParseResources: sound not loaded: 13<"), 0u);
    EXPECT_EQ(Count(log, u"cGarden"), kSoundCount - 3u + 2u);
}

TEST_F(SoundTableTest, PlaysOnlyLoadedNumbers) {
    LoadSound("task_done");
    cSoundTable table;
    EXPECT_FALSE(table.PlaySound(kSoundTaskDone));  // not built yet
    table.Build(LoadedSoundNames(*g_soundManager));

    EXPECT_TRUE(table.PlaySound(kSoundTaskDone));
    EXPECT_FALSE(table.PlaySound(kSoundBonusStop));
    EXPECT_FALSE(table.PlaySound(-1));
    EXPECT_FALSE(table.PlaySound(kSoundCount));
    // A table that outlived its manager stays silent.
    DestroySoundManager();
    EXPECT_FALSE(table.PlaySound(kSoundTaskDone));
}

}  // namespace
}  // namespace qor::test
