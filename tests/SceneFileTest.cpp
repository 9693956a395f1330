#include "scene/LevelFile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/Game.h"
#include "engine/BitStream.h"
#include "engine/Path.h"
#include "engine/Strings.h"
#include "scene/LvxFile.h"
#include "scene/Node.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"
#include "world/GameObjects.h"
#include "world/Point.h"

namespace {

using scene_test::CompileExample;
using scene_test::cTestScene;

std::vector<uint8_t> Bytes(const qor::cBitStream& s) {
    return std::vector<uint8_t>(s.Data(), s.Data() + s.ByteLength());
}

qor::cBitStream Stream(const std::vector<uint8_t>& bytes) {
    qor::cBitStream s;
    s.Load(bytes.data(), bytes.size());
    return s;
}

cCell CellOf(const cObject* object) {
    return CellOfPoint(object->GetPosition());
}

TEST(SceneFile, ACompiledLevelLoadsAndSavesToTheSameBytes) {
    const std::vector<uint8_t> compiled = CompileExample("meadow.lvl.scene");
    cTestScene scene;
    cLevelFile level;
    qor::cBitStream in = Stream(compiled);
    ReadLevelFile(in, *scene.widget, level);
    qor::cBitStream out;
    WriteLevelFile(*scene.widget, level, out);
    EXPECT_EQ(Bytes(out), compiled);

    // What the description said is what the game reads.
    EXPECT_EQ(level.name, u"900");
    cObject* house = nullptr;
    std::vector<cObject*> buildings;
    scene.widget->CollectObjects(buildings, scene_type::kBuild, -1);
    for (cObject* b : buildings)
        house = b->kind == u"house00" ? b : house;
    ASSERT_NE(house, nullptr);
    ASSERT_EQ(house->workPlaces.size(), 3u);  // derived along the front row
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(CellOf(house->workPlaces[k]), (cCell{20 + k, 7}));
    cObject* home = scene.widget->FindObjectByName(u"home");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(CellOf(home->workPlaces.at(0)), (cCell{13, 8}));
    ASSERT_EQ(level.trajectory.size(), 2u);
    EXPECT_EQ(level.trajectory[0]->name, u"west_gate");
    EXPECT_EQ(level.floodCells.size(), 3u);
    EXPECT_EQ(scene.widget->FindObjectByName(u"pond_bridge")->footprintWidth, 3);
    EXPECT_EQ(level.Cell({19, 15}), kTerrainGrass);  // under the bridge
    EXPECT_EQ(level.Cell({19, 14}), kTerrainBlocked);
    EXPECT_EQ(scene.widget->nextObjectId, scene.widget->ObjectCount() + 1);
}

TEST(SceneFile, CompiledMapAndRoomLoadAndSaveToTheSameBytes) {
    for (const char* name : {"worldmap.lvx.scene", "backdrop.lvx.scene"}) {
        const std::vector<uint8_t> compiled = CompileExample(name);
        cTestScene scene;
        qor::cBitStream in = Stream(compiled);
        ReadLvxFile(in, *scene.widget, kMapLoadSender);
        qor::cBitStream out;
        WriteLvxFile(*scene.widget, out);
        EXPECT_EQ(Bytes(out), compiled) << name;
    }
    cTestScene scene;
    qor::cBitStream in = Stream(CompileExample("worldmap.lvx.scene"));
    ReadLvxFile(in, *scene.widget, kMapLoadSender);
    auto* point = static_cast<cPoint*>(scene.widget->FindObjectByName(u"old_mill"));
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->level, 2);
}

// Writes level files by hand, damaged in the ways a test asks for.
struct cLevelWriter {
    explicit cLevelWriter(uint32_t version = 4, uint32_t columns = 32, uint32_t rows = 24,
                          int32_t kind = kTerrainRoad)
        : version(version) {
        s.WriteU32(version);
        s.WriteString(u"t");
        s.WriteU32(100);
        s.WriteU32(columns);
        s.WriteU32(rows);
        for (uint32_t k = 0; k < columns * rows; ++k)
            s.WriteI32(kind);
    }
    void Object(uint32_t type, uint32_t id, float x = 300, float y = 300,
                const char16_t* kind = u"k", const char16_t* name = u"n", uint32_t flags = 1) {
        s.WriteU32(type);
        s.WriteU32(id);
        s.WriteF32(x);
        s.WriteF32(y);
        s.WriteU32(5);
        s.WriteString(kind);
        if (version >= 2)
            s.WriteString(name);
        if (version >= 3)
            s.WriteU32(flags);
    }
    // Link sections: work places as owner, node; no approach links.
    void Links(std::vector<std::pair<uint32_t, uint32_t>> places, std::vector<uint32_t> road,
               std::vector<cCell> flood) {
        s.WriteU32(static_cast<uint32_t>(places.size()));
        for (auto [owner, node] : places) {
            s.WriteU32(owner);
            s.WriteU32(1);
            s.WriteU32(node);
        }
        s.WriteU32(0);
        s.WriteU32(static_cast<uint32_t>(road.size()));
        for (uint32_t id : road)
            s.WriteU32(id);
        if (version >= 4) {
            s.WriteU32(static_cast<uint32_t>(flood.size()));
            for (cCell c : flood) {
                s.WriteU32(c.i);
                s.WriteU32(c.j);
            }
        }
    }
    std::vector<uint8_t> Truncated(size_t drop) const {
        std::vector<uint8_t> bytes = Bytes(s);
        bytes.resize(bytes.size() - drop);
        return bytes;
    }
    uint32_t version;
    qor::cBitStream s;
};

// The readers with a running game, so that their warnings reach the log.
class DamagedSceneFile : public ::testing::Test {
  protected:
    void SetUp() override {
        qor::test::UseTestSystemPaths();
        RegisterGameObjects(factory);
        game = std::make_unique<qor::cGame>();
        scene = new cBaseWidget(u"damaged", &factory);  // the game owns it
        logStart = qor::test::ReadLog().size();
    }
    std::string Logged() const { return qor::ToUtf8(qor::test::ReadLog().substr(logStart)); }
    size_t Read(const std::vector<uint8_t>& bytes) {
        qor::cBitStream s = Stream(bytes);
        ReadLevelFile(s, *scene, level);
        return scene->ObjectCount();
    }

    cObjectFactory factory;
    std::unique_ptr<qor::cGame> game;
    cBaseWidget* scene = nullptr;
    cLevelFile level;
    size_t logStart = 0;
};

TEST_F(DamagedSceneFile, EveryFailureRuleKeepsWhatCanBeRead) {
    const uint32_t tree = scene_type::kTree, node = scene_type::kNode;
    const uint32_t road = scene_type::kNodeTrajectory;
    struct cCase {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t objects;
        const char* logged;  // a warning the log must show, or null for none
        size_t places;       // work places of the first object
        size_t trajectory;
        size_t flood;
    };
    std::vector<cCase> cases;
    {
        cLevelWriter w;  // a clean file: the reference the others spoil
        w.s.WriteU32(3);
        w.Object(tree, 1);
        w.Object(node, 2);
        w.Object(road, 3);
        w.Links({{1, 2}}, {3}, {{4, 5}});
        cases.push_back({"clean", Bytes(w.s), 3, nullptr, 1, 1, 1});
        cases.push_back(
            {"truncated inside the link sections", w.Truncated(10), 3, nullptr, 1, 1, 0});
    }
    {
        cLevelWriter w;
        w.s.WriteU32(3);
        w.Object(tree, 1);
        w.Object(node, 2);
        cases.push_back({"truncated object list ends in type 0", Bytes(w.s), 2,
                         "Invalid object type: 0", 0, 0, 0});
    }
    {
        cLevelWriter w;
        w.s.WriteU32(3);
        w.Object(tree, 1);
        w.Object(node, 2);
        w.s.WriteU32(0x100);  // no class: the links follow from here
        w.Links({{1, 2}, {1, 1}, {1, 9}, {7, 2}}, {9, 2, 3}, {{1, 1}});
        cases.push_back({"an unknown type stops the objects, links still read", Bytes(w.s), 2,
                         "Invalid object type: 256", 1, 0, 1});
    }
    {
        cLevelWriter w;
        w.s.WriteU32(2);
        w.Object(tree, 1);
        w.Object(tree, 2, std::nanf(""), 0);
        w.Links({}, {}, {});
        cases.push_back({"a position that is no number", Bytes(w.s), 1,
                         "load object. Object type: 64, version: 4", 0, 0, 0});
    }
    {
        cLevelWriter w;
        w.s.WriteU32(3);
        w.Object(node, 1);  // a node owns nothing and belongs to one owner only
        w.Object(tree, 2);
        w.Object(scene_type::kBuild, 3);
        w.Links({{1, 2}, {2, 1}, {3, 1}, {2, 2}}, {}, {});
        cases.push_back({"links of the wrong classes", Bytes(w.s), 3, nullptr, 0, 0, 0});
    }
    for (uint32_t version : {1u, 2u, 3u}) {
        cLevelWriter w(version);
        w.s.WriteU32(2);
        w.Object(tree, 1);
        w.Object(node, 2);
        w.Links({{1, 2}}, {}, {{1, 1}});  // flood cells only from version 4
        cases.push_back({"an older version", Bytes(w.s), 2, nullptr, 1, 0, 0});
    }
    {
        cLevelWriter w(4, 0xFFFFFFFF, 0xFFFFFFFF, 0);
        cases.push_back({"a grid of four billion squared cells that ends at once", w.Truncated(0),
                         0, nullptr, 0, 0, 0});
        cases.push_back({"nothing at all", {}, 0, nullptr, 0, 0, 0});
    }
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.what);
        logStart = qor::test::ReadLog().size();
        EXPECT_EQ(Read(c.bytes), c.objects);
        if (c.logged) {
            EXPECT_NE(Logged().find(c.logged), std::string::npos) << Logged();
            EXPECT_NE(Logged().find("cLevel::LoadLevel"), std::string::npos);
        } else {
            EXPECT_EQ(Logged().find("LoadLevel"), std::string::npos) << Logged();
        }
        const cObject* first = scene->FindObject(1);
        EXPECT_EQ(first ? first->workPlaces.size() : 0u, c.places);
        EXPECT_EQ(level.trajectory.size(), c.trajectory);
        EXPECT_EQ(level.floodCells.size(), c.flood);
        for (cCell rim : IslandRim())
            EXPECT_EQ(level.Cell(rim), kTerrainBlocked);
        // Whatever was read saves as a clean file that reads back the same.
        qor::cBitStream saved;
        WriteLevelFile(*scene, level, saved);
        cLevelFile again;
        qor::cBitStream copy = Stream(Bytes(saved));
        ReadLevelFile(copy, *scene, again);
        qor::cBitStream resaved;
        WriteLevelFile(*scene, again, resaved);
        EXPECT_EQ(Bytes(resaved), Bytes(saved));
    }
}

// Names came with version 2, flags with version 3, flood cells with 4.
TEST_F(DamagedSceneFile, OlderVersionsReadTheFieldsTheyHave) {
    struct {
        uint32_t version;
        const char16_t* name;
        uint32_t flags;
    } cases[] = {{1, u"", 0}, {2, u"gate", 0}, {3, u"gate", 3}};
    for (const auto& c : cases) {
        cLevelWriter w(c.version);
        w.s.WriteU32(1);
        w.Object(scene_type::kTree, 1, 120, 130, u"tree03", u"gate", 3);
        w.Links({}, {}, {});
        w.s.WriteU32(1);  // what a version 4 file would read as one flood cell
        ASSERT_EQ(Read(Bytes(w.s)), 1u) << c.version;
        const cObject* tree = scene->FindObject(1);
        EXPECT_EQ(tree->kind, u"tree03");
        EXPECT_EQ(tree->name, c.name);
        EXPECT_EQ(tree->flags, c.flags);
        EXPECT_EQ(tree->GetPosition().y, 130.0f);
        EXPECT_TRUE(level.floodCells.empty());
        EXPECT_EQ(level.Cell({5, 5}), kTerrainRoad);
        EXPECT_EQ(scene->nextObjectId, 100u);  // the file's counter, above every id
    }
}

TEST_F(DamagedSceneFile, LvxFilesThatAreMissingEmptyOrBroken) {
    qor::test::cTempFolder folder;
    qor::test::WriteBytes(folder.path() / "empty.lvx", std::vector<uint8_t>{});
    EXPECT_FALSE(LoadLvxFile(qor::cPath(folder.u16("missing.lvx")), *scene, kMapLoadSender));
    EXPECT_FALSE(LoadLvxFile(qor::cPath(folder.u16("empty.lvx")), *scene, kMapLoadSender));
    EXPECT_EQ(Logged().find("LoadLevel"), std::string::npos);

    qor::cBitStream s;
    s.WriteU32(4);
    s.WriteU32(1);
    s.WriteU32(cPoint::kType);
    cPoint(nullptr).Save(s);
    s.WriteU32(0x20000);  // no class
    s.WriteU32(cPoint::kType);
    qor::test::WriteBytes(folder.path() / "map.lvx", Bytes(s));
    EXPECT_TRUE(LoadLvxFile(qor::cPath(folder.u16("map.lvx")), *scene, kMapLoadSender));
    EXPECT_EQ(scene->ObjectCount(), 1u);
    EXPECT_NE(Logged().find("Invalid object type: 131072"), std::string::npos);
    EXPECT_NE(Logged().find("cMapWidget::LoadLevel"), std::string::npos);
}

}  // namespace
