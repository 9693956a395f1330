// The drop-down console: its slide, the editing keys, the history from the
// command list, running lines as Lua, scrolling, and how it looks when open.
#include "engine/Console.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "app/Game.h"
#include "app/Widget.h"
#include "engine/FileSystem.h"
#include "engine/Font.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/ScriptFunctions.h"
#include "engine/SpriteBatch.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

constexpr char16_t kToggle = u'`';

bool g_controlHeld = false;
bool FakeControl() {
    return g_controlHeld;
}

// The console font with fixed cells: 8 wide, 16 high, printable ASCII only.
void MakeConsoleFont() {
    cFontRef font = CreateOrResetFont(u"a_fontsystem14");
    font->cellHeight = 16;
    for (char16_t c = 32; c < 127; ++c)
        font->SetGlyph(c, cGlyph{8, 0, 0, 0, 0, 0, 8});
}

// Takes keys and characters and says so; the console must keep some from it.
class cKeyWidget : public cWidget {
  public:
    cKeyWidget() : cWidget(u"keys") {}
    int OnEvent(int kind, int param) override {
        events.push_back({kind, param});
        return 1;
    }
    std::vector<std::pair<int, int>> events;
};

// The console of a real cGame, over a data folder of our own that holds the
// command list.
class ConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::UseTestSystemPaths();
        cSystemPaths paths = GetSystemPaths();
        paths.staticPath = data.u16();
        SetSystemPaths(paths);
        test::WriteUtf16File(data.path() / "conf" / "concom.txt",
                             u"help()\r\nsay('hi')\n\nsay('bye')\n");
        Start();
    }
    void TearDown() override {
        game.reset();
        g_controlHeld = false;
        test::UseTestSystemPaths();
    }
    void Start() {
        game.reset();
        game = std::make_unique<cGame>();
        MakeConsoleFont();
        console = g_log->console();
        console->SetControlQuery(&FakeControl);
    }
    void Open() {
        ASSERT_TRUE(console->OnChar(kToggle));
        console->Draw(1.0f);
        ASSERT_EQ(console->openHeight(), 384.0f);
    }
    void Type(std::u16string_view text) {
        for (char16_t c : text)
            EXPECT_TRUE(console->OnChar(c)) << static_cast<int>(c);
    }
    void Key(int key, int times = 1) {
        for (int i = 0; i < times; ++i)
            EXPECT_TRUE(console->OnKey(key)) << key;
    }
    void ClearInput() {
        Key(kKeyEnd);
        Key(kKeyBackspace, static_cast<int>(console->input().size()));
    }
    double Number(const char* name) const {
        lua_getglobal(g_lua, name);
        const double v = lua_tonumber(g_lua, -1);
        lua_pop(g_lua, 1);
        return v;
    }

    test::cTempFolder data;
    std::unique_ptr<cGame> game;
    cConsole* console = nullptr;
};

TEST_F(ConsoleTest, ToggleSlidesOpenAndASecondPressTurnsItBackHalfway) {
    EXPECT_FALSE(console->IsOpen());
    EXPECT_TRUE(console->OnChar(kToggle));
    EXPECT_EQ(console->speed(), 768.0f);  // open in half a second
    console->Draw(0.25f);
    EXPECT_EQ(console->openHeight(), 192.0f);
    EXPECT_EQ(console->visibleLines(), 12);

    EXPECT_TRUE(console->OnChar(kToggle));
    EXPECT_EQ(console->speed(), -768.0f);
    console->Draw(0.125f);
    EXPECT_EQ(console->openHeight(), 96.0f);
    console->Draw(1.0f);
    EXPECT_EQ(console->openHeight(), 0.0f);
    EXPECT_EQ(console->speed(), 0.0f);
    EXPECT_FALSE(console->IsOpen());

    console->OnChar(kToggle);
    console->Draw(5.0f);  // a long frame stops at the full height
    EXPECT_EQ(console->openHeight(), 384.0f);
    EXPECT_EQ(console->speed(), 0.0f);
    EXPECT_EQ(console->visibleLines(), 24);
    console->OnChar(kToggle);
    EXPECT_EQ(console->speed(), -768.0f);
    console->Draw(std::numeric_limits<float>::quiet_NaN());  // a broken clock moves nothing
    EXPECT_EQ(console->openHeight(), 384.0f);
}

TEST_F(ConsoleTest, ClosedConsoleLetsEverythingButTheToggleThrough) {
    auto* widget = new cKeyWidget;
    game->FocusWidget(u"keys");
    for (int key : {kKeyBackspace, kKeyTab, kKeyEnter, kKeyPageUp, kKeyPageDown, kKeyEnd, kKeyHome,
                    kKeyLeft, kKeyUp, kKeyRight, kKeyDown, kKeyDelete}) {
        EXPECT_FALSE(console->OnKey(key)) << key;
        EXPECT_EQ(game->OnKeyDown(key), 1) << key;
    }
    EXPECT_EQ(game->OnChar('a'), 1);
    EXPECT_EQ(widget->events.size(), 13u);
    EXPECT_TRUE(console->input().empty());

    // The toggle never reaches the widget; once open, the console keeps typing.
    EXPECT_EQ(game->OnChar(kToggle), 1);
    console->Draw(1.0f);
    EXPECT_EQ(game->OnChar('a'), 1);
    EXPECT_EQ(game->OnKeyDown(kKeyLeft), 1);
    EXPECT_EQ(widget->events.size(), 13u);
    EXPECT_EQ(console->input(), u"a");

    // Characters the console font cannot show go on to the GUI.
    EXPECT_FALSE(console->OnChar(0x4F60));
    EXPECT_FALSE(console->OnChar('\t'));
    EXPECT_FALSE(console->OnChar(-1));
    EXPECT_FALSE(console->OnChar(0x10000));
    EXPECT_FALSE(console->OnKey(27));  // Escape is not the console's
    EXPECT_EQ(console->input(), u"a");
}

TEST_F(ConsoleTest, EditingKeysMoveTheCursorAndChangeTheInput) {
    Open();
    Type(u"abc");
    EXPECT_EQ(console->cursor(), 3);
    Key(kKeyLeft);
    Key(kKeyBackspace);
    EXPECT_EQ(console->input(), u"ac");
    EXPECT_EQ(console->cursor(), 1);
    Key(kKeyDelete);
    Key(kKeyDelete);  // at the end: nothing left to delete
    EXPECT_EQ(console->input(), u"a");
    Key(kKeyHome);
    Type(u"x");
    EXPECT_EQ(console->input(), u"xa");
    EXPECT_EQ(console->cursor(), 1);
    Key(kKeyEnd);
    Key(kKeyRight);
    EXPECT_EQ(console->cursor(), 2);
    Key(kKeyLeft, 5);
    Key(kKeyBackspace);
    EXPECT_EQ(console->cursor(), 0);
    EXPECT_EQ(console->input(), u"xa");
}

TEST_F(ConsoleTest, HistoryStartsWithTheCommandList) {
    // Empty lines are dropped; a carriage return stays with its entry.
    const std::vector<std::u16string> list{u"help()\r", u"say('hi')", u"say('bye')"};
    EXPECT_EQ(console->history(), list);
    EXPECT_EQ(console->historyIndex(), 3);
    Open();

    Key(kKeyUp);
    EXPECT_EQ(console->input(), u"say('bye')");
    EXPECT_EQ(console->cursor(), 10);
    Key(kKeyUp, 5);
    EXPECT_EQ(console->historyIndex(), 0);
    EXPECT_EQ(console->input(), u"help()\r");
    Key(kKeyDown);
    EXPECT_EQ(console->input(), u"say('hi')");
    Key(kKeyDown, 4);  // past the newest entry: an empty line
    EXPECT_EQ(console->historyIndex(), 3);
    EXPECT_TRUE(console->input().empty());
    EXPECT_EQ(console->cursor(), 0);
}

TEST_F(ConsoleTest, TabCompletesFromTheNewestMatchingEntry) {
    Open();
    Key(kKeyTab);  // an empty input matches the newest entry
    EXPECT_EQ(console->input(), u"say('bye')");
    EXPECT_EQ(console->cursor(), 10);
    ClearInput();
    Type(u"say('h");
    Key(kKeyTab);
    EXPECT_EQ(console->input(), u"say('hi')");
    EXPECT_EQ(console->cursor(), 9);
    ClearInput();
    Type(u"zzz");
    Key(kKeyLeft);
    Key(kKeyTab);  // no match: consumed, nothing changes
    EXPECT_EQ(console->input(), u"zzz");
    EXPECT_EQ(console->cursor(), 2);
}

TEST_F(ConsoleTest, CommandListWithoutByteOrderMarkIsRefusedAndTheGameGoesOn) {
    test::WriteBytes(data.path() / "conf" / "concom.txt", "help()\nsay('hi')\n");
    Start();
    EXPECT_TRUE(console->history().empty());
    const std::u16string complaint = u"Command list " + data.u16() +
                                     u"/conf/concom.txt is empty or not UTF-16 text with a "
                                     u"byte-order mark; it is ignored";
    EXPECT_NE(test::ReadLog().find(complaint), std::u16string::npos);
    bool shown = false;
    for (const std::u16string& line : console->lines())
        shown = shown || line == u"^7cConsole^6: ^5" + complaint;
    EXPECT_TRUE(shown);

    Open();
    Key(kKeyUp);  // nothing to recall
    Key(kKeyTab);
    EXPECT_TRUE(console->input().empty());
    Type(u"n = 1");
    Key(kKeyEnter);
    EXPECT_EQ(Number("n"), 1);

    // No list at all is no complaint.
    std::filesystem::remove(data.path() / "conf" / "concom.txt");
    const size_t before = test::ReadLog().size();
    Start();
    EXPECT_TRUE(console->history().empty());
    EXPECT_EQ(test::ReadLog().find(u"Command list", before), std::u16string::npos);
}

TEST_F(ConsoleTest, EnterRunsTheLineAsLuaAndRemembersIt) {
    Open();
    Type(u"answer = 6 * 7");
    Key(kKeyEnter);
    EXPECT_EQ(Number("answer"), 42);
    EXPECT_TRUE(console->input().empty());
    EXPECT_EQ(console->cursor(), 0);
    EXPECT_EQ(console->history().back(), u"answer = 6 * 7");
    EXPECT_EQ(console->historyIndex(), 4);

    Key(kKeyUp);  // the same line again is not stored twice
    Key(kKeyEnter);
    EXPECT_EQ(console->history().size(), 4u);
    Key(kKeyEnter);  // nor is an empty one
    EXPECT_EQ(console->history().size(), 4u);

    Type(u"print('from the console')");
    Key(kKeyEnter);
    EXPECT_EQ(console->lines().back(), u"from the console");

    // A line that is not Lua is logged; it stays in the history to be fixed.
    const size_t before = test::ReadLog().size();
    Type(u"x = = 1");
    Key(kKeyEnter);
    EXPECT_NE(test::ReadLog().find(u"Invalid buffer: x = = 1", before), std::u16string::npos);
    EXPECT_EQ(console->history().back(), u"x = = 1");
    EXPECT_EQ(console->historyIndex(), static_cast<int>(console->history().size()));
    Type(u"error('boom')");
    Key(kKeyEnter);
    EXPECT_NE(test::ReadLog().find(u"boom", before), std::u16string::npos);
    Type(u"answer = 1");
    Key(kKeyEnter);
    EXPECT_EQ(Number("answer"), 1);
}

TEST_F(ConsoleTest, PageKeysScrollAndControlPageUpPassesTheKeyOn) {
    for (int i = 0; i < 100; ++i)
        console->Print(u"line %d\n", std::vector<cFormatValue>{i});
    const int count = static_cast<int>(console->lines().size());
    Open();
    ASSERT_EQ(console->visibleLines(), 24);
    EXPECT_EQ(console->scroll(), count);

    Key(kKeyPageUp);
    EXPECT_EQ(console->scroll(), count - 1);
    Key(kKeyPageDown, 3);  // never past the newest line
    EXPECT_EQ(console->scroll(), count);

    g_controlHeld = true;
    EXPECT_FALSE(console->OnKey(kKeyPageUp));  // scrolled, and the GUI sees the key too
    EXPECT_EQ(console->scroll(), 23);
    g_controlHeld = false;
    Key(kKeyPageUp);  // the view stays full: not below visible lines - 1
    EXPECT_EQ(console->scroll(), 23);
    Key(kKeyPageDown);
    EXPECT_EQ(console->scroll(), 24);
    g_controlHeld = true;
    Key(kKeyPageDown);
    EXPECT_EQ(console->scroll(), count);

    // Any print jumps back to the newest line.
    g_controlHeld = false;
    Key(kKeyPageUp);
    console->Print(u"news\n");
    EXPECT_EQ(console->scroll(), count + 1);
}

TEST_F(ConsoleTest, FewLinesNeverScrollPastTheOutput) {
    cConsole small(1024, 768, 384);
    small.SetControlQuery(&FakeControl);
    for (int i = 0; i < 5; ++i)
        small.Print(u"line\n");
    small.OnChar(kToggle);
    small.Draw(1.0f);
    EXPECT_TRUE(small.OnKey(kKeyPageUp));
    EXPECT_EQ(small.scroll(), 5);
    g_controlHeld = true;
    EXPECT_FALSE(small.OnKey(kKeyPageUp));
    EXPECT_EQ(small.scroll(), 5);
}

TEST(Console, KeepsTheNewestLinesWhenTheOutputGrowsLong) {
    cConsole console(1024, 768, 384);
    const int total = static_cast<int>(cConsole::kMaxLines) + 5;
    for (int i = 0; i < total; ++i)
        console.Print(u"line %d\n", std::vector<cFormatValue>{i});
    console.Print(u"open ");
    console.Print(u"end");
    ASSERT_EQ(console.lines().size(), cConsole::kMaxLines);
    EXPECT_EQ(console.lines().front(), u"line 6");
    EXPECT_EQ(console.lines().back(), u"open end");
    EXPECT_EQ(console.scroll(), static_cast<int>(cConsole::kMaxLines));

    // Once full, a new line takes the oldest one's place: the other lines stay
    // where they are instead of all moving up by one on every print.
    const size_t newest = cConsole::kMaxLines - 1;
    const std::u16string* kept = &console.lines()[newest];
    console.Print(u"\nnext\n");
    ASSERT_EQ(console.lines().size(), cConsole::kMaxLines);
    EXPECT_EQ(&console.lines()[newest - 1], kept);
    EXPECT_EQ(*kept, u"open end");
    EXPECT_EQ(console.lines().front(), u"line 7");
    EXPECT_EQ(console.lines().back(), u"next");
}

// ---- drawing ----

constexpr int kFtCell = 17;
constexpr int kFtBaseline = 13;

// When the generated data is not there, a font like it is made from the
// system's DejaVu with FreeType: printable ASCII in 8-pixel cells.
bool RasteriseConsoleFont(std::string* why) {
    std::filesystem::path file =
        std::filesystem::path(QOR_TEST_FONT).parent_path() / "DejaVuSansMono.ttf";
    if (!std::filesystem::exists(file))
        file = QOR_TEST_FONT;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        *why = "FreeType did not start";
        return false;
    }
    if (FT_New_Face(library, file.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        *why = "no font at " + file.string();
        return false;
    }
    FT_Set_Pixel_Sizes(face, 0, 14);
    constexpr uint32_t kSize = 256;
    cImage image;
    image.Create(kImageRGBA32, kSize, kSize);
    uint8_t* pixels = image.levels[0].data();
    cFontRef font = CreateOrResetFont(u"a_fontsystem14");
    std::vector<std::array<int, 3>> cells;  // character, x, y
    int penX = 0, penY = 0;
    for (char c = 32; c < 127; ++c) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(c), FT_LOAD_RENDER) != 0)
            continue;
        if (penX + 10 > static_cast<int>(kSize)) {
            penX = 0;
            penY += kFtCell;
        }
        const FT_GlyphSlot slot = face->glyph;
        for (unsigned row = 0; row < slot->bitmap.rows; ++row) {
            const int y = penY + kFtBaseline - slot->bitmap_top + static_cast<int>(row);
            for (unsigned col = 0; col < slot->bitmap.width; ++col) {
                const int x = penX + slot->bitmap_left + static_cast<int>(col);
                if (y < penY || y >= penY + kFtCell || x < penX || x >= penX + 10)
                    continue;
                uint8_t* p = pixels + (static_cast<size_t>(y) * kSize + x) * 4;
                p[0] = p[1] = p[2] = 255;
                p[3] = slot->bitmap.buffer[row * slot->bitmap.pitch + col];
            }
        }
        cells.push_back({c, penX, penY});
        penX += 10;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    AddTexture(u"a_fontsystem14", std::move(image));
    SetFontTexture(font.get(), u"a_fontsystem14", 0, 0);
    font->cellHeight = kFtCell;
    for (const auto& [c, x, y] : cells) {
        const char16_t ch[] = {static_cast<char16_t>(c), 0};
        AddGlyph(font.get(), ch, static_cast<float>(x), static_cast<float>(y), 10, kFtCell, 10, 0,
                 8);
    }
    return true;
}

// The whole 1024 × 768 screen, so the virtual screen maps 1:1 to pixels.
class ConsoleGoldenTest : public test::GLTest {
  protected:
    ConsoleGoldenTest() : GLTest(1024, 768) {}
    void SetUp() override {
        test::UseTestSystemPaths();
        test::MarkGLUsed();
        GLTest::SetUp();
    }
    void TearDown() override {
        ClearFontCache();
        GLTest::TearDown();
    }

    // The generated console font from data/ when it is there; the golden
    // image to compare with depends on which font was used.
    std::string LoadFont(std::string* why) {
        const cPath generated(u"{StaticPath}/font/en/a_fontsystem14");
        if (Exists(cPath(generated.full + u".png")) && Exists(cPath(generated.full + u".lua")) &&
            RegisterEngineScriptFunctions() && LoadTexture(generated) == 0) {
            const cFontRef font = FindFont(u"a_fontsystem14");
            if (font && font->HasGlyph(u'A'))
                return "console_open";
        }
        return RasteriseConsoleFont(why) ? "console_open_freetype" : "";
    }
};

// The brightest pixel of the cells [firstColumn, lastColumn] on the console
// line whose pen is at `penY`, as (r, g, b).
std::array<int, 3> Brightest(const test::cRgbaImage& frame, int firstColumn, int lastColumn,
                             int penY, int lineHeight) {
    std::array<int, 3> best{0, 0, 0};
    for (int y = penY; y < penY + lineHeight; ++y) {
        for (int x = firstColumn * 8; x < (lastColumn + 1) * 8; ++x) {
            const uint8_t* p = frame.AtUp(x, y);
            if (p[0] + p[1] + p[2] > best[0] + best[1] + best[2])
                best = {p[0], p[1], p[2]};
        }
    }
    return best;
}

TEST_F(ConsoleGoldenTest, OpenConsoleShowsColouredLinesInputAndBars) {
    std::string why;
    const std::string golden = LoadFont(&why);
    if (golden.empty())
        GTEST_SKIP() << why;
    const cFontRef font = FindFont(u"a_fontsystem14");
    const int lineHeight = static_cast<int>(font->cellHeight);
    ASSERT_EQ(font->Glyph(u' ').dx + font->spacing, 8.0f);

    // A console of its own, so that no start-up line with a temporary path shows.
    cConsole console(1024, 768, 384);
    auto entry = [&](std::u16string_view code, std::u16string_view sender,
                     std::u16string_view message) {
        console.Print(Format(u"^7%s^6: %s%s\n", {sender, code, message}));
    };
    entry(kLogText, u"cScript", u"CreateScript: Ok");
    entry(kLogWarning, u"File", u"File data/texture/banner.png not found on disk");
    console.Print(u"half a line, ");
    console.Print(u"finished by the next print\n");
    std::u16string longLine;
    for (int i = 0; i < 30; ++i)
        longLine += u"lines are never wrapped ";
    console.Print(longLine + u"\n");
    console.Print(u"^0black ^1blue ^2green ^3cyan ^4red ^5magenta ^6yellow ^7white\n");
    entry(kLogError, u"cTexture", u"OnCreateContext 'banner'. Can't create texture");
    // Slides fully open in one long frame; typing needs it open.
    ASSERT_TRUE(console.OnChar(kToggle));
    console.Draw(1.0f);
    ASSERT_EQ(console.openHeight(), 384.0f);
    for (char16_t c : std::u16string_view(u"print('hi')"))
        ASSERT_TRUE(console.OnChar(c));
    ASSERT_TRUE(console.OnKey(kKeyLeft));
    ASSERT_TRUE(console.OnKey(kKeyLeft));

    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0.2f, 0.45f, 0.3f, 1.0f);
    g_render->Clear();
    g_render->Begin2D(1024, 768, false);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    g_render->SetColor(0xFFFFFFFFu);
    // Something bright across the panel's lower edge shows its translucency.
    DrawSprite(g_game->batch(), nullptr, {0, 0, 1, 1}, {600, 250, 300, 500}, 0xFFF0A040u);
    FlushBatch(g_game->batch());
    g_game->batch()->Clear();
    g_render->End2D();
    console.Draw(0.0f);
    g_render->End();

    test::cRgbaImage frame;
    ASSERT_TRUE(test::CaptureFrame(&frame));
    // Below the panel the screen is untouched; inside it is darkened to 35/255.
    EXPECT_TRUE(test::PixelNear(frame, 100, 200, 51, 114, 76));
    EXPECT_TRUE(test::PixelNear(frame, 500, 720, 7, 16, 10, 3));
    EXPECT_TRUE(test::PixelNear(frame, 700, 720, 33, 22, 9, 3));
    // The yellow edge and the scroll bar (every line fits: full length).
    EXPECT_TRUE(test::PixelNear(frame, 300, 383, 255, 255, 0));
    EXPECT_TRUE(test::PixelNear(frame, 700, 383, 255, 255, 0));
    EXPECT_TRUE(test::PixelNear(frame, 1022, 760, 255, 255, 0));
    EXPECT_TRUE(test::PixelNear(frame, 1023, 390, 255, 255, 0));
    EXPECT_TRUE(test::PixelNear(frame, 1021, 760, 7, 16, 10, 3));

    // Newest line first above the input line: the error entry has a white
    // sender, a yellow ": " and a red message. Codes take no cells: in the
    // ramp "blue" sits in columns 6-9, "green" in 11-15, "red" in 22-24.
    const int inputY = 384, errorY = 384 + lineHeight, rampY = 384 + 2 * lineHeight;
    const struct {
        const char* what;
        int first, last, penY;
        bool r, g, b;  // channel at full strength, or (nearly) off
    } cells[] = {
        {"sender", 0, 7, errorY, true, true, true},
        {"colon", 8, 8, errorY, true, true, false},
        {"error message", 10, 30, errorY, true, false, false},
        {"blue", 6, 9, rampY, false, false, true},
        {"green", 11, 15, rampY, false, true, false},
        {"red", 22, 24, rampY, true, false, false},
        {"white", 41, 45, rampY, true, true, true},
        {"input", 1, 5, inputY, true, true, false},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.what);
        const auto colour = Brightest(frame, c.first, c.last, c.penY, lineHeight);
        const bool on[3] = {c.r, c.g, c.b};
        for (int i = 0; i < 3; ++i) {
            if (on[i])
                EXPECT_GT(colour[i], 200) << "channel " << i;
            else
                EXPECT_LT(colour[i], 60) << "channel " << i;
        }
    }
    // The cursor "_" is white at cell cursor + 1 of the input line: the only
    // blue on a yellow line (a thin stroke, so not at full strength).
    EXPECT_GT(Brightest(frame, 10, 10, inputY, lineHeight)[2], 100);
    EXPECT_LT(Brightest(frame, 9, 9, inputY, lineHeight)[2], 60);
    const auto typed = Brightest(frame, 1, 5, 384, lineHeight);
    EXPECT_GT(typed[0], 200);
    EXPECT_LT(typed[2], 60);

    EXPECT_TRUE(test::MatchesGolden(golden));
}

TEST_F(ConsoleGoldenTest, ClosedConsoleDrawsNothing) {
    cConsole console(1024, 768, 384);
    console.Print(u"hidden\n");
    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0.2f, 0.45f, 0.3f, 1.0f);
    g_render->Clear();
    console.Draw(0.1f);
    g_render->End();
    test::cRgbaImage frame;
    ASSERT_TRUE(test::CaptureFrame(&frame));
    for (int y : {0, 383, 384, 767})
        EXPECT_TRUE(test::PixelNear(frame, 5, y, 51, 114, 76));
    EXPECT_EQ(g_render->frameStats().drawCalls, 0);
}

}  // namespace
}  // namespace qor
