// The way back from level, map and room files to their descriptions: every
// shipped scene comes back as a description that compiles to the same bytes,
// and a damaged file comes back as a description the compiler takes, with
// what was left out told.
#include "tools/scenec/Decompiler.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "engine/BitStream.h"
#include "scene/LevelFile.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace {

namespace fs = std::filesystem;
using scene_test::Compile;

std::string ReadText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

// Every scene source the data build compiles, and the examples.
std::vector<fs::path> SceneSources() {
    std::vector<fs::path> sources;
    for (const char* folder :
         {"data-src/level", "data-src/testlevel", "data-src/scenes/examples"}) {
        for (const auto& entry : fs::directory_iterator(fs::path(QOR_SOURCE_DIR) / folder)) {
            if (entry.path().extension() == ".scene")
                sources.push_back(entry.path());
        }
    }
    return sources;
}

TEST(SceneDecompiler, EverySceneSourceAndBuiltSceneComesBackAsTheSameBytes) {
    int built = 0;
    for (const fs::path& source : SceneSources()) {
        const std::string name = source.filename().string();
        std::vector<std::string> messages;
        const std::vector<uint8_t> bytes = Compile(ReadText(source), &messages);
        ASSERT_FALSE(bytes.empty()) << name << "\n" << Joined(messages);
        const bool level = name.ends_with(".lvl.scene");
        const scenec::cDecompiled back = scenec::DecompileScene(bytes, level);
        EXPECT_TRUE(back.ok) << name;
        EXPECT_TRUE(back.dropped.empty()) << name << "\n" << Joined(back.dropped);
        EXPECT_EQ(Compile(back.text, &messages), bytes) << name << "\n"
                                                        << back.text << Joined(messages);
        // The data build's file is the same, so decompiling it comes back too.
        const std::string folder = source.parent_path().filename().string();
        const fs::path data = fs::path("data") / folder / source.stem();
        if (folder != "examples") {
            EXPECT_EQ(qor::test::ReadBytes(data), bytes) << data;
            ++built;
        }
    }
    EXPECT_GE(built, 7) << "the shipped scenes and test levels";
}

// A compiled level as the game's readers see it, changed through the game's
// objects and written back with the game's writer: files the compiler would
// never have made.
std::vector<uint8_t> Damaged(const std::function<void(cBaseWidget&, cLevelFile&)>& damage) {
    const std::vector<uint8_t> bytes = scene_test::CompileExample("meadow.lvl.scene");
    scene_test::cTestScene scene;
    qor::cBitStream in;
    in.Load(bytes.data(), bytes.size());
    cLevelFile level;
    ReadLevelFile(in, *scene.widget, level);
    damage(*scene.widget, level);
    qor::cBitStream out;
    WriteLevelFile(*scene.widget, level, out);
    return std::vector<uint8_t>(out.Data(), out.Data() + out.ByteLength());
}

cObject* FirstOf(cBaseWidget& scene, const std::u16string& kind) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer)) {
            if (object->kind == kind)
                return object.get();
        }
    }
    ADD_FAILURE() << "the example has no such object";
    return nullptr;
}

TEST(SceneDecompiler, ADamagedFileComesBackAsASourceThatCompilesWithWhatWasLeftOut) {
    const std::vector<uint8_t> meadow = scene_test::CompileExample("meadow.lvl.scene");
    struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* dropped;  // a part of what is told; empty: nothing is left out
    } cases[] = {
        {"a road without waypoints",
         Damaged([](cBaseWidget&, cLevelFile& l) { l.trajectory.clear(); }), ""},
        {"a house moved onto another", Damaged([](cBaseWidget& s, cLevelFile&) {
             FirstOf(s, u"house00")->SetPosition(FirstOf(s, u"base00")->GetPosition());
         }),
         "overlaps"},
        {"flags no source can give",
         Damaged([](cBaseWidget& s, cLevelFile&) { FirstOf(s, u"tree03")->flags |= 0x100; }),
         "the flags 256"},
        {"flooded cells off the island and twice", Damaged([](cBaseWidget&, cLevelFile& l) {
             l.floodCells.push_back({0, 0});
             l.floodCells.push_back(l.floodCells.front());
         }),
         "a flooded cell off the island, 0 0"},
        {"a file cut short",
         std::vector<uint8_t>(meadow.begin(), meadow.begin() + meadow.size() * 2 / 3),
         "could not be read"},
    };
    for (const auto& c : cases) {
        const scenec::cDecompiled back = scenec::DecompileScene(c.bytes, true);
        ASSERT_TRUE(back.ok) << c.what << "\n" << Joined(back.dropped);
        if (*c.dropped) {
            EXPECT_NE(Joined(back.dropped).find(c.dropped), std::string::npos)
                << c.what << "\n"
                << Joined(back.dropped);
        } else {
            EXPECT_TRUE(back.dropped.empty()) << c.what << "\n" << Joined(back.dropped);
        }
        std::vector<std::string> messages;
        const std::vector<uint8_t> again = Compile(back.text, &messages);
        EXPECT_FALSE(again.empty()) << c.what << "\n" << back.text << Joined(messages);
        if (!*c.dropped)
            EXPECT_EQ(again, c.bytes) << c.what << "\n" << back.text;
    }
}

// The tool says what it left out and exits 1, but still writes what it read.
TEST(SceneDecompilerTool, TellsWhatItLeftOutAndExitsNonZero) {
    qor::test::cTempFolder temp;
    const std::vector<uint8_t> meadow = scene_test::CompileExample("meadow.lvl.scene");
    qor::test::WriteBytes(temp.path() / "whole.lvl", meadow);
    qor::test::WriteBytes(temp.path() / "cut.lvl",
                          std::vector<uint8_t>(meadow.begin(), meadow.begin() + 1500));
    auto run = [&](const std::string& input) {
        const std::string command =
            "tools/bm_scenec --decompile " + (temp.path() / input).string() + " " +
            (temp.path() / "out.scene").string() + " 2>" + (temp.path() / "errors.txt").string();
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("whole.lvl"), 0);
    EXPECT_EQ(ReadText(temp.path() / "errors.txt"), "");
    EXPECT_EQ(run("cut.lvl"), 1);
    EXPECT_NE(ReadText(temp.path() / "errors.txt").find("cut.lvl: left out "), std::string::npos)
        << ReadText(temp.path() / "errors.txt");
    std::vector<std::string> messages;
    EXPECT_FALSE(Compile(ReadText(temp.path() / "out.scene"), &messages).empty())
        << Joined(messages);
}

}  // namespace
