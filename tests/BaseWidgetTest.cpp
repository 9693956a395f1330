#include "scene/BaseWidget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/BitStream.h"
#include "scene/Node.h"
#include "tests/SceneTestKit.h"
#include "world/Point.h"

namespace {

using scene_test::cTestMan;
using scene_test::cTestScene;
using scene_test::MakeSprite;

std::vector<uint32_t> Ids(const cObjectList& list) {
    std::vector<uint32_t> ids;
    for (const auto& object : list)
        ids.push_back(object->id);
    return ids;
}

class BaseWidget : public ::testing::Test {
  protected:
    cBaseWidget& widget() { return *scene.widget; }
    cObject* Make(uint32_t type = scene_type::kDecor) { return widget().CreateObject(type); }
    cTestScene scene;
};

TEST_F(BaseWidget, CreatesOnlyKnownClassesWithFreshIdsOnTheTopLayer) {
    EXPECT_EQ(widget().CreateObject(0x100), nullptr);
    EXPECT_EQ(widget().CreateObject(0), nullptr);
    EXPECT_EQ(widget().CreateObject(0x3), nullptr);  // two classes at once
    cObject* first = Make();
    EXPECT_EQ(first->id, 0u);  // the refused ids used no number
    EXPECT_EQ(first->GetLayer(), 9);
    EXPECT_EQ(Make()->id, 1u);
    cObjectFactory factory;
    EXPECT_FALSE(factory.Register(0x6, nullptr));
    EXPECT_FALSE(factory.Knows(scene_type::kTree));
}

TEST(ObjectFactory, TheGameRegistersEveryStoredClassAndNothingElse) {
    cTestScene scene;
    for (int bit = 0; bit < 32; ++bit) {
        const uint32_t type = 1u << bit;
        const bool unused = type == 0x100 || type == 0x20000 || type == 0x8000000;
        EXPECT_EQ(scene.factory.Knows(type), !unused) << std::hex << type;
        if (cObject* object = scene.widget->CreateObject(type))
            EXPECT_EQ(object->GetTypeId(), type);
    }
}

TEST_F(BaseWidget, LayersClampAndKeepTheirOrder) {
    cObject* a = Make();
    cObject* b = Make();
    cObject* c = Make();
    EXPECT_EQ(widget().SetObjectLayer(a, -5), 0);
    EXPECT_EQ(widget().SetObjectLayer(b, 10), 9);
    EXPECT_EQ(Ids(widget().Layer(9)), (std::vector<uint32_t>{1, 2}));  // unchanged
    widget().MoveToBottom(c);
    EXPECT_EQ(Ids(widget().Layer(9)), (std::vector<uint32_t>{2, 1}));
    widget().MoveToTop(c);
    EXPECT_EQ(Ids(widget().Layer(9)), (std::vector<uint32_t>{1, 2}));
    widget().MoveToTop(a);  // the only object of its layer
    EXPECT_EQ(Ids(widget().Layer(0)), (std::vector<uint32_t>{0}));
    c->SetLayer(0);
    std::vector<cObject*> all;
    EXPECT_EQ(widget().CollectObjects(all, 0xFFFFFFFF, -1), 3);
    EXPECT_EQ(all, (std::vector<cObject*>{a, c, b}));
    EXPECT_EQ(widget().CollectObjects(all, scene_type::kTree, -1), 0);
    EXPECT_EQ(widget().CollectObjects(all, scene_type::kDecor, 9), 1);
}

TEST_F(BaseWidget, ClearDestroysEverythingAndRestartsTheIds) {
    Make();
    cObject* dying = Make();
    dying->state = kStateGone;
    EXPECT_EQ(widget().RemoveDeadObjects(), 1);
    widget().Clear();
    EXPECT_EQ(widget().FindObject(0), nullptr);
    EXPECT_EQ(widget().FindObject(1), nullptr);
    EXPECT_EQ(widget().ObjectCount(), 0u);
    EXPECT_EQ(Make()->id, 0u);
}

// A scene object that takes clicks inside its bounds.
class cClickable : public cTestMan {
  public:
    using cTestMan::cTestMan;
    static constexpr uint32_t kType = scene_type::kDecor;
    uint32_t GetTypeId() const override { return kType; }
};

class BaseWidgetPicking : public BaseWidget {
  protected:
    void SetUp() override {
        scene.factory.Register<cClickable>();
        scene.services.sprites[u"box"] = MakeSprite(1, 100, 100, 30);
    }
    cObject* Box(int layer, float x) {
        cObject* box = Make();
        box->AddAnimation(u"life", u"box");
        box->PlayAnimation(u"life", qor::kAnimStopped, true);
        box->SetLayer(layer);
        box->SetPosition(x, 0);
        return box;
    }
};

TEST_F(BaseWidgetPicking, TheHighestLayerAndTheListEndWin) {
    cObject* low = Box(3, 0);
    cObject* high = Box(6, 40);
    cObject* sameLayerLater = Box(6, 30);
    EXPECT_EQ(widget().PickObject({35, 0}), sameLayerLater);
    EXPECT_EQ(widget().PickObject({-40, 0}), low);
    EXPECT_EQ(widget().PickObject({85, 0}), high);
    sameLayerLater->state = kStateGone;  // dead but not yet removed
    EXPECT_EQ(widget().PickObject({35, 0}), high);
    EXPECT_EQ(widget().PickObject({500, 0}), nullptr);
}

TEST_F(BaseWidgetPicking, AbsurdObjectsNeverCrashTheScene) {
    qor::cSpriteBatch batch;
    scene.services.batch = &batch;
    const float huge = std::numeric_limits<float>::max();
    cObject* a = Box(9, huge);
    a->SetPosition(huge, -huge);
    a->SetLayer(std::numeric_limits<int32_t>::min());
    a->footprintWidth = std::numeric_limits<int32_t>::max();
    a->jobMarkers = std::numeric_limits<uint32_t>::max();
    cObject* b = Box(4, 0);
    b->SetKind(std::u16string(40000, u'x'));
    b->animations.player.frame = 1000;  // beyond the sprite
    b->SetAnimationMode(77, true);      // no such mode
    for (int i = 0; i < 3; ++i) {
        widget().TickObjects();
        widget().DrawLayers(-3, 99);
        widget().PickObject({std::nanf(""), 0});
        widget().PickObject({huge, -huge});
        EXPECT_FALSE(a->GetCell().IsValid());
        a->GetFootprint();
    }
    EXPECT_LE(batch.VertexEnd(), qor::cSpriteBatch::kMaxVertices);
}

// Spawns or clears the scene from inside its own step.
class cSpawner : public cObject {
  public:
    using cObject::cObject;
    static constexpr uint32_t kType = scene_type::kDecor;
    uint32_t GetTypeId() const override { return kType; }
    void Tick() override {
        ++ticks;
        if (spawn)
            scene->CreateObject(kType);
        if (clear)
            scene->Clear();
    }
    int ticks = 0;
    bool spawn = false;
    bool clear = false;
};

TEST_F(BaseWidget, AStepTicksLiveObjectsAndSurvivesAClearInsideIt) {
    scene.factory.Register<cSpawner>();
    auto* first = static_cast<cSpawner*>(Make());
    first->spawn = true;
    widget().TickObjects();
    EXPECT_EQ(first->ticks, 1);
    ASSERT_EQ(widget().ObjectCount(), 2u);
    auto* born = static_cast<cSpawner*>(widget().Layer(9).back().get());
    EXPECT_EQ(born->ticks, 0);  // made during the step: waits for the next
    first->spawn = false;
    first->clear = true;
    widget().TickObjects();  // the step ends where the scene was cleared
    EXPECT_EQ(widget().ObjectCount(), 0u);
}

TEST_F(BaseWidget, DeadObjectsLeaveTheListsButStayValidUntilClear) {
    cObject* house = Make(scene_type::kBuild);
    cObject* tree = Make(scene_type::kTree);
    tree->SetState(kStateGone);
    widget().TickObjects();
    EXPECT_EQ(widget().RemoveDeadObjects(), 1);
    EXPECT_EQ(widget().FindObject(tree->id), nullptr);
    EXPECT_EQ(tree->state, kStateGone);  // still alive for those who point at it
    widget().SetObjectLayer(tree, 2);    // and harmless to touch
    widget().MoveToTop(tree);
    EXPECT_EQ(widget().ObjectCount(), 1u);
    EXPECT_EQ(widget().FindObject(house->id), house);
}

TEST_F(BaseWidget, ObjectStatesRoundTripAndStopAtARecordNobodyTakes) {
    auto* a = static_cast<cPoint*>(Make(cPoint::kType));
    auto* b = static_cast<cPoint*>(Make(cPoint::kType));
    Make(scene_type::kTree);
    a->medal = 4;
    b->medal = 1;
    b->current = 1;
    qor::cBitStream saved;
    widget().SaveObjectStates(saved, cPoint::kType);
    EXPECT_EQ(saved.ByteLength(), 4u + 2 * (4 + 4 + 5));
    a->medal = b->medal = 0;
    b->current = 0;
    EXPECT_TRUE(widget().LoadObjectStates(saved));
    EXPECT_EQ(a->medal, 4);
    EXPECT_EQ(b->medal, 1);
    EXPECT_EQ(b->current, 1);

    // A record for an id no point has, or a type that only a tree has with
    // that id, is not read into anything, and reading stops there.
    qor::cBitStream stray;
    stray.WriteU32(2);
    stray.WriteU32(cPoint::kType);
    stray.WriteU32(77);
    stray.WriteI32(3);
    stray.WriteU8(1);
    stray.WriteU32(scene_type::kTree | cPoint::kType);
    stray.WriteU32(a->id);
    stray.WriteI32(2);
    stray.WriteU8(1);
    EXPECT_FALSE(widget().LoadObjectStates(stray));
    EXPECT_EQ(a->medal, 4);
}

}  // namespace
