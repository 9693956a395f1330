#include "tools/scenec/SceneCompiler.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"
#include "tools/scenec/Decompiler.h"

namespace {

using scene_test::Compile;
using scene_test::CompileExample;
using scene_test::ExampleSource;

// The example's header and grid (its first lines up to "end") with the
// objects the test gives after it: line numbers in the table count from the
// first object line.
std::string Level(const std::string& objects, int* firstLine) {
    const std::string example = ExampleSource("meadow.lvl.scene");
    const size_t end = example.find("\nend\n") + 5;
    std::string head = example.substr(0, end);
    *firstLine = 1 + static_cast<int>(std::count(head.begin(), head.end(), '\n'));
    return head + objects;
}

TEST(SceneCompiler, RefusesWhatCannotWorkWithTheLineAndAPlainReason) {
    struct {
        const char* objects;  // appended after the example's grid
        int line;             // counted from the first appended line
        const char* message;
    } cases[] = {
        {"tree03 cell 7 16\ntre03 cell 8 16\n", 2, "unknown kind 'tre03': did you mean 'tree03'?"},
        {"house00 cell 20 8\ntree01 cell 21 9\n", 2, "'tree01' overlaps 'house00'"},
        {"tree01 cell 2 2\n", 1, "'tree01' would cover cell (2, 2), off the island"},
        {"tree01 cell 1 16\n", 1, "cell (1, 16) of the island's rim"},
        {"worker cell 19 14\n", 1, "'worker' stands on cell (19, 14), where walkers cannot go"},
        {"base00 cell 14 7\nworker cell 15 8\n", 2, "'worker' stands inside 'base00'"},
        {"bridge00 cell 18 14\n", 1, "needs ground that walkers can cross under it"},
        {"place house cell 13 8\n", 1, "no object is named 'house'"},
        {"tree01 cell 7 16 name a\ntree02 cell 8 16 name a\n", 2,
         "the name 'a' is already used on line"},
        {"tree01 cell 7 16 ready\n", 1, "'ready' applies to bridges and buildings"},
        {"house00 cell 20 8 meteor\n", 1, "'meteor' applies to logs and stones"},
        {"tree01 cell 7 16 layer 3\n", 1, "'tree01' always stands on layer 6"},
        {"worker cell 13 6 places 2\n", 1, "has no footprint to put work places"},
        {"point 1 at 10 10\n", 1, "level points belong on the world map"},
        {"tree01 at 1e40 0\n", 1, "the x position must be a number"},
        {"tree01 cell 7 16 colour red\n", 1, "unknown option 'colour'"},
        {"tree01 next 7 16\n", 1, "expected a position"},
        {"waypoint cell 6 11 name w\nroute w nowhere\n", 2, "no object is named 'nowhere'"},
        {"tree01 cell 7 16 name t\nroute t\n", 2, "'t' on the route is not a waypoint"},
        {"tree01 cell 7 16 id 4\ntree02 cell 8 16 id 4\n", 2, "id 4 is already used on line"},
        {"tree01 cell 7 16 id 4\nnext-id 3\n", 2, "the next id must be above every id"},
        {"house00 cell 20 8 name h\napproach h cell 20 7\napproach h cell 21 7\n", 3,
         "already has an approach point"},
        {"tree01 cell 7 16 \"x\n", 1, "a quoted text has no closing"},
    };
    for (const auto& c : cases) {
        int first = 0;
        std::vector<std::string> messages;
        EXPECT_TRUE(Compile(Level(c.objects, &first), &messages).empty()) << c.objects;
        ASSERT_FALSE(messages.empty()) << c.objects;
        const std::string expected = "test.scene:" + std::to_string(first + c.line - 1) + ": ";
        EXPECT_EQ(messages[0].substr(0, expected.size()), expected) << messages[0];
        EXPECT_NE(messages[0].find(c.message), std::string::npos) << messages[0];
    }
}

TEST(SceneCompiler, RefusesBrokenGridsAndSceneKinds) {
    const std::string row(32, '~');
    std::string rows;
    for (int j = 23; j >= 0; --j)
        rows += row + "\n";
    struct {
        std::string text;
        int line;
        const char* message;
    } cases[] = {
        {"tree01 cell 7 16\n", 1, "the file must begin with 'level NAME', 'map' or 'room'"},
        {"level \"1\"\n", 1, "a level needs its grid"},
        {"level \"1\"\ngrid\n" + row + "\nend\n", 2, "the grid has 1 rows; a level has 24"},
        {"level \"1\"\ngrid\n" + rows.substr(33) + "~~~~x" + row.substr(5) + "\nend\n", 26,
         "unknown ground 'x' in row 0"},
        {"level \"1\"\ngrid\n5 " + rows + "end\n", 3, "this is row 23 of the grid"},
        {"level \"1\"\ngrid\n" + rows.substr(33) + "~~\nend\n", 26, "row 0 has 2 cells"},
        {"level \"1\"\ngrid\n" + rows, 2, "the grid has no 'end' line"},
        {"level \"1\"\ngrid\n" + rows.substr(0, 33 * 7) + "~" + std::string(31, '.') + "\n" +
             rows.substr(33 * 8) + "end\n",
         2, "cell (1, 16) and 1 more cell of the island's rim are drawn open"},
        {"map\ntree01 cell 7 16\n", 2, "a map or room has no grid"},
        {"room\nplace x at 1 1\n", 2, "waypoints belong to levels"},
        {"map\npoint 2 at 1 1 id 2\npoint 2 at 5 5 id 3\n", 3, "level 2 already has a point on line 2"},
        {"map\nroom\n", 2, "the scene is already a level, map or room"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> messages;
        EXPECT_TRUE(Compile(c.text, &messages).empty()) << c.text;
        ASSERT_FALSE(messages.empty()) << c.text;
        EXPECT_EQ(messages[0].substr(0, messages[0].find(": ")),
                  "test.scene:" + std::to_string(c.line))
            << messages[0];
        EXPECT_NE(messages[0].find(c.message), std::string::npos) << messages[0];
    }
}

TEST(SceneCompiler, SameSourceSameBytesAndTheDecompiledSourceCompilesBack) {
    for (const char* name : {"meadow.lvl.scene", "worldmap.lvx.scene", "backdrop.lvx.scene"}) {
        const std::vector<uint8_t> bytes = CompileExample(name);
        EXPECT_EQ(CompileExample(name), bytes) << name;
        const bool level = std::string(name).ends_with(".lvl.scene");
        const std::string source = scenec::DecompileScene(bytes, level).text;
        std::vector<std::string> messages;
        EXPECT_EQ(Compile(source, &messages), bytes)
            << name << "\n"
            << source << (messages.empty() ? "" : messages[0]);
    }
}

// The tool as the data build runs it, from the build folder.
TEST(SceneCompilerTool, WritesTheFileOrExitsWithTheRefusals) {
    namespace fs = std::filesystem;
    qor::test::cTempFolder temp;
    const fs::path source = temp.path() / "meadow.lvl.scene";
    {
        std::ofstream out(source, std::ios::binary);
        out << ExampleSource("meadow.lvl.scene");
    }
    auto run = [&](const std::string& arguments) {
        const std::string command =
            "tools/bm_scenec " + arguments + " 2>" + (temp.path() / "errors.txt").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    auto read = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    ASSERT_EQ(run(source.string() + " " + (temp.path() / "meadow.lvl").string()), 0);
    const std::vector<uint8_t> bytes = CompileExample("meadow.lvl.scene");
    EXPECT_EQ(read(temp.path() / "meadow.lvl"), std::string(bytes.begin(), bytes.end()));

    EXPECT_EQ(run(source.string() + " " + (temp.path() / "meadow.lvx").string()), 1);
    EXPECT_NE(read(temp.path() / "errors.txt").find("compiles to a .lvl file"), std::string::npos);

    EXPECT_EQ(run("--decompile " + (temp.path() / "meadow.lvl").string() + " " +
                  (temp.path() / "back.scene").string()),
              0);
    EXPECT_NE(read(temp.path() / "back.scene").find("house00 cell 20 8"), std::string::npos);

    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out << "level \"x\"\ntre03 cell 1 1\n";
    }
    EXPECT_EQ(run(source.string() + " " + (temp.path() / "bad.lvl").string()), 1);
    EXPECT_NE(read(temp.path() / "errors.txt").find("meadow.lvl.scene:2: unknown kind 'tre03'"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(temp.path() / "bad.lvl"));
}

}  // namespace
