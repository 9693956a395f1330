// The achievements room without a display: the room the game ships, a room
// file cut short or missing, and what the room does with the game's particles
// and with input.
#include "world/AchieveWidget.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/Strings.h"
#include "scene/Back.h"
#include "scene/Decor.h"
#include "scene/ParticleManager.h"
#include "tests/ManifestEntries.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace {

namespace fs = std::filesystem;
using qor::test::cTempFolder;
using scene_test::cTestScene;

class AchieveRoom : public ::testing::Test {
  protected:
    AchieveRoom() : room(&scene.factory, &scene.services) {}
    ~AchieveRoom() override {
        room.Clear();
        qor::test::UseTestSystemPaths();
    }
    std::vector<cObject*> All() const {
        std::vector<cObject*> objects;
        room.CollectObjects(objects, 0xFFFFFFFFu, -1);
        return objects;
    }
    cTestScene scene;
    cAchieveWidget room;
};

TEST_F(AchieveRoom, TheShippedRoomHasItsBackgroundAndDecorTheDataProvides) {
    qor::test::UseTestSystemPaths();
    ASSERT_TRUE(room.LoadRoomFile()) << "data/level/achieve.lvx";
    std::set<std::string> listed;
    for (const auto& entry : qor::test::ReadManifest()) {
        if (entry.kind == "area" && !entry.missing)
            listed.insert(entry.name);
    }
    int backs = 0;
    std::multiset<std::string> areas;
    for (const cObject* object : All()) {
        const std::string kind = qor::ToUtf8(object->kind);
        if (object->GetTypeId() == cBack::kType) {
            ++backs;
            EXPECT_EQ(object->GetLayer(), 0) << "drawn with the ground, without blending";
            EXPECT_TRUE(fs::exists("data/texture/back/" + kind + "_t.jpg")) << kind;
            EXPECT_TRUE(fs::exists("data/texture/back/" + kind + "_b.jpg")) << kind;
            continue;
        }
        ASSERT_EQ(object->GetTypeId(), cDecor::kType) << kind;
        // "texture;area", which the manifest lists so that the data check
        // finds every one of them in the generated atlases.
        const size_t split = kind.find(';');
        ASSERT_NE(split, std::string::npos) << kind;
        EXPECT_TRUE(listed.count(kind.substr(0, split) + ":" + kind.substr(split + 1))) << kind;
        areas.insert(kind.substr(split + 1));
    }
    EXPECT_EQ(backs, 1);
    // Every animated sprite of the glade stands in it once.
    const std::multiset<std::string> glade = {
        "menu_tree_l0", "menu_tree_l1",  "menu_tree_l2", "menu_tree_l3",
        "menu_tree_l4", "menu_tree_r0",  "menu_tree_r1", "menu_tree_r2",
        "menu_tree_r3", "menu_tree_r4",  "menu_mush0",   "menu_mush1",
        "menu_mush2",   "menu_lighting", "menu_clouds0", "menu_clouds1"};
    EXPECT_EQ(areas, glade);
    EXPECT_GE(room.nextObjectId, static_cast<uint32_t>(All().size()));
}

TEST_F(AchieveRoom, ARoomFileCutShortKeepsWhatWasRead) {
    const std::vector<uint8_t> whole = qor::test::ReadBytes("data/level/achieve.lvx");
    ASSERT_GT(whole.size(), 200u);
    cTempFolder data;
    qor::test::UseTestSystemPaths(data);
    fs::create_directories(data.path() / "level");
    EXPECT_FALSE(room.LoadRoomFile()) << "no file: an empty room";
    EXPECT_EQ(room.ObjectCount(), 0u);

    qor::test::WriteBytes(data.path() / "level" / "achieve.lvx",
                          std::vector<uint8_t>(whole.begin(), whole.begin() + 180));
    ASSERT_TRUE(room.LoadRoomFile());
    const size_t kept = room.ObjectCount();
    EXPECT_GE(kept, 2u);
    EXPECT_LT(kept, 6u);
}

TEST_F(AchieveRoom, ANewRoomIsEmptyAndCountsFromOne) {
    qor::test::UseTestSystemPaths();
    ASSERT_TRUE(room.LoadRoomFile());
    room.NewRoom();
    EXPECT_EQ(room.ObjectCount(), 0u);
    EXPECT_EQ(room.nextObjectId, 1u);
    EXPECT_EQ(room.CreateObject(cDecor::kType)->GetId(), 1u);
}

TEST_F(AchieveRoom, ItRunsTheParticlesAndLeavesNoneOfAnEarlierSceneWhenFocused) {
    cParticleManager particles;
    g_particles = &particles;
    particles.AddSparkle(20, 10, 0xFFFFFFFFu, {100, 100});
    particles.AddSmoke();
    room.TickRoom();
    EXPECT_EQ(particles.Group(kGroupSparkle).LiveCount(), 20);
    EXPECT_EQ(particles.Group(kGroupSmoke).emitters.size(), 1u);

    room.OnFocus();
    for (int group = 0; group < kParticleGroupCount; ++group) {
        EXPECT_EQ(particles.Group(group).LiveCount(), 0) << group;
        EXPECT_TRUE(particles.Group(group).emitters.empty()) << group;
    }
    g_particles = nullptr;
}

TEST_F(AchieveRoom, InputChangesNothingInTheRoom) {
    qor::test::UseTestSystemPaths();
    ASSERT_TRUE(room.LoadRoomFile());
    // Every object as it stands: which, where, in what state and showing what.
    auto snapshot = [&] {
        std::vector<std::tuple<uint32_t, int32_t, float, float, int, std::u16string>> out;
        for (const cObject* o : All())
            out.emplace_back(o->id, o->state, o->x, o->y, o->GetLayer(), o->animationName);
        return out;
    };
    const auto before = snapshot();
    ASSERT_FALSE(before.empty());
    for (const auto& [kind, param] : {std::pair{qor::kWidgetKeyDown, 27},
                                      {qor::kWidgetKeyDown, 13},
                                      {qor::kWidgetMouseDown, 0},
                                      {qor::kWidgetMouseDown, 1},
                                      {qor::kWidgetChar, 'a'}}) {
        room.OnEvent(kind, param);
    }
    EXPECT_EQ(snapshot(), before);
}

}  // namespace
