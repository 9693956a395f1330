#include "scene/Object.h"

#include <gtest/gtest.h>

#include "level/sites/Altar.h"
#include "level/sites/Bell.h"
#include "level/units/EnemyBandit.h"
#include "level/sites/Plant.h"
#include "level/sites/Tower.h"
#include "level/sites/TunnelBuild.h"
#include "scene/Node.h"
#include "scene/ResourceSet.h"
#include "tests/SceneTestKit.h"

namespace {

using scene_test::cTestMan;
using scene_test::cTestScene;
using scene_test::MakeSprite;

class SceneObject : public ::testing::Test {
  protected:
    template <class T = cObject>
    T* Make(uint32_t type) {
        return static_cast<T*>(scene.widget->CreateObject(type));
    }
    cTestScene scene;
};

TEST(SceneObjectKind, MasksSelectClassesByTheirOwnBitOnly) {
    const uint32_t buildings = scene_type::kBuildings;
    cTestScene scene;
    struct {
        uint32_t type;
        bool building;
    } cases[] = {{cBuild::kType, true},      {cPlant::kType, true},       {cTower::kType, true},
                 {cTowerEnemy::kType, true}, {cTunnelBuild::kType, true}, {cBell::kType, false},
                 {cAltar::kType, false},     {scene_type::kTree, false}};
    for (const auto& c : cases) {
        cObject* object = scene.widget->CreateObject(c.type);
        ASSERT_NE(object, nullptr) << c.type;
        EXPECT_EQ(object->IsKind(buildings), c.building) << c.type;
    }
    // A derived class does not carry its base's bit.
    EXPECT_FALSE(scene.widget->CreateObject(cPlant::kType)->IsKind(cBuild::kType));
    cEnemyBandit bandit(nullptr);
    const cEnemy& enemy = bandit;
    EXPECT_TRUE(cEnemy(nullptr).IsKind(0x100));
    EXPECT_TRUE(enemy.IsKind(scene_type::kEnemyBandit));
    EXPECT_FALSE(enemy.IsKind(scene_type::kEnemyGold));
}

TEST_F(SceneObject, PlayAnimationKeepsARunningAnimationAndForgetsUnknownNames) {
    scene.services.sprites[u"walk"] = MakeSprite(5, 40, 60, 10);
    cObject* object = Make(scene_type::kDecor);
    ASSERT_TRUE(object->AddAnimation(u"life", u"walk"));
    EXPECT_FALSE(object->AddAnimation(u"fly", u"no_such_sprite"));
    object->PlayAnimation(u"life", qor::kAnimLoop, true);
    for (int i = 0; i < 7; ++i)
        object->Tick();  // 10 fps: two frames in 7 ticks
    EXPECT_EQ(object->GetFrame(), 2);
    object->PlayAnimation(u"life", qor::kAnimLoop, false);
    EXPECT_EQ(object->GetFrame(), 2);
    object->PlayAnimation(u"life", qor::kAnimLoop, true);
    EXPECT_EQ(object->GetFrame(), 0);

    object->SetAnimationFrame(7);
    EXPECT_EQ(object->GetFrame(), 4);
    EXPECT_TRUE(object->IsAnimationStopped());

    object->PlayAnimation(u"fly", qor::kAnimLoop, true);
    EXPECT_FALSE(object->GetSprite().texture);
    EXPECT_EQ(object->GetBounds().w, 0.0f);
}

TEST_F(SceneObject, AnAnimationWithoutFrameRateStandsAndARunningOneTakesANewRate) {
    scene.services.sprites[u"stages"] = MakeSprite(5, 40, 60, 0);
    scene.services.sprites[u"walk"] = MakeSprite(8, 40, 60, 10);
    scene.services.sprites[u"run"] = MakeSprite(8, 40, 60, 30);
    cTestMan object(scene.widget.get());
    object.AddAnimation(u"stages", u"stages");
    object.AddAnimation(u"walk", u"walk");
    object.AddAnimation(u"run", u"run");
    object.PlayAnimation(u"stages", qor::kAnimLoop, true);
    for (int i = 0; i < 300; ++i)
        object.Tick();
    EXPECT_EQ(object.GetFrame(), 0) << "its frame is chosen, never stepped";

    object.PlayAnimation(u"walk", qor::kAnimLoop, true);
    for (int i = 0; i < 6; ++i)
        object.Tick();
    ASSERT_EQ(object.GetFrame(), 2);
    // Same length and mode: the frame runs on, at the pace of the new sprite.
    object.PlayAnimation(u"run", qor::kAnimLoop, false);
    EXPECT_EQ(object.GetFrame(), 2);
    for (int i = 0; i < 3; ++i)
        object.Tick();
    EXPECT_EQ(object.GetFrame(), 5);
}

TEST_F(SceneObject, BoundsFollowTheFrameAndTheFootprintWidens) {
    scene.services.sprites[u"ex"] = MakeSprite(3, 20, 30, 30, true);
    cObject* object = Make(scene_type::kDecor);
    object->AddAnimation(u"life", u"ex");
    object->PlayAnimation(u"life", qor::kAnimStopped, true);
    object->SetPosition(100, 200);
    object->SetAnimationFrame(2);
    const qor::cRectF b = object->GetBounds();  // frame 2: offset (2, 0), size (22, 30)
    EXPECT_EQ(b.x, 98.0f);
    EXPECT_EQ(b.y, 200.0f);
    EXPECT_EQ(b.w, 22.0f);
    EXPECT_EQ(object->GetHintAnchor().x, 120.0f);

    cObject* house = Make(scene_type::kBuild);
    house->SetKind(u"house00");  // 3 × 2 cells
    EXPECT_EQ(house->footprintWidth, 3);
    EXPECT_EQ(house->footprintHeight, 2);
    house->SetPosition(0, 0);
    const qor::cRectF f = house->GetFootprint();
    EXPECT_FLOAT_EQ(f.w, 144.0f * 1.8f);
    EXPECT_FLOAT_EQ(f.h, 96.0f + 2 * 144.0f * 0.16f);
    EXPECT_FLOAT_EQ(f.x + f.w * 0.5f, 0.0f);
}

TEST_F(SceneObject, AssignManFillsFreePlacesThenTheObjectItself) {
    cObject* house = Make(scene_type::kBuild);
    auto* a = Make<cNode>(cNode::kType);
    auto* b = Make<cNode>(cNode::kType);
    house->AddWorkPlace(a);
    house->AddWorkPlace(b);
    cTestMan first(nullptr), second(nullptr), third(nullptr);
    b->occupant = &first;
    EXPECT_EQ(house->AssignMan(&second), a);
    EXPECT_EQ(house->AssignMan(&third), nullptr);
    EXPECT_EQ(house->GetFreePlaces(), 0);
    EXPECT_EQ(house->GetBusyPlaces(), 2);
    EXPECT_EQ(house->GetAssignedMen(), (std::vector<cObject*>{&second, &first}));
    house->ReleaseMan(&first);
    EXPECT_EQ(house->GetFreePlaces(), 1);
    EXPECT_EQ(a->owner, house);

    cObject* tree = Make(scene_type::kTree);
    EXPECT_EQ(tree->AssignMan(&first), tree);
    EXPECT_EQ(tree->AssignMan(&second), nullptr);
    // A man who has moved on to another target no longer holds the tree.
    first.target = tree;
    tree->Tick();
    EXPECT_EQ(tree->occupant, &first);
    first.target = house;
    tree->Tick();
    EXPECT_EQ(tree->occupant, nullptr);
    second.target = nullptr;
    a->Tick();  // the node's owner is the house: second works elsewhere
    EXPECT_TRUE(a->IsFree());
}

TEST_F(SceneObject, NodesFollowTheirOwnersLayerAndPositionAndLeaveWhenRemoved) {
    cObject* house = Make(scene_type::kBuild);
    auto* place = Make<cNode>(cNode::kType);
    auto* approach = Make<cNodeObj>(cNodeObj::kType);
    place->SetPosition(10, 10);
    approach->SetPosition(20, 5);
    house->AddWorkPlace(place);
    house->AddApproachNode(approach);
    house->SetApproachDirection(3);
    EXPECT_EQ(house->GetApproachDirection(), 3);
    house->SetLayer(-5);
    EXPECT_EQ(house->GetLayer(), 0);
    EXPECT_EQ(place->GetLayer(), 0);
    house->SetLayer(42);
    EXPECT_EQ(approach->GetLayer(), 9);
    house->MoveBy(100, 50);
    EXPECT_EQ(place->GetPosition().x, 110.0f);
    EXPECT_EQ(house->GetApproachPoint().y, 55.0f);

    place->SetState(kStateGone);
    approach->SetState(kStateGone);
    EXPECT_TRUE(house->workPlaces.empty());
    EXPECT_TRUE(house->approachNodes.empty());
    EXPECT_EQ(house->GetApproachPoint().x, 100.0f);
}

TEST_F(SceneObject, TheSpellEffectFollowsForItsTimeThenFinishes) {
    cObject* object = Make(scene_type::kTree);
    object->SetPosition(50, 60);
    auto* emitter = reinterpret_cast<cEmitter*>(0x1000);
    object->spellEffect = emitter;
    object->spellOffset = {0, 130};
    object->spellTimer.SetTarget(3.0f);
    for (int i = 0; i < 89; ++i)
        object->Tick();
    EXPECT_TRUE(scene.services.finished.empty());
    ASSERT_FALSE(scene.services.moves.empty());
    EXPECT_EQ(scene.services.moves.back().y, 190.0f);
    for (int i = 0; i < 2; ++i)
        object->Tick();
    EXPECT_EQ(scene.services.finished, (std::vector<cEmitter*>{emitter}));
    EXPECT_EQ(object->spellEffect, nullptr);
}

TEST_F(SceneObject, DrawsItsFrameThenOneMarkerPerQueuedJob) {
    qor::cSpriteBatch batch;
    scene.services.batch = &batch;
    scene.services.sprites[u"target"] = MakeSprite(1, 10, 10, 30);
    scene.services.sprites[u"tree"] = MakeSprite(2, 40, 80, 30);
    // A plain object: the classes of the game draw and anchor their own way.
    cTestMan plain(scene.widget.get());
    cObject* tree = &plain;
    tree->AddAnimation(u"life", u"tree");
    tree->PlayAnimation(u"life", qor::kAnimStopped, true);
    tree->SetPosition(100, 100);
    tree->jobMarkers = 2;
    tree->tint = 0x80FF0000u;
    tree->Draw();
    ASSERT_EQ(batch.VertexEnd(), 18);  // the tree and two markers, six vertices each
    EXPECT_EQ(batch.vertices[0].x, 80.0f);
    EXPECT_EQ(batch.vertices[0].color, 0x80FF0000u);
    // The hint anchor is the lower right of the tree (120, 60): the first
    // marker ends there, the second sits 0.3 of a marker to the right.
    EXPECT_EQ(batch.vertices[6].x, 110.0f);
    EXPECT_EQ(batch.vertices[6].y, 60.0f);
    EXPECT_EQ(batch.vertices[12].x, 113.0f);
}

TEST_F(SceneObject, HintAsksForAWorkerWhileSomeButNotAllPlacesAreTaken) {
    // The base form of the hint, as objects without a text of their own show
    // it (a well adds its own lines to it).
    cObject* well = Make(scene_type::kWell);
    well->SetKind(u"well00");
    auto* a = Make<cNode>(cNode::kType);
    auto* b = Make<cNode>(cNode::kType);
    well->AddWorkPlace(a);
    well->AddWorkPlace(b);
    EXPECT_EQ(well->cObject::GetHintText(), u"");
    cTestMan man(nullptr);
    well->AssignMan(&man);
    EXPECT_EQ(well->cObject::GetHintText(), u"<well00>\n<AddWorker>");
    well->AssignMan(&man);
    EXPECT_EQ(well->cObject::GetHintText(), u"");
}

}  // namespace
