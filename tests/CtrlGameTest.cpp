// The game's controls: sprite-sheet animation, the editor palette, the
// line-fed text area, the pie sector, the medal cup and the upward bar.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Atlas.h"
#include "engine/TextureCache.h"
#include "gui/game/AnimationCtrl.h"
#include "gui/game/CupCtrl.h"
#include "gui/game/EditorToolbarCtrl.h"
#include "gui/game/ProgressVertCtrl.h"
#include "gui/game/SectorCtrl.h"
#include "gui/game/TextAreaCtrl.h"
#include "tests/GLTestContext.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

using CtrlGameTest = GuiFixture;

void ExpectRect(const cRectF& r, float x, float y, float w, float h, const std::string& what) {
    EXPECT_FLOAT_EQ(r.x, x) << what;
    EXPECT_FLOAT_EQ(r.y, y) << what;
    EXPECT_FLOAT_EQ(r.w, w) << what;
    EXPECT_FLOAT_EQ(r.h, h) << what;
}

TEST_F(CtrlGameTest, AnAnimationWalksItsSheetLeftToRightTopRowFirst) {
    cWindow* w = MakeWindow(u"w");
    auto* anim = new cAnimationCtrl(u"arrow", w);
    anim->SetUVRect(0.5f, 0.5f, 0.5f, 0.5f, 0);
    anim->SetTileset(4, 2, 10);  // 0.1 s per frame
    anim->OnEvent(kWndTick, 50, 0);
    ExpectRect(anim->uvRect, 0.5f, 0.5f, 0.5f, 0.5f, "kept until the first frame change");
    for (int i = 0; i < 5; ++i)
        anim->OnEvent(kWndTick, 100, 0);
    EXPECT_EQ(anim->player.frame, 5);
    ExpectRect(anim->uvRect, 0.25f, 0.0f, 0.25f, 0.5f, "frame 5: second cell of the lower row");
    ExpectRect(anim->CellUV(0), 0.0f, 0.5f, 0.25f, 0.5f, "frame 0: top-left cell");

    // A rate of 0 plays at 30 per second and loops 2 → 0.
    anim->SetTileset(3, 1, 0);
    EXPECT_FLOAT_EQ(anim->player.fps, 30);
    std::vector<int> frames;
    for (int i = 0; i < 3; ++i) {
        anim->OnEvent(kWndTick, 34, 0);
        frames.push_back(anim->player.frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 0}));

    anim->SetTileset(1, 1, 30);  // a single cell never moves
    anim->SetUVRect(0, 0, 1, 1, 0);
    for (int i = 0; i < 10; ++i)
        anim->OnEvent(kWndTick, 100, 0);
    ExpectRect(anim->uvRect, 0, 0, 1, 1, "1 × 1");
    anim->SetTileset(-4, 1 << 30, 5);  // absurd sheets are clamped
    EXPECT_EQ(anim->columns, 1);
    EXPECT_EQ(anim->rows, kMaxTilesetSide);
}

// A text area of 50 × 20 at (100, 200) in a font where "ab" measures 22 and
// "abcd" 46.
cTextAreaCtrl* SpacedTextArea(cWindow* w) {
    MakeTestFont(u"spaced", 2.0f);
    auto* area = new cTextAreaCtrl(u"text", w);
    area->SetFont(u"spaced");
    area->SetRect(100, 200, 50, 20, 0);
    return area;
}

TEST_F(CtrlGameTest, ATextAreaBreaksOnlyAtLineFeedsAndStacksLinesUpwards) {
    auto* area = SpacedTextArea(MakeWindow(u"w"));
    area->SetText(u"abcd abcd abcd");  // wider than the rectangle: not wrapped
    EXPECT_EQ(area->GetCaption(), u"abcd abcd abcd\n");
    ASSERT_EQ(area->lines.size(), 1u);
    EXPECT_FLOAT_EQ(area->linePositions[0].y, 200);

    struct Case {
        int align;
        float firstX, secondX;
    };
    // Widest 46; offsets use the width less one spacing: (46 − 44) / 2 and 46 − 20.
    for (const Case& c : {Case{0, 100, 100}, Case{kAlignCenter, 101, 113},
                          Case{kAlignCenter | kAlignRight, 102, 126}}) {
        area->SetAlign(c.align, 0);
        area->SetText(u"abcd\nab");
        ASSERT_EQ(area->lines.size(), 2u);
        EXPECT_FLOAT_EQ(area->linePositions[0].x, c.firstX) << c.align;
        EXPECT_FLOAT_EQ(area->linePositions[1].x, c.secondX) << c.align;
        EXPECT_FLOAT_EQ(area->linePositions[0].y, 220);  // one cell above the last line
        EXPECT_FLOAT_EQ(area->linePositions[1].y, 200);
    }
    ExpectRect(area->GetTextRect(), 100, 200, 46, 40, "text rectangle");
    area->Offset(-10, 5);
    EXPECT_FLOAT_EQ(area->linePositions[1].x, 116);
    EXPECT_FLOAT_EQ(area->GetTextRect().y, 205);
}

TEST_F(CtrlGameTest, AnEmptiedTextAreaDrawsNothing) {
    cWindow* w = MakeWindow(u"w");
    auto* area = new cTextAreaCtrl(u"story", w);
    area->SetFont(u"test");
    area->SetRect(100, 200, 50, 20, 0);
    area->SetText(u"ab\ncd");
    ASSERT_EQ(area->lines.size(), 2u);
    area->SetText(u"");
    EXPECT_TRUE(area->lines.empty());
    ExpectRect(area->GetTextRect(), 100, 200, 0, 0, "empty text rectangle");
    cSpriteBatch* batch = GuiBatch();
    batch->Clear();
    area->Draw();
    EXPECT_EQ(batch->VertexEnd(), 0);
}

// The hints' texts colour a price the player cannot pay and keep the goods'
// icons white: the codes colour the lines and take no room in them.
TEST_F(CtrlGameTest, ATextAreaDrawsColourCodesAsColoursThatTakeNoRoom) {
    auto* area = SpacedTextArea(MakeWindow(u"w"));
    area->SetAlign(kAlignCenter, 0);
    area->SetColor(0.0f, 0.0f, 1.0f, 0);
    area->SetText(u"^FF0000FFab^^cd\nab");
    ExpectRect(area->GetTextRect(), 100, 200, 46, 40, "as without the codes");
    EXPECT_FLOAT_EQ(area->linePositions[1].x, 113);

    cSpriteBatch* batch = GuiBatch();
    batch->Clear();
    area->Draw();
    auto colourOf = [&](int character) { return batch->vertices[character * 6].color; };
    EXPECT_EQ(colourOf(9), 0xFFFF0000u) << "a, in red";
    EXPECT_EQ(colourOf(13), 0xFF0000FFu) << "c, in the area's own colour";
    EXPECT_EQ(colourOf(0), 0u) << "the code itself draws nothing";
}

TEST_F(CtrlGameTest, AnUpwardBarShowsTheLowestPartOfItsImage) {
    cWindow* w = MakeWindow(u"w");
    auto* bar = new cProgressVertCtrl(u"mana", w);
    bar->SetRect(10, 20, 30, 200, 0);
    bar->SetUVRect(0.5f, 0.0f, 0.5f, 1.0f, 0);
    bar->SetProgress(0.25f);
    ExpectRect(bar->bar->rect, 10, 20, 30, 50, "bar");
    ExpectRect(bar->bar->uvRect, 0.5f, 0.0f, 0.5f, 0.25f, "uv");
    EXPECT_EQ(bar->GetClassName(), u"cProgressBarSysCtrl");
}

TEST_F(CtrlGameTest, ASectorEndsAtTwelveOClockAndReachesClockwise) {
    cWindow* w = MakeWindow(u"w");
    auto* sector = new cSectorCtrl(u"timer", w);
    EXPECT_EQ(sector->GetClassName(), u"cImageCtrl");
    sector->SetRect(100, 100, 80, 60, 0);  // radius 30 about (140, 130)
    sector->texture = std::make_shared<cTexture>(u"pie");
    sector->SetValue(0.25f);
    cSpriteBatch* batch = GuiBatch();
    batch->Clear();
    sector->Draw();
    ASSERT_EQ(batch->VertexEnd(), 16 * 3);  // at least 16 segments
    bool reachesTop = false, reachesRight = false;
    for (int i = 0; i < batch->VertexEnd(); ++i) {
        const cVertex& v = batch->vertices[i];
        EXPECT_GE(v.x, 140 - 0.01f);  // a quarter turn clockwise from the top: the upper right
        EXPECT_GE(v.y, 130 - 0.01f);
        reachesTop |= std::fabs(v.x - 140) < 0.01f && std::fabs(v.y - 160) < 0.01f;
        reachesRight |= std::fabs(v.x - 170) < 0.01f && std::fabs(v.y - 130) < 0.01f;
    }
    EXPECT_TRUE(reachesTop);
    EXPECT_TRUE(reachesRight);
    batch->Clear();
    sector->SetValue(1.0f);
    sector->Draw();
    EXPECT_EQ(batch->VertexEnd(), 64 * 3);
    batch->Clear();
}

class GameSpriteTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        AddTexture(u"gui_main1", MakeSolidImage(kImageRGBA32, 64, 64, 0xFFFFFFFF));
        cTextureInfoRef atlas = CreateTextureInfo(u"gui_main1");
        atlas->nodes.clear();
        AddNode(atlas.get(), u"gold", {0, 0.5f, 0.5f, 0.5f}, 1, 1, 30);
        AddNode(atlas.get(), u"silver", {0.5f, 0.5f, 0.5f, 0.25f}, 1, 1, 30);  // 32 × 16
        AddTexture(u"editor_objects", MakeSolidImage(kImageRGBA32, 64, 64, 0xFFFFFFFF));
        cTextureInfoExRef tiles = CreateTextureInfoEx(u"tiles");
        SetExFrames(tiles.get(), u"editor_objects",
                    {{0, 0, 0, 0, 0.5f, 0.5f, 32, 32}, {0, 0, 0.5f, 0, 0.5f, 0.5f, 32, 32}}, 10);
    }
    void TearDown() override {
        ClearAtlasCaches();
        GuiFixture::TearDown();
    }
};

TEST_F(GameSpriteTest, ACupPopsInAtTwiceItsSizeAndSettlesOpaqueInSevenTenthsOfASecond) {
    cWindow* w = MakeWindow(u"finish");
    auto* cup = new cCupCtrl(u"cup", w);
    cup->SetRect(100, 100, 100, 100, 0);  // centre (150, 150)
    EXPECT_FALSE(cup->HasFlag(kCtrlVisible));
    cRectF where;
    float alpha = 0;
    cup->ShowCup(kMedalSilver);
    ASSERT_TRUE(cup->DrawnQuad(&where, &alpha));
    ExpectRect(where, 118, 134, 64, 32, "right after ShowCup");
    EXPECT_FLOAT_EQ(alpha, 0);
    Tick(25);  // the window ticks it: more than 0.7 s
    ASSERT_TRUE(cup->DrawnQuad(&where, &alpha));
    ExpectRect(where, 134, 142, 32, 16, "settled");
    EXPECT_FLOAT_EQ(alpha, 1);
    EXPECT_FLOAT_EQ(cup->pop, 0);

    cup->ShowCup(kMedalBronze);  // no such sprite: nothing drawn
    EXPECT_FALSE(cup->DrawnQuad(&where, &alpha));
    cup->ShowCup(7);
    EXPECT_FALSE(cup->DrawnQuad(&where, &alpha));
    cup->ResetCup();
    EXPECT_FALSE(cup->HasFlag(kCtrlVisible));
    EXPECT_EQ(cup->medal, kMedalGold);
}

TEST_F(GameSpriteTest, APaletteShowsOneRowOfSquareCellsAndReportsPicks) {
    std::vector<std::string> picks;
    SetEditorCommandHandler([&](int type, const std::u16string& name, int cell) {
        picks.push_back(std::to_string(type) + " " + ToUtf8(name) + " " + std::to_string(cell));
        return true;
    });
    cWindow* w = MakeWindow(u"editor");
    auto* palette = new cEditorToolbarCtrl(u"palette", w);
    palette->SetRect(0, 700, 320, 32, 0);
    for (int i = 0; i < 12; ++i) {
        palette->AddAreaItem(u"tiles", i % 2, 100 + i, u"obj" + Widen(std::to_string(i)));
    }
    palette->AddAreaItem(u"nothing", 0, 1, u"x");  // lookup fails: no cell
    palette->AddAreaItem(u"tiles", 5, 1, u"x");    // no such frame: no cell
    palette->AddSpriteItem(u"", u"tiles", 7, u"first");
    EXPECT_EQ(palette->GetCount(), 13);
    EXPECT_EQ(palette->GetVisibleCount(), 10);
    for (int i = 0; i < 10; ++i) {
        ExpectRect(palette->ItemAt(i)->GetRect(), 32.0f * i, 700, 32, 32,
                   "cell " + std::to_string(i));
    }
    auto* second = static_cast<cEditorToolbarItemCtrl*>(palette->ItemAt(1));
    ExpectRect(second->uvRect, 0.5f, 0, 0.5f, 0.5f, "frame 1 of the area");
    EXPECT_EQ(second->GetClassName(), u"cEditorToolbarItemCtrl");

    EXPECT_EQ(Click(80, 716), 1);  // cell 2
    EXPECT_EQ(picks, (std::vector<std::string>{"102 obj2 2"}));
    SetEditorCommandHandler(nullptr);  // no scene widget: still consumed
    EXPECT_EQ(Click(16, 716), 1);
    EXPECT_EQ(picks.size(), 1u);

    second->Enable(false);
    EXPECT_EQ(second->StateColor(), 0xFFFFC0C0u);
    second->Enable(true);
    second->Select(true);
    EXPECT_EQ(second->StateColor(), 0xFFC0C0FFu);
}

}  // namespace
}  // namespace qor::test
