#include "scene/Back.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/Path.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"
#include "tests/GoldenImage.h"
#include "tests/SceneTestKit.h"
#include "tests/TestUtil.h"

namespace {

using scene_test::cTestScene;

// Hands out a texture for each picture asked for, or none for "missing".
class cPictureServices : public scene_test::cTestServices {
  public:
    qor::cTextureRef LoadTexture(const std::u16string& file, const std::u16string& name) override {
        loads.emplace_back(file, name);
        if (file.find(u"missing") != std::u16string::npos)
            return {};
        return std::make_shared<qor::cTexture>(name);
    }
    std::vector<std::pair<std::u16string, std::u16string>> loads;
};

class Back : public ::testing::Test {
  protected:
    Back() : widget(u"test", &scene.factory, &services) { services.batch = &batch; }
    ~Back() override { widget.Clear(); }
    cBack* Make(const std::u16string& name) {
        auto* back = static_cast<cBack*>(widget.CreateObject(cBack::kType));
        back->SetKind(name);
        back->SetPosition(512, 384);
        return back;
    }
    cTestScene scene;
    cPictureServices services;
    cBaseWidget widget;
    qor::cSpriteBatch batch;
};

TEST_F(Back, LoadsItsTwoHalvesOnceAndFillsTheScreenWithThem) {
    cBack* back = Make(u"glade");
    using Load = std::pair<std::u16string, std::u16string>;
    EXPECT_EQ(services.loads,
              (std::vector<Load>{{u"{StaticPath}/texture/back/glade_t", u"back_t"},
                                 {u"{StaticPath}/texture/back/glade_b", u"back_b"}}));
    back->SetKind(u"glade");
    EXPECT_EQ(services.loads.size(), 2u) << "the same name loads nothing again";
    back->SetKind(u"meadow");
    EXPECT_EQ(services.loads.size(), 4u);

    back->Draw();
    ASSERT_EQ(batch.VertexEnd(), 12);
    // the lower part 256 high at the bottom, the upper 512 above it
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 0);
    EXPECT_FLOAT_EQ(batch.vertices[0].y, 0);
    EXPECT_FLOAT_EQ(batch.vertices[5].x, 1024);
    EXPECT_FLOAT_EQ(batch.vertices[5].y, 256);
    EXPECT_FLOAT_EQ(batch.vertices[6].y, 256);
    EXPECT_FLOAT_EQ(batch.vertices[11].y, 768);
    EXPECT_EQ(batch.runs[0].texture, back->bottom);
    EXPECT_EQ(batch.runs[1].texture, back->top);
    const qor::cRectF bounds = back->GetBounds();
    EXPECT_FLOAT_EQ(bounds.w, 1024);
    EXPECT_FLOAT_EQ(bounds.h, 768);
}

TEST_F(Back, AMissingPictureLeavesItsPartUndrawn) {
    cBack* back = Make(u"missing");
    back->Draw();
    EXPECT_EQ(batch.VertexEnd(), 0) << "no white block where the picture is missing";
}

// Each background keeps the pictures it loaded, though the cache's names
// "back_t" and "back_b" move on to the newest: after a level the menu's room
// still shows its own picture.
TEST(BackPictures, ANewPictureUnderTheSameNameLeavesEarlierHoldersTheirOwn) {
    qor::test::cTempFolder data;
    qor::test::UseTestSystemPaths(data);
    std::filesystem::create_directories(data.path() / "texture" / "back");
    for (const auto& [name, width] : {std::pair{"first_t.png", 4}, std::pair{"second_t.png", 8}}) {
        qor::test::cRgbaImage image;
        image.width = width;
        image.height = 2;
        image.pixels.assign(static_cast<size_t>(width) * 2 * 4, 200);
        ASSERT_TRUE(qor::test::WritePng((data.path() / "texture" / "back" / name).string(), image));
    }
    const qor::cTextureRef first =
        qor::LoadTextureAs(qor::cPath(u"{StaticPath}/texture/back/first_t"), u"back_t");
    const qor::cTextureRef second =
        qor::LoadTextureAs(qor::cPath(u"{StaticPath}/texture/back/second_t"), u"back_t");
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_EQ(first->GetWidth(), 4u);
    EXPECT_EQ(second->GetWidth(), 8u);
    EXPECT_EQ(qor::FindTexture(u"back_t"), second);
    EXPECT_FALSE(qor::LoadTextureAs(qor::cPath(u"{StaticPath}/texture/back/none_t"), u"back_t"));
    EXPECT_EQ(qor::FindTexture(u"back_t"), second) << "a failed load keeps the cache as it was";
    qor::ClearTextureCache();
    qor::test::UseTestSystemPaths();
}

}  // namespace
