// Images, labels, frames, progress bars, buttons, check boxes and links: their
// layout, hit tests, stored texts, what they tell the window function and the
// sounds they make, driven through cGame's input calls.
#include <gtest/gtest.h>

#include <cmath>

#include "gui/ButtonCtrl.h"
#include "gui/CheckBoxCtrl.h"
#include "gui/FrameCtrl.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/LinkCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

using CtrlBasicTest = GuiFixture;

TEST_F(CtrlBasicTest, LabelLayoutFollowsTheAlignmentBitsAndLandsOnWholeUnits) {
    struct Case {
        int align;
        std::u16string text;
        cRectF rect;
        float x, y;
    };
    // Test font: 10 units per character, "i" 5; lines 20 high.
    const std::vector<Case> cases = {
        {kAlignLeft | kAlignBottom, u"abc", {100, 50, 200, 60}, 100, 50},
        {kAlignCenter | kAlignMiddle, u"abcd", {100, 50, 200, 60}, 180, 70},
        {kAlignCenter | kAlignRight, u"abcd", {100, 50, 200, 60}, 260, 50},  // Right wins
        {kAlignMiddle | kAlignTop, u"abcd", {100, 50, 200, 60}, 100, 90},    // Top wins
        {kAlignCenter, u"abi", {0, 0, 100, 40}, 37, 0},  // 37.5 → the unit to the left
        {kAlignNone, u"ab", {10.7f, 20.9f, 0, 0}, 10, 20},
        {kAlignCenter | kAlignMiddle, u"abc", {-100.5f, 0, 0, 0}, -115, -10},  // toward zero
    };
    cWindow* w = MakeWindow(u"w");
    for (const Case& c : cases) {
        auto* label = new cLabelCtrl(u"label", w);
        label->SetFont(u"test");
        label->SetAlign(c.align, 0);
        label->SetRect(c.rect.x, c.rect.y, c.rect.w, c.rect.h, 0);
        label->SetText(c.text);
        const cRectF t = label->GetTextRect();
        EXPECT_FLOAT_EQ(t.x, c.x) << "align " << c.align << " " << ToUtf8(c.text);
        EXPECT_FLOAT_EQ(t.y, c.y) << "align " << c.align << " " << ToUtf8(c.text);
        EXPECT_FLOAT_EQ(t.w, static_cast<float>(MeasureText(c.text, label->GetFont().get()).x));
    }
}

TEST_F(CtrlBasicTest, OnlyTheTextOfALabelIsHitAndItsFirstTextIsTheStoredOne) {
    cWindow* w = MakeWindow(u"w");
    auto* label = new cLabelCtrl(u"label", w);
    label->SetFont(u"test");
    label->SetRect(100, 100, 300, 40, 0);
    label->SetText(u"[Key]");
    label->SetText(u"Shown");  // 50 wide from x 100
    EXPECT_EQ(label->GetText(), u"[Key]");
    EXPECT_EQ(label->GetCaption(), u"Shown");
    EXPECT_TRUE(label->HitTest(120, 110));
    EXPECT_FALSE(label->HitTest(300, 110));  // inside the rectangle, beside the text
    EXPECT_FALSE(label->HitTest(100, 110));  // the edge itself is outside
}

TEST_F(CtrlBasicTest, ColoursFromScriptsAreOpaqueAndTruncatedPerChannel) {
    EXPECT_EQ(RgbToArgb(1.0f, 0.5f, 0.0f), 0xFFFF7F00u);
    EXPECT_EQ(RgbToArgb(2.0f, -1.0f, NAN), 0xFFFF0000u);
    cWindow* w = MakeWindow(u"w");
    auto* image = new cImageCtrl(u"i", w);
    image->SetColor(0.2f, 0.4f, 0.6f, 99);
    EXPECT_EQ(image->color, 0xFF336699u);
}

TEST_F(CtrlBasicTest, ProgressBarsCropTheirTextureToTheClampedProgress) {
    cWindow* w = MakeWindow(u"w");
    auto* bar = new cProgressBarSysCtrl(u"bar", w);
    bar->SetRect(10, 20, 200, 30, 0);
    bar->SetUVRect(0, 0.5f, 1, 0.25f, 0);  // stored; used from the next layout on
    struct Case {
        float set, shown;
    };
    for (const Case& c : {Case{0.25f, 0.25f}, Case{1.5f, 1.0f}, Case{-0.2f, 0.0f}}) {
        bar->SetProgress(c.set);
        EXPECT_FLOAT_EQ(bar->GetProgress(), c.shown);
        EXPECT_FLOAT_EQ(bar->bar->rect.w, 200 * c.shown);
        EXPECT_FLOAT_EQ(bar->bar->rect.h, 30);
        EXPECT_FLOAT_EQ(bar->bar->uvRect.w, c.shown);  // cropped, not squeezed
        EXPECT_FLOAT_EQ(bar->bar->uvRect.h, 0.25f);
    }
    bar->Offset(5, 5);
    EXPECT_FLOAT_EQ(bar->bar->rect.x, 15);
}

class ButtonTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        w = MakeWindow(u"w", {kWndCommand, kWndCheckBox});
        button = new cButtonSysCtrl(u"ok", w);
        button->SetFrame(100, 100, 100, 40, 8, 8, 0);
        button->SetFont(u"test");
        button->SetText(u"OK");
        TakeSounds();
    }
    cWindow* w = nullptr;
    cButtonSysCtrl* button = nullptr;
};

TEST_F(ButtonTest, ACompleteClickCommandsOnceWithSounds) {
    EXPECT_EQ(button->caption->GetTextRect().x, 140);  // centred in the background
    EXPECT_EQ(button->caption->GetTextRect().y, 110);
    Move(150, 120);
    EXPECT_EQ(button->state, kButtonHover);
    Press(150, 120);
    EXPECT_EQ(button->state, kButtonPressed);
    Release(150, 120);
    EXPECT_EQ(button->state, kButtonNormal);
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 48 0 0"}));
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"mouse_in", "click"}));
}

TEST_F(ButtonTest, PressedDraggedOffAndReleasedElsewhereCommandsNothing) {
    Move(150, 120);
    Press(150, 120);
    Move(400, 400);
    EXPECT_EQ(button->state, kButtonNormal);
    Release(400, 400);
    // Dragged in with the button already down: a release alone is no click.
    Press(400, 400);
    Move(150, 120);
    Release(150, 120);
    Tick();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(ButtonTest, AReleaseOverAnotherWindowIsNoClickThoughTheButtonNeverSawThePointerLeave) {
    cWindow* top = MakeWindow(u"top", {kWndCommand});
    new cImageCtrl(u"cover", top);
    top->controls.back()->SetRect(300, 300, 200, 200, 0);
    Move(150, 120);
    Press(150, 120);
    Move(400, 400);  // taken by the window on top: the button hears no leave
    EXPECT_EQ(button->state, kButtonPressed);
    Release(400, 400);
    Tick();
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(button->state, kButtonNormal);
}

TEST_F(ButtonTest, TheStateSelectsTheImageOneUvHeightDownUnlessSingleFrame) {
    cSpriteBatch* batch = GuiBatch();
    button->SetTexture(u"buttons", 0);
    button->background->texture = std::make_shared<cTexture>(u"buttons");
    button->SetUVFrame(0, 0.75f, 1, 0.25f, 0.1f, 0.1f, 0);
    auto lowestV = [&] {
        batch->Clear();
        button->Draw();
        // The first run is the background; the caption's glyphs follow in their own.
        const cBatchRun& run = batch->runs[0];
        float v = 10;
        for (int i = run.first; i < run.first + run.count; ++i)
            v = std::min(v, batch->vertices[i].v);
        return v;
    };
    EXPECT_FLOAT_EQ(lowestV(), 0.75f);
    button->state = kButtonPressed;
    EXPECT_FLOAT_EQ(lowestV(), 0.5f);
    button->state = kButtonHover;
    EXPECT_FLOAT_EQ(lowestV(), 0.25f);
    button->SetSingleFrame(true);
    EXPECT_FLOAT_EQ(lowestV(), 0.75f);
    batch->Clear();
}

TEST_F(CtrlBasicTest, ALinkCommandsOnEveryReleaseOverItAndNowhereElseAndLightsUpUnderThePointer) {
    cWindow* w = MakeWindow(u"w", {kWndCommand});
    auto* link = new cLinkSysCtrl(u"more", w);
    link->SetFont(u"test");
    link->SetRect(100, 100, 200, 20, 0);
    link->SetText(u"More");
    link->SetColor(0.0f, 0.0f, 1.0f, 0);
    link->SetColor(1.0f, 0.0f, 0.0f, 1);  // pointer-over only
    EXPECT_EQ(link->GetColor(), 0xFF0000FFu);
    TakeSounds();

    Move(110, 110);
    EXPECT_EQ(link->GetColor(), 0xFFFF0000u);
    Release(110, 110);  // the press began elsewhere: still a command
    Press(110, 110);
    Release(110, 110);
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 48 0 0", "w 48 0 0"}));
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"mouse_in", "click"}));
    Move(500, 500);
    EXPECT_EQ(link->GetColor(), 0xFF0000FFu);
    // The link keeps the focus from its press; a release far from it is no command.
    ASSERT_EQ(w->focused, link);
    Press(500, 500);
    Release(500, 500);
    Tick();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(CtrlBasicTest, ACheckBoxTogglesOnThePressAndIsHitOnItsBoxOrItsText) {
    cWindow* w = MakeWindow(u"w", {kWndCheckBox});
    auto* box = new cCheckBoxSysCtrl(u"sound", w);
    box->SetFont(u"test");
    box->SetRect(100, 100, 200, 30, 0);
    box->SetText(u"Sound");
    box->SetText(u"Sound");                 // a second layout keeps the same split
    EXPECT_FLOAT_EQ(box->GetRect().w, 30);  // the box is the left square
    EXPECT_FLOAT_EQ(box->caption->rect.x, 130);
    EXPECT_FLOAT_EQ(box->caption->rect.w, 170);
    EXPECT_TRUE(box->HitTest(115, 115));
    EXPECT_TRUE(box->HitTest(150, 115));   // on "Sound" (130..180)
    EXPECT_FALSE(box->HitTest(250, 115));  // beside the text
    TakeSounds();

    Move(150, 115);
    Press(150, 115);
    EXPECT_TRUE(box->IsChecked());  // before any release
    Release(150, 115);
    Press(115, 115);
    Release(115, 115);
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"w 49 1 0", "w 49 0 0"}));
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"mouse_in", "click", "click"}));
    EXPECT_TRUE(box->hover);
    Move(600, 600);
    EXPECT_FALSE(box->hover);
}

TEST_F(CtrlBasicTest, UnknownPropertiesAreIgnoredAndAPlainControlIsNeverHit) {
    cWindow* w = MakeWindow(u"w");
    auto* plain = new cCtrl(u"placeholder", w);
    plain->SetRect(0, 0, 1000, 1000, 0);
    plain->SetTexture(u"nothing", 0);
    plain->SetColor(1, 0, 0, 0);
    EXPECT_FALSE(plain->HitTest(10, 10));
    EXPECT_EQ(plain->GetClassName(), u"cCtrl");
    auto* frame = new cFrameCtrl(u"frame", w);
    frame->SetFrame(10, 10, 100, 50, 8, 6, 0);
    frame->SetText(u"[Ignored]");
    EXPECT_FLOAT_EQ(frame->border.x, 8);
    EXPECT_EQ(frame->GetText(), u"[Ignored]");  // kept for the locale pass all the same
    EXPECT_EQ(plain->GetIndex(), 0);
    EXPECT_EQ(frame->GetIndex(), 1);
}

}  // namespace
}  // namespace qor::test
