// The settings script: the text written, the volumes as stored, what the
// game reads from a settings file of any shape, and a script that never ends.
#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/Game.h"
#include "engine/FileSystem.h"
#include "engine/Script.h"
#include "engine/ScriptTimeLimit.h"
#include "engine/SoundManager.h"
#include "engine/Strings.h"
#include "shell/Garden.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

TEST(Settings, TheScriptTextHasOneSettingALine) {
    cSettings settings;
    EXPECT_EQ(FormatSettings(settings),
              u"runWindowed=false\nsoundVolume=0.500000\nmusicVolume=0.500000\nshowHints=true\n"
              u"currentLocale='en'\n");
    settings.fullScreen = false;
    settings.soundVolume = 0.3f;
    settings.musicVolume = 1.0f;
    settings.locale = u"de";
    EXPECT_EQ(FormatSettings(settings),
              u"runWindowed=true\nsoundVolume=0.300000\nmusicVolume=1.000000\nshowHints=true\n"
              u"currentLocale='de'\n");
}

TEST(Settings, VolumesOutsideTheRangeAreStoredAsSilence) {
    EXPECT_EQ(StoredVolume(0.25f), 0.25f);
    EXPECT_EQ(StoredVolume(1.0f), 1.0f);
    EXPECT_EQ(StoredVolume(1.5f), 0.0f);
    EXPECT_EQ(StoredVolume(-0.1f), 0.0f);
    EXPECT_EQ(StoredVolume(std::nanf("")), 0.0f);
}

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        app = fs::path(ToUtf8(GetSystemPaths().appPath));
        fs::remove_all(app / "conf");
        fs::remove_all(app / "profile");
    }
    // A new engine core runs the settings file as the game's start does.
    void Start(const std::u16string& settings) {
        WriteUtf16File(app / "conf/settings.lua", settings);
        game = std::make_unique<cGame>();
    }
    void TearDown() override {
        garden.reset();
        game.reset();
    }

    fs::path app;
    std::unique_ptr<cGame> game;
    std::unique_ptr<cGarden> garden;
};

TEST_F(SettingsFile, SettingsOfTheWrongTypeFallBackToTheDefaults) {
    Start(u"runWindowed = 'yes'\nsoundVolume = {}\nmusicVolume = '0.3'\ncurrentLocale = {}\n");
    bool windowed = true;
    EXPECT_FALSE(GetRunWindowedGlobal(&windowed)) << "only a boolean opens a window";
    garden = std::make_unique<cGarden>();
    ASSERT_EQ(garden->Init(), nullptr);
    EXPECT_EQ(garden->soundVolume, 0.5f);
    EXPECT_FLOAT_EQ(garden->musicVolume, 0.3f);
    ASSERT_NE(g_soundManager, nullptr);
    EXPECT_FLOAT_EQ(g_soundManager->GetVolume(kVolumeMusic), 0.3f);
}

TEST_F(SettingsFile, VolumesOutOfRangeAreNotKeptAsSilence) {
    Start(u"soundVolume = 7\nmusicVolume = -1\n");
    garden = std::make_unique<cGarden>();
    ASSERT_EQ(garden->Init(), nullptr);
    EXPECT_EQ(garden->soundVolume, 0.5f);
    EXPECT_EQ(garden->musicVolume, 0.5f);
    garden.reset();
    EXPECT_NE(ReadUtf16File(app / "conf/settings.lua").find(u"soundVolume=0.500000"),
              std::u16string::npos);
}

TEST_F(SettingsFile, TheStartLocaleIsTheSettingElseTheUsersLanguage) {
    Start(u"currentLocale = 'fr'\n");
    EXPECT_EQ(StartupLocale(), u"fr");
    RunBuffer(u"currentLocale = ''");
    const char* old = std::getenv("LC_ALL");
    const std::string saved = old ? old : "";
    setenv("LC_ALL", "de_AT.UTF-8", 1);
    EXPECT_EQ(StartupLocale(), u"de");
    if (old)
        setenv("LC_ALL", saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
}

TEST_F(SettingsFile, AWriteCutShortLeavesTheOldSettingsWhole) {
    cSettings settings;
    settings.fullScreen = false;
    settings.musicVolume = 0.25f;
    fs::create_directories(app / "conf");
    ASSERT_TRUE(WriteSettings(settings));
    const std::vector<uint8_t> before = ReadBytes(app / "conf/settings.lua");
    settings.musicVolume = 1.0f;
    settings.locale = u"de";
    SetWriteFaultHook([](eWriteStep s) { return s == eWriteStep::kWrite; });
    EXPECT_FALSE(WriteSettings(settings));
    SetWriteFaultHook({});
    EXPECT_EQ(ReadBytes(app / "conf/settings.lua"), before);
}

TEST_F(SettingsFile, AScriptThatNeverEndsIsCutOff) {
    // Caught errors do not keep it alive either.
    Start(u"runWindowed = true\nwhile true do pcall(function() while true do end end) end\n");
    bool windowed = false;
    EXPECT_TRUE(GetRunWindowedGlobal(&windowed) && windowed) << "what ran before stays set";
    EXPECT_NE(ReadLog().find(u"was stopped after"), std::u16string::npos);

    WriteUtf16File(app / "conf/loop.lua", u"local n = 0\nwhile true do n = n + 1 end\n");
    EXPECT_NE(RunFileWithTimeLimit(cPath(u"{AppPath}/conf/loop.lua"), 50), 0);
    // The limit is gone afterwards: a long script runs to its end.
    EXPECT_EQ(RunBuffer(u"local n = 0 for i = 1, 3000000 do n = n + i end"), 0);
}

}  // namespace
}  // namespace qor::test
