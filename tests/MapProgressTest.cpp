// A player's world-map progress: the records of "map.dat" read into the map,
// whole, damaged or written for another map, and the file kept safe when the
// map cannot read it whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/BitStream.h"
#include "engine/Path.h"
#include "shell/MapProgress.h"
#include "tests/MapTestKit.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;
using map_test::Chosen;
using map_test::cTestMap;
using map_test::Medals;
using map_test::Progress;
using map_test::Record;

class MapProgressTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        WriteBytes(folder.path() / "map.lvx", map_test::CompileMap(map_test::FiveLevelSource()));
        map = MakeMap();
    }
    std::unique_ptr<cTestMap> MakeMap() {
        auto made = std::make_unique<cTestMap>(&services);
        made->mapFile = cPath(folder.u16("map.lvx"));
        EXPECT_TRUE(made->LoadMapFile());
        return made;
    }
    bool Read(const std::vector<uint8_t>& bytes) {
        cBitStream stream;
        stream.Load(bytes.data(), bytes.size());
        return map->LoadObjectStates(stream);
    }
    cPath File(const std::string& name) const { return cPath(folder.u16(name)); }

    cTempFolder folder;
    scene_test::cTestServices services;
    std::unique_ptr<cTestMap> map;
};

TEST_F(MapProgressTest, SavedProgressReadsBackWhole) {
    map->SetMedal(0, kMedalGold);
    map->OpenLevel(1);
    map->SetMedal(1, kMedalBronze);
    map->OpenLevel(2);
    const std::vector<uint8_t> saved = EncodeMapProgress(*map);
    EXPECT_EQ(saved, Progress(2, {Record(1, 4, 0), Record(2, 2, 0), Record(3, 1, 1),
                                  Record(4, 0, 0), Record(5, 0, 0)}));
    map = MakeMap();
    EXPECT_TRUE(Read(saved));
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 2, 1, 0, 0}));
    EXPECT_EQ(Chosen(*map), (std::vector<int>{0, 0, 1, 0, 0}));
    EXPECT_EQ(EncodeMapProgress(*map), saved);
}

TEST_F(MapProgressTest, DamagedProgressOpensNoLevelThatWasNotEarned) {
    struct cCase {
        const char* what;
        std::vector<uint8_t> bytes;
        bool whole;
        std::vector<int> medals, chosen;
    } cases[] = {
        {"no data at all", {}, false, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}},
        {"the version alone", Progress(2, {}), true, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}},
        {"half a version", {2, 0}, false, {1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}},
        {"another version's records",
         Progress(7, {Record(1, 2, 0), Record(2, 1, 1)}),
         false,
         {2, 1, 0, 0, 0},
         {0, 1, 0, 0, 0}},
        {"a point this map lacks, then more",
         Progress(2, {Record(1, 3, 0), Record(99, 4, 0), Record(2, 4, 1)}),
         false,
         {3, 4, 0, 0, 0},
         {0, 1, 0, 0, 0}},
        {"a record of a class the map does not hold",
         [] {
             // The second record's type is a tree's: a point must not read it.
             std::vector<uint8_t> tree = Record(2, 4, 1);
             tree[0] = 0x40;
             tree[3] = 0;
             return Progress(2, {Record(1, 3, 0), tree, Record(3, 2, 0)});
         }(),
         false,
         {3, 0, 0, 0, 0},
         {0, 0, 0, 0, 0}},
        {"a medal past gold",
         Progress(2, {Record(1, 2, 0), Record(2, 7, 1)}),
         false,
         {2, 0, 0, 0, 0},
         {0, 0, 0, 0, 0}},
        {"a negative medal",
         Progress(2, {Record(2, -1, 0)}),
         false,
         {1, 0, 0, 0, 0},
         {1, 0, 0, 0, 0}},
        {"a chosen flag of 2",
         Progress(2, {Record(1, 2, 0), Record(2, 1, 2)}),
         false,
         {2, 0, 0, 0, 0},
         {0, 0, 0, 0, 0}},
        {"a record cut short",
         [] {
             auto bytes = Progress(2, {Record(1, 2, 0), Record(2, 4, 1)});
             bytes.resize(bytes.size() - 2);
             return bytes;
         }(),
         false,
         {2, 0, 0, 0, 0},
         {0, 0, 0, 0, 0}},
        {"the chosen level is locked",
         Progress(2, {Record(1, 2, 0), Record(4, 0, 1)}),
         true,
         {2, 0, 0, 0, 0},
         {0, 0, 0, 0, 0}},
        {"two chosen levels",
         Progress(2, {Record(1, 2, 1), Record(2, 1, 1)}),
         true,
         {2, 1, 0, 0, 0},
         {1, 0, 0, 0, 0}},
        {"the first level locked",
         Progress(2, {Record(1, 0, 0), Record(2, 0, 0)}),
         true,
         {1, 0, 0, 0, 0},
         {1, 0, 0, 0, 0}},
        {"the first level locked, another chosen",
         Progress(2, {Record(1, 0, 0), Record(5, 1, 1)}),
         true,
         {1, 0, 0, 0, 1},
         {0, 0, 0, 0, 1}},
    };
    for (const cCase& c : cases) {
        // The previous player's progress must not shine through.
        map->OpenLevel(4);
        map->SetMedal(3, kMedalGold);
        EXPECT_EQ(Read(c.bytes), c.whole) << c.what;
        EXPECT_EQ(Medals(*map), c.medals) << c.what;
        EXPECT_EQ(Chosen(*map), c.chosen) << c.what;
    }
}

TEST_F(MapProgressTest, AProfileFileReadsWholeAndWritesBackTheSameBytes) {
    const std::vector<uint8_t> bytes = Progress(
        2, {Record(1, 4, 0), Record(2, 1, 1), Record(3, 0, 0), Record(4, 0, 0), Record(5, 0, 0)});
    WriteBytes(folder.path() / "map.dat", bytes);
    cMapProgress progress;
    progress.Load(File("map.dat"), *map);
    EXPECT_FALSE(progress.KeepsDamagedFile());
    EXPECT_EQ(map->GetCurrentLevel(), 1);
    fs::remove(folder.path() / "map.dat");
    EXPECT_TRUE(progress.Save(File("map.dat"), File("map.dat.bak"), *map));
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat"), bytes);
}

TEST_F(MapProgressTest, WithoutAFileTheMapStartsOverFromItsMapFile) {
    map->OpenLevel(3);
    cMapProgress progress;
    for (const bool empty : {true, false}) {
        if (empty)
            WriteBytes(folder.path() / "map.dat", std::string());
        else
            fs::remove(folder.path() / "map.dat");
        progress.Load(File("map.dat"), *map);
        EXPECT_EQ(Medals(*map), (std::vector<int>{1, 0, 0, 0, 0})) << (empty ? "empty" : "none");
        EXPECT_FALSE(progress.KeepsDamagedFile());
    }
    EXPECT_TRUE(progress.Save(File("map.dat"), File("map.dat.bak"), *map));
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat"), EncodeMapProgress(*map));
}

TEST_F(MapProgressTest, AnUnreadableFileIsKeptUntilSomethingNewIsEarnedThenBackedUp) {
    // Written for another map: its point 42 is unknown here and passed over;
    // the medals of levels 1 and 2 are read.
    const std::vector<uint8_t> damaged =
        Progress(2, {Record(1, 4, 0), Record(42, 4, 0), Record(2, 3, 1)});
    WriteBytes(folder.path() / "map.dat", damaged);
    cMapProgress progress;
    progress.Load(File("map.dat"), *map);
    EXPECT_TRUE(progress.KeepsDamagedFile());
    EXPECT_EQ(Medals(*map), (std::vector<int>{4, 3, 0, 0, 0}));

    EXPECT_FALSE(progress.Save(File("map.dat"), File("map.dat.bak"), *map));
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat"), damaged);
    EXPECT_FALSE(fs::exists(folder.path() / "map.dat.bak"));

    map->OpenLevel(2);
    EXPECT_TRUE(progress.Save(File("map.dat"), File("map.dat.bak"), *map));
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat.bak"), damaged);
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat"), EncodeMapProgress(*map));
    EXPECT_FALSE(progress.KeepsDamagedFile());
}

TEST_F(MapProgressTest, AMapWithoutPointsNeverOverwritesAPlayersProgress) {
    // The map file was missing: the game runs on an empty map.
    map->NewMap();
    const std::vector<uint8_t> good = Progress(2, {Record(1, 4, 0), Record(2, 1, 1)});
    WriteBytes(folder.path() / "map.dat", good);
    cMapProgress progress;
    progress.Load(File("map.dat"), *map);
    EXPECT_FALSE(progress.Save(File("map.dat"), File("map.dat.bak"), *map));
    EXPECT_EQ(ReadBytes(folder.path() / "map.dat"), good);
}

// Every player's "map.dat" names the shipped map's points by these ids: the
// point of level N is id N, whatever else the map file holds.
TEST_F(MapProgressTest, TheShippedMapKeepsThePointIdsPlayersProgressNames) {
    std::ifstream in(std::string(QOR_SOURCE_DIR) + "/data-src/level/map.lvx.scene",
                     std::ios::binary);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::vector<uint8_t> compiled = map_test::CompileMap(source);
    EXPECT_EQ(ReadBytes("data/level/map.lvx"), compiled) << "the data build's map";
    WriteBytes(folder.path() / "map.lvx", compiled);
    map = MakeMap();
    const std::vector<cPoint*> points = map->Points();
    ASSERT_EQ(points.size(), 40u);
    for (const cPoint* point : points)
        EXPECT_EQ(point->id, static_cast<uint32_t>(point->level + 1)) << "level " << point->level;
    // A progress file of all forty levels reads whole.
    std::vector<std::vector<uint8_t>> records;
    for (uint32_t level = 1; level <= 40; ++level)
        records.push_back(Record(level, level < 40 ? 4 : 1, level == 40));
    EXPECT_TRUE(Read(Progress(2, records)));
    EXPECT_EQ(map->GetCurrentLevel(), 39);
}

}  // namespace
}  // namespace qor::test
