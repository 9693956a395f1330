// The picture stories' widget on its own, with the generated pages: timing,
// input, pages that cannot be read and the picture freed after a story.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Game.h"
#include "app/Widget.h"
#include "engine/TextureCache.h"
#include "tests/TestUtil.h"
#include "world/ComicsWidget.h"

namespace qor::test {
namespace {

constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr float kTick = kTickSeconds;

class ComicsWidgetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        comics = std::make_unique<cComicsWidget>();
        comics->onStoryOver = [this] {
            ++storiesOver;
            // What the game does when the map takes over.
            comics->OnUnfocus();
        };
    }
    void TearDown() override { ClearTextureCache(); }

    void Play(bool closing) {
        comics->SetStory(closing);
        comics->OnFocus();
    }
    // Ticks until the story is over; the number of ticks it took.
    int TicksToTheEnd(int limit) {
        int ticks = 0;
        while (storiesOver == 0 && ticks < limit) {
            comics->Tick();
            ++ticks;
        }
        return ticks;
    }
    void TickFor(float seconds) {
        for (int i = 0; i < static_cast<int>(seconds * 30.0f + 0.5f); ++i)
            comics->Tick();
    }

    std::unique_ptr<cComicsWidget> comics;
    int storiesOver = 0;
};

TEST_F(ComicsWidgetTest, AStoryWithoutInputLastsTheSumOfItsPages) {
    struct Case {
        bool closing;
        float seconds;
        int pages;
    };
    for (const Case& c : {Case{false, 35.0f, 4}, Case{true, 40.0f, 4}}) {
        SCOPED_TRACE(c.closing ? "closing" : "opening");
        storiesOver = 0;
        Play(c.closing);
        EXPECT_EQ(comics->story.page, -1);
        ASSERT_EQ(comics->story.pictures.size(), static_cast<size_t>(c.pages));
        const int ticks = TicksToTheEnd(5000);
        EXPECT_EQ(storiesOver, 1);
        // One tick shows the first page; each page may end a tick late from
        // rounding of the tick's length.
        EXPECT_NEAR(ticks * kTick, c.seconds, (c.pages + 1) * kTick);
        EXPECT_FALSE(comics->story.closing) << "leaving returns to the opening story";
    }
}

TEST_F(ComicsWidgetTest, TheStoriesShowTheirPagesAndCaptionsInOrder) {
    Play(false);
    EXPECT_EQ(comics->story.pictures.front(), u"{StaticPath}/texture/comics/comics1.jpg");
    ASSERT_EQ(comics->story.texts.size(), 4u);
    EXPECT_TRUE(comics->story.texts[1].empty());
    EXPECT_EQ(comics->story.texts[3].front().key, u"ComicsStart30");
    comics->OnUnfocus();
    Play(true);
    EXPECT_EQ(comics->story.pictures.back(), u"{StaticPath}/texture/comics/comics8.jpg");
    ASSERT_EQ(comics->story.texts[0].size(), 2u);
    EXPECT_EQ(comics->story.texts[0][0].key, u"ComicsFinish00");
    EXPECT_FLOAT_EQ(comics->story.texts[0][0].y, 55.0f);
    EXPECT_FLOAT_EQ(comics->story.texts[0][1].y, 35.0f);
    comics->AddText(4, u"Nowhere", 0.0f, 0.0f);
    comics->AddText(-1, u"Nowhere", 0.0f, 0.0f);
    for (const auto& captions : comics->story.texts)
        for (const cComicsCaption& caption : captions)
            EXPECT_NE(caption.key, u"Nowhere") << "a caption of a page that does not exist";
}

TEST_F(ComicsWidgetTest, AClickShortensThePageToItsLastSecondOnlyWhenMoreIsLeft) {
    struct Case {
        float into;       // seconds into the first page (10 s long)
        float leftAfter;  // what the click leaves
    };
    for (const Case& c : {Case{0.3f, 1.0f}, Case{5.0f, 1.0f}, Case{9.5f, 0.5f}, Case{9.9f, 0.1f}}) {
        SCOPED_TRACE(c.into);
        Play(false);
        comics->Tick();  // the first page comes
        TickFor(c.into);
        comics->OnEvent(kWidgetMouseDown, 1);
        EXPECT_NEAR(comics->story.pageTimeLeft, c.leftAfter, 1.5f * kTick);
        EXPECT_EQ(comics->story.page, 0);
        if (c.into < 1.0f) {
            EXPECT_GT(comics->PageOpacity(), 0.9f) << "the page jumps to nearly full opacity";
        }
        comics->OnUnfocus();
    }
}

TEST_F(ComicsWidgetTest, KeysTurnThePageAtOnceAndEscapeEndsTheStory) {
    Play(false);
    comics->Tick();
    TickFor(0.5f);
    comics->OnEvent(kWidgetKeyDown, kSpace);
    EXPECT_EQ(comics->story.page, 1);
    EXPECT_FLOAT_EQ(comics->story.pageTimeLeft, 5.0f) << "the second page starts whole";
    EXPECT_EQ(storiesOver, 0);
    comics->OnEvent(kWidgetKeyDown, 'A');
    EXPECT_EQ(comics->story.page, 2);
    for (int page : {2, 3}) {
        SCOPED_TRACE(page);
        comics->OnUnfocus();
        storiesOver = 0;
        Play(page == 3);
        comics->Tick();
        for (int i = 0; i < page; ++i)
            comics->NextPage();
        comics->OnEvent(kWidgetKeyDown, kEscape);
        EXPECT_EQ(storiesOver, 1);
        EXPECT_TRUE(comics->story.pictures.empty());
    }
    // The last page turned by a key ends the story.
    storiesOver = 0;
    Play(true);
    for (int i = 0; i < 4; ++i)
        comics->NextPage();
    EXPECT_EQ(storiesOver, 0);
    comics->OnEvent(kWidgetKeyDown, kSpace);
    EXPECT_EQ(storiesOver, 1);
}

TEST_F(ComicsWidgetTest, APageThatCannotBeReadKeepsThePictureBeforeIt) {
    const std::u16string page1 = u"{StaticPath}/texture/comics/comics1.jpg";
    comics->AddPage(page1, 10.0f);
    comics->AddPage(u"{StaticPath}/texture/comics/missing.jpg", 10.0f);
    comics->AddPage(u"{StaticPath}/texture/comics/comics2.jpg", 10.0f);
    comics->story.page = -1;
    comics->NextPage();
    ASSERT_NE(comics->story.picture, nullptr);
    cTexture* first = comics->story.picture.get();
    ASSERT_NE(first->image, nullptr);
    const std::vector<uint8_t> pixels = first->image->levels.at(0);
    comics->NextPage();
    EXPECT_EQ(comics->story.page, 1);
    EXPECT_FLOAT_EQ(comics->story.pageTimeLeft, 10.0f) << "the page keeps its own time";
    ASSERT_EQ(comics->story.picture.get(), first);
    EXPECT_EQ(first->image->levels.at(0), pixels) << "the previous page stays";
    comics->NextPage();
    EXPECT_EQ(comics->story.picture.get(), first) << "the one texture is refilled";
    EXPECT_NE(first->image->levels.at(0), pixels);

    // On the first page there is nothing to keep: the page is plain.
    comics->OnUnfocus();
    comics->AddPage(u"{StaticPath}/texture/comics/missing.jpg", 10.0f);
    comics->story.page = -1;
    comics->NextPage();
    EXPECT_EQ(comics->story.picture, nullptr);
    EXPECT_FLOAT_EQ(comics->story.pageTimeLeft, 10.0f);
}

TEST_F(ComicsWidgetTest, ThePictureIsFreedWhenTheStoryLeaves) {
    for (bool closing : {false, true}) {
        SCOPED_TRACE(closing);
        Play(closing);
        comics->Tick();
        comics->NextPage();
        ASSERT_NE(comics->story.picture, nullptr);
        std::weak_ptr<cTexture> picture = comics->story.picture;
        comics->OnEvent(kWidgetKeyDown, kEscape);
        EXPECT_TRUE(picture.expired()) << "nobody holds the page picture any more";
        EXPECT_EQ(FindTexture(kComicsTextureName), nullptr);
    }
}

}  // namespace
}  // namespace qor::test
