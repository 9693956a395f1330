// Tests of the data generators themselves (tools/), run as the build runs them:
// the executables in the build folder's tools/ (the tests' working directory).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/TestUtil.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// Runs a tool from tools/ with its error output discarded; returns its exit code.
int RunTool(const std::string& tool, const std::string& arguments) {
    const fs::path exe = fs::path("tools") / tool;
    if (!fs::exists(exe))
        return -1;
    const std::string command = exe.string() + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quote(const fs::path& path) {
    return "'" + path.string() + "'";
}

class ToolsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"bm_script", "bm_fontgen", "bm_artgen", "bm_soundgen"}) {
            ASSERT_TRUE(fs::exists(fs::path("tools") / tool))
                << "tools/" << tool << " not found: build the game_data target and run the tests "
                << "from the build folder";
        }
    }
    qor::test::cTempFolder m_temp;
};

TEST_F(ToolsTest, ScriptConverterWritesUtf16WithMarkAndInlinesIncludes) {
    const fs::path lib = m_temp.path() / "lib";
    fs::create_directories(lib);
    Write(lib / "shared.lua", "shared = \"\xC3\xA9\"\r\n");
    // Latin-1, a character outside the Basic Multilingual Plane (a surrogate
    // pair in UTF-16), a CRLF line end and an include from the include folder.
    Write(m_temp.path() / "source.lua",
          "--#include \"shared.lua\"\r\nlocal s = \"\xC2\xBD \xF0\x9F\x8C\xB3\"\r\n");
    const fs::path out = m_temp.path() / "out" / "script.lua";
    ASSERT_EQ(RunTool("bm_script", Quote(m_temp.path() / "source.lua") + " " + Quote(out) +
                                       " --lua --include " + Quote(lib)),
              0);
    const std::u16string expected = u"shared = \"\u00E9\"\nlocal s = \"\u00BD \U0001F333\"\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : expected) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    EXPECT_EQ(Read(out), bytes);
}

TEST_F(ToolsTest, ScriptConverterRefusesBrokenSourcesAndWritesNothing) {
    struct Case {
        const char* what;
        std::string source;
        bool lua;
    };
    const Case cases[] = {
        {"a stray continuation byte", "x = \"\x80\"\n", false},
        {"a truncated sequence at the end", "x = \"\xE2\x82", false},
        {"an overlong encoding of '/'", "x = \"\xC0\xAF\"\n", false},
        {"an encoded surrogate", "x = \"\xED\xA0\x80\"\n", false},
        {"a Lua syntax error", "function f(\n", true},
        {"an include that does not exist", "--#include \"nowhere.lua\"\n", false},
    };
    for (const Case& c : cases) {
        const fs::path source = m_temp.path() / "bad.lua";
        const fs::path out = m_temp.path() / "bad_out.lua";
        fs::remove(out);
        Write(source, c.source);
        EXPECT_NE(RunTool("bm_script", Quote(source) + " " + Quote(out) + (c.lua ? " --lua" : "")),
                  0)
            << c.what;
        EXPECT_FALSE(fs::exists(out)) << c.what << " left an output file";
    }
}

// Same sources, same bytes: the data set must not change between builds.
TEST_F(ToolsTest, GeneratorsAreDeterministic) {
    const fs::path a = m_temp.path() / "a", b = m_temp.path() / "b";
    fs::create_directories(a);
    fs::create_directories(b);
    const std::string fonts = "/usr/share/fonts/truetype/dejavu";
    for (const fs::path& dir : {a, b}) {
        ASSERT_EQ(RunTool("bm_artgen", "--texture icon_question --png --atlas --fonts " + fonts +
                                           " --out " + Quote(dir)),
                  0);
        ASSERT_EQ(RunTool("bm_artgen", "--texture gui_loading_progress --jpg --alpha --fonts " +
                                           fonts + " --out " + Quote(dir)),
                  0);
        // packed sprites: frames painted, trimmed and laid out, and their atlas
        for (const char* sprites : {"sources", "figures_folk", "structures1"}) {
            ASSERT_EQ(RunTool("bm_artgen", std::string("--texture ") + sprites +
                                               " --png --atlas --fonts " + fonts + " --out " +
                                               Quote(dir)),
                      0);
        }
        ASSERT_EQ(RunTool("bm_fontgen", "--face " + fonts +
                                            "/DejaVuSans.ttf --size 12 --name f12"
                                            " --outline 1 --shadow 1 1 --out " +
                                            Quote(dir)),
                  0);
        ASSERT_EQ(RunTool("bm_soundgen", "--effect res_income --out " + Quote(dir / "s.ogg")), 0);
    }
    for (const char* file :
         {"icon_question.png", "icon_question.lua", "gui_loading_progress.jpg",
          "gui_loading_progress.alpha", "f12.png", "f12.lua", "s.ogg", "sources.png", "sources.lua",
          "figures_folk.png", "figures_folk.lua",
          "structures1.png", "structures1.lua"}) {
        const std::string first = Read(a / file);
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_EQ(first, Read(b / file)) << file << " differs between two runs";
    }
}

TEST_F(ToolsTest, GeneratorsRejectUnknownNamesAndBadArguments) {
    const fs::path out = m_temp.path() / "x";
    EXPECT_NE(
        RunTool("bm_artgen", "--texture no_such_texture --png --fonts /tmp --out " + Quote(out)),
        0);
    EXPECT_NE(RunTool("bm_soundgen", "--effect no_such_sound --out " + Quote(out / "x.ogg")), 0);
    EXPECT_NE(RunTool("bm_soundgen", "--music music9 --out " + Quote(out / "x.ogg")), 0);
    EXPECT_NE(
        RunTool("bm_fontgen", "--face /nonexistent.ttf --size 12 --name x --out " + Quote(out)), 0);
    EXPECT_NE(RunTool("bm_fontgen",
                      "--face /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf --size 0 "
                      "--name x --out " +
                          Quote(out)),
              0);
    EXPECT_FALSE(fs::exists(out / "x.png"));
    EXPECT_FALSE(fs::exists(out / "x.ogg"));
}

}  // namespace
