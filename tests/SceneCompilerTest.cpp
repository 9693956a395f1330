#include "tools/scenec/SceneCompiler.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"
#include "tools/scenec/ArtList.h"
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
        {"tree01 cell 7 16 nmae t\n", 1, "unknown option 'nmae': did you mean 'name'?"},
        {"tree01 cell 7 16 id 4294967295\n", 1, "id 4294967295 leaves no room for the ids"},
        {"tree01 cell 7 16 id 2147483648\ntree02 cell 8 16\n", 1, "ids go up to 2147483647"},
        {"tree01 cell 7 16\nnext-id 4294967295\n", 2, "the next id leaves no room"},
        {"flood 21 14 1 16\n", 1, "cannot flood cell (1, 16) of the island's rim"},
        {"flood 21 14 0 0\n", 1, "cannot flood cell (0, 0), off the island"},
        {"flood 21 14\nflood 21 15 21 14\n", 2, "cell (21, 14) is already flooded on line"},
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
        {"map\npoint 2 at 1 1 id 2\npoint 2 at 5 5 id 3\n", 3,
         "level 2 already has a point on line 2"},
        {"map\nroom\n", 2, "the scene is already a level, map or room"},
        {"map\npoint 1 at 1 1 id 1\ndecor \"map00;map00\" at 5 5 id 9\npoint 2 at 9 9\n", 4,
         "level point 2 needs its own 'id'"},
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

// A statement that cannot be read is told with what the readable ones mean,
// and without the follow-up refusals its absence would cause.
TEST(SceneCompiler, TellsSyntaxAndMeaningErrorsInOneRun) {
    struct {
        const char* what;
        const char* objects;
        std::vector<std::pair<int, const char*>> expected;  // line, message part
    } cases[] = {
        {"a bad position and an overlap",
         "tree01 at 1e40 0 name t\nhouse00 cell 20 8\ntree01 cell 21 9\nplace t cell 20 7\n",
         {{1, "the x position must be a number"}, {3, "'tree01' overlaps 'house00'"}}},
        {"an unknown kind keeps its name and id",
         "tre03 cell 7 16 name t id 9\nplace t cell 8 16\ntree01 cell 9 16 id 9\n",
         {{1, "unknown kind 'tre03'"}, {3, "id 9 is already used on line"}}},
        {"an unknown option and a missing name",
         "tree01 cell 7 16 colour red\nroute nowhere\n",
         {{1, "unknown option 'colour'"}, {2, "no object is named 'nowhere'"}}},
    };
    for (const auto& c : cases) {
        int first = 0;
        std::vector<std::string> messages;
        EXPECT_TRUE(Compile(Level(c.objects, &first), &messages).empty()) << c.what;
        ASSERT_EQ(messages.size(), c.expected.size()) << c.what << "\n"
                                                      << ::testing::PrintToString(messages);
        for (size_t k = 0; k < messages.size(); ++k) {
            const std::string line =
                "test.scene:" + std::to_string(first + c.expected[k].first - 1) + ": ";
            EXPECT_EQ(messages[k].substr(0, line.size()), line) << c.what << ": " << messages[k];
            EXPECT_NE(messages[k].find(c.expected[k].second), std::string::npos)
                << c.what << ": " << messages[k];
        }
    }
    // A grid row that cannot be read leaves the ground unknown: the objects
    // are not judged against it, the rest still is.
    std::string grid = ExampleSource("meadow.lvl.scene");
    grid.replace(grid.find("\n22 ") + 4, 1, "x");
    std::vector<std::string> messages;
    Compile(grid + "tree01 cell 7 16 layer 3\n", &messages);
    ASSERT_EQ(messages.size(), 2u) << ::testing::PrintToString(messages);
    EXPECT_NE(messages[0].find("unknown ground 'x'"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("always stands on layer 6"), std::string::npos) << messages[1];
}

// The art list the data build hands the compiler, from the build folder.
scenec::cArtList BuiltArt() {
    std::ifstream in("data-src/scene_art.txt", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    scenec::cArtList art;
    std::string error;
    EXPECT_FALSE(text.empty()) << "data-src/scene_art.txt: build the game_data target";
    EXPECT_TRUE(art.Parse(text, &error)) << error;
    return art;
}

TEST(SceneCompiler, RefusesDecorAndBackgroundsTheDataBuildDoesNotMake) {
    const scenec::cArtList art = BuiltArt();
    struct {
        const char* statement;
        const char* message;  // empty: accepted
    } cases[] = {
        {"decor \"menu_room;menu_mush0\" at 1 1", ""},
        {"decor \"map_pt\" at 1 1", ""},
        {"back achieve", ""},
        {"back 001", ""},
        {"decor \"menu_room;menu_msh0\" at 1 1",
         "the texture 'menu_room' has no area 'menu_msh0': did you mean 'menu_mush0'?"},
        {"decor \"menu_rom;menu_mush0\" at 1 1", "no texture 'menu_rom'"},
        {"decor \"map_ptt\" at 1 1", "no sprite is named 'map_ptt': did you mean 'map_pt'?"},
        {"decor \"menu_tree_l0\" at 1 1", "did you mean 'menu_room;menu_tree_l0'?"},
        {"back achieev", "no background picture is named 'achieev': did you mean 'achieve'?"},
    };
    for (const auto& c : cases) {
        scenec::cCompiled compiled;
        std::vector<std::string> messages;
        const bool ok = scenec::CompileScene(std::string("room\n") + c.statement + "\n",
                                             "test.scene", compiled, messages, &art);
        if (!*c.message) {
            EXPECT_TRUE(ok) << c.statement << ": " << ::testing::PrintToString(messages);
            continue;
        }
        ASSERT_EQ(messages.size(), 1u) << c.statement;
        EXPECT_EQ(messages[0].substr(0, 13), "test.scene:2:") << messages[0];
        EXPECT_NE(messages[0].find(c.message), std::string::npos) << messages[0];
    }
}

TEST(SceneCompiler, EveryShippedSceneAndExampleNamesArtTheDataBuildMakes) {
    namespace fs = std::filesystem;
    const scenec::cArtList art = BuiltArt();
    int count = 0;
    for (const char* folder :
         {"data-src/level", "data-src/testlevel", "data-src/scenes/examples"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(QOR_SOURCE_DIR) / folder)) {
            if (entry.path().extension() != ".scene")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string text{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
            scenec::cCompiled compiled;
            std::vector<std::string> messages;
            EXPECT_TRUE(scenec::CompileScene(text, entry.path().string(), compiled, messages, &art))
                << ::testing::PrintToString(messages);
            ++count;
        }
    }
    EXPECT_GE(count, 10);
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

    // As the data build runs it, with the art list it made.
    {
        std::ofstream out(source, std::ios::binary | std::ios::trunc);
        out << "room\ndecor \"menu_room;menu_tree_l9\" at 1 1\n";
    }
    EXPECT_EQ(run("--art data-src/scene_art.txt " + source.string() + " " +
                  (temp.path() / "room.lvx").string()),
              1);
    EXPECT_NE(read(temp.path() / "errors.txt")
                  .find("meadow.lvl.scene:2: the texture 'menu_room' has no area 'menu_tree_l9'"),
              std::string::npos)
        << read(temp.path() / "errors.txt");
    EXPECT_FALSE(fs::exists(temp.path() / "room.lvx"));
}

}  // namespace
