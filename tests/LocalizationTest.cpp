// Switching the locale: string scripts with their fallback to "en", the CJK
// flag, per-locale font and picture folders, and the refresh of windows and
// widgets.
#include "engine/Localization.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/Platform.h"
#include "app/Widget.h"
#include "engine/Console.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/StringTable.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "gui/GUI.h"
#include "tests/GoldenImage.h"
#include "tests/GuiTestKit.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

// Counts the refresh notices it gets; optionally asks for a locale itself.
class cLocaleWidget : public cWidget {
  public:
    explicit cLocaleWidget(std::u16string name, std::u16string switchTo = {})
        : cWidget(std::move(name)), m_switchTo(std::move(switchTo)) {}
    int OnEvent(int kind, int param) override {
        events.push_back({kind, param});
        if (kind == kWidgetLocaleChanged && !m_switchTo.empty())
            ApplyLocale(m_switchTo);
        return 0;
    }
    std::vector<std::pair<int, int>> events;

  private:
    std::u16string m_switchTo;
};

// A data folder of our own with locale scripts and per-locale pictures; every
// script counts its runs in a global so a test can tell which ones ran.
class LocalizationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        cSystemPaths paths = GetSystemPaths();
        paths.staticPath = data.u16();
        SetSystemPaths(paths);

        Script("en", u"setLocale('Greeting', 'Hello') setLocale('GameTitle', 'Brindlemoor')");
        Script("de", u"setLocale('Greeting', 'Hallo') setLocale('GameTitle', 'Brindelmoor')");
        for (const char* cjk : {"ja", "ko", "zh", "zh-TW", "zh_CN"})
            Script(cjk, u"setLocale('Greeting', '\u4f60\u597d')");
        Script("bad", u"setLocale('Greeting', 'Kaputt') error('broken table')");
        Picture("font/en/glyphs.png", 4);
        Picture("font/ja/glyphs.png", 8);
        Picture("texture/locale/en/banner.png", 4);
        Picture("texture/locale/de/banner.png", 16);

        game = std::make_unique<cGame>();
        ASSERT_TRUE(RegisterEngineScriptFunctions());
        logStart = test::ReadLog().size();
    }
    void TearDown() override {
        game.reset();
        test::UseTestSystemPaths();
    }

    void Script(const std::string& locale, const std::u16string& body) {
        test::WriteUtf16File(data.path() / "conf" / ("locale_" + locale + ".lua"),
                             u"runs_" + FromUtf8(ToLuaName(locale)) + u" = (runs_" +
                                 FromUtf8(ToLuaName(locale)) + u" or 0) + 1 " + body);
    }
    static std::string ToLuaName(std::string locale) {
        for (char& c : locale) {
            if (c == '-')
                c = '_';
        }
        return locale;
    }
    void Picture(const std::string& file, int size) {
        std::filesystem::create_directories((data.path() / file).parent_path());
        test::cRgbaImage image;
        image.width = image.height = size;
        image.pixels.assign(static_cast<size_t>(size * size * 4), 200);
        ASSERT_TRUE(test::WritePng((data.path() / file).string(), image));
    }
    static int Runs(const std::string& locale) {
        lua_getglobal(g_lua, ("runs_" + ToLuaName(locale)).c_str());
        const int n = static_cast<int>(lua_tonumber(g_lua, -1));
        lua_pop(g_lua, 1);
        return n;
    }
    static uint32_t TextureWidth(const std::u16string& name) {
        const cTextureRef texture = FindTexture(name);
        return texture ? texture->GetWidth() : 0;
    }
    std::u16string Logged() const { return test::ReadLog().substr(logStart); }

    test::cTempFolder data;
    std::unique_ptr<cGame> game;
    size_t logStart = 0;
};

TEST_F(LocalizationTest, UnknownLocaleFallsBackToEnglish) {
    ApplyLocale(u"xx");
    EXPECT_EQ(game->locale, u"en");
    EXPECT_FALSE(game->cjkLocale);
    EXPECT_EQ(GetLocalizedText(u"Greeting"), u"Hello");
    EXPECT_EQ(Runs("en"), 1);
    EXPECT_NE(Logged().find(u"Locale with name xx not found, change to en"), std::u16string::npos);

    // A known locale runs its own script only.
    ApplyLocale(u"de");
    EXPECT_EQ(game->locale, u"de");
    EXPECT_EQ(GetLocalizedText(u"Greeting"), u"Hallo");
    EXPECT_EQ(Runs("en"), 1);
    EXPECT_EQ(Runs("de"), 1);
}

TEST_F(LocalizationTest, CjkFlagFollowsTheLocaleThatRan) {
    const struct {
        const char16_t* name;
        const char16_t* locale;  // what the game ends with
        bool cjk;
    } cases[] = {
        {u"zh-TW", u"zh-TW", true},
        {u"en", u"en", false},
        {u"zh_CN", u"zh_CN", true},
        {u"ja", u"ja", true},
        {u"de", u"de", false},
        {u"ko", u"ko", true},
        {u"zh", u"zh", true},
        // No script for it: the fallback is not a CJK locale.
        {u"zh-HK", u"en", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.name));
        ApplyLocale(c.name);
        EXPECT_EQ(game->locale, c.locale);
        EXPECT_EQ(game->cjkLocale, c.cjk);
    }
}

TEST_F(LocalizationTest, FontAndPictureFoldersFallBackToEnglishEachOnItsOwn) {
    // "de" has pictures but no fonts; "ja" has fonts but no pictures.
    ApplyLocale(u"de");
    EXPECT_EQ(TextureWidth(u"glyphs"), 4u);
    EXPECT_EQ(TextureWidth(u"banner"), 16u);

    const cTextureRef glyphs = FindTexture(u"glyphs");
    const cTextureRef banner = FindTexture(u"banner");
    ApplyLocale(u"ja");
    // Reloaded in place: whoever holds the texture sees the new locale's image.
    EXPECT_EQ(FindTexture(u"glyphs"), glyphs);
    EXPECT_EQ(glyphs->GetWidth(), 8u);
    EXPECT_EQ(FindTexture(u"banner"), banner);
    EXPECT_EQ(banner->GetWidth(), 4u);
}

TEST_F(LocalizationTest, EveryWindowAndWidgetIsToldAndTheTitleFollows) {
    std::vector<std::string> events;
    for (const char16_t* name : {u"main", u"options"})
        game->gui()->CreateWnd(
            name, std::make_unique<test::cRecordingWF>(&events, std::set<int>{kWndLocaleChanged}));
    game->gui()->ShowWnd(u"main");  // shown or not, every window hears it
    auto* first = new cLocaleWidget(u"first");
    auto* second = new cLocaleWidget(u"second");
    game->FocusWidget(u"second");

    ApplyLocale(u"de");
    EXPECT_EQ(events, (std::vector<std::string>{"main 20 0 0", "options 20 0 0"}));
    EXPECT_EQ(g_windowTitle, u"Brindelmoor");
    const std::vector<std::pair<int, int>> once{{kWidgetLocaleChanged, 0}};
    EXPECT_EQ(first->events, once);
    EXPECT_EQ(second->events, once);

    // The fallback's title comes with the fallback.
    ApplyLocale(u"nowhere");
    EXPECT_EQ(g_windowTitle, u"Brindlemoor");
    EXPECT_EQ(first->events.size(), 2u);
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(LocalizationTest, BrokenScriptIsLoggedAndTheGameGoesOn) {
    ApplyLocale(u"bad");
    const std::u16string log = Logged();
    EXPECT_NE(log.find(u"broken table"), std::u16string::npos);
    EXPECT_NE(log.find(u"Locale with name bad not found, change to en"), std::u16string::npos);
    EXPECT_EQ(game->locale, u"en");
    // English ran after the broken table and overwrote what it had set.
    EXPECT_EQ(GetLocalizedText(u"Greeting"), u"Hello");
    EXPECT_EQ(RunBuffer(u"ok = 1"), 0);
    ApplyLocale(u"de");
    EXPECT_EQ(GetLocalizedText(u"Greeting"), u"Hallo");
}

TEST_F(LocalizationTest, WithoutAnyScriptTheTableKeepsWhatItHad) {
    std::filesystem::remove(data.path() / "conf" / "locale_en.lua");
    ApplyLocale(u"de");
    ApplyLocale(u"fr");
    EXPECT_EQ(game->locale, u"en");
    EXPECT_EQ(GetLocalizedText(u"Greeting"), u"Hallo");
    EXPECT_EQ(GetLocalizedText(u"Ok"), u"Ok");  // the defaults stay
    // A missing "en" itself is reported once, and its script is not tried twice.
    const size_t before = test::ReadLog().size();
    ApplyLocale(u"en");
    const std::u16string log = test::ReadLog().substr(before);
    EXPECT_NE(log.find(u"Locale with name en not found, change to en"), std::u16string::npos);
    const std::u16string missing = u"luafile: error in file";
    const size_t at = log.find(missing);
    ASSERT_NE(at, std::u16string::npos);
    EXPECT_EQ(log.find(missing, at + 1), std::u16string::npos);
}

TEST_F(LocalizationTest, NamesThatAreNoLanguageTagNeverReachTheFileSystem) {
    // A script that a crafted name would reach through the folder above.
    test::WriteUtf16File(data.path() / "locale_x.lua", u"escaped = 1");
    std::filesystem::create_directories(data.path() / "conf" / "locale_");
    for (const char16_t* name : {u"/../../locale_x", u"en'); escaped = 1 --", u""}) {
        SCOPED_TRACE(ToUtf8(name));
        ApplyLocale(name);
        EXPECT_EQ(game->locale, u"en");
    }
    lua_getglobal(g_lua, "escaped");
    EXPECT_TRUE(lua_isnil(g_lua, -1));
    lua_pop(g_lua, 1);
    EXPECT_EQ(Runs("en"), 3);
}

TEST_F(LocalizationTest, ASwitchAskedForDuringASwitchIsRefused) {
    auto* eager = new cLocaleWidget(u"eager", u"ja");
    ApplyLocale(u"de");
    EXPECT_EQ(game->locale, u"de");
    EXPECT_EQ(Runs("ja"), 0);
    EXPECT_EQ(eager->events.size(), 1u);
    EXPECT_NE(Logged().find(u"Locale change to ja ignored: a locale switch is running"),
              std::u16string::npos);
    // Once the switch is over the next one goes through.
    ApplyLocale(u"ko");
    EXPECT_EQ(game->locale, u"ko");
}

TEST(Localization, NothingHappensWithoutAGame) {
    ASSERT_EQ(g_game, nullptr);
    ApplyLocale(u"de");  // must not touch anything
    EXPECT_TRUE(IsCjkLocale(u"zh-SG"));
    EXPECT_FALSE(IsCjkLocale(u"z"));
}

}  // namespace
}  // namespace qor
