// Sliders, edit fields, word-wrapped text boxes, lists and toolbars: value and
// layout rules, what reaches the window function (and when), and the sounds.
#include <gtest/gtest.h>

#include "engine/StringTable.h"
#include "gui/EditCtrl.h"
#include "gui/ImageListCtrl.h"
#include "gui/ListSysCtrl.h"
#include "gui/SliderCtrl.h"
#include "gui/TextBoxCtrl.h"
#include "tests/GuiTestKit.h"

namespace qor::test {
namespace {

class SliderTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        w = MakeWindow(u"options", {kWndSlider});
        slider = new cSliderSysCtrl(u"volume", w);
        slider->SetFrame(100, 100, 200, 20, 4, 4, 0);  // the track
        slider->SetRect(0, 0, 20, 20, 0);              // the thumb's size
        TakeSounds();
    }
    cWindow* w = nullptr;
    cSliderSysCtrl* slider = nullptr;
};

TEST_F(SliderTest, TheThumbSitsOnTheTrackByValueWithinTheTrackEnds) {
    struct Case {
        float min, max, value;
        float thumbX;
        float shown;
    };
    const std::vector<Case> cases = {
        {0, 100, 50, 190, 50},    // 100 + 0.5 × 200 − 10
        {0, 100, 0, 100, 0},      // clamped to the track start
        {0, 100, 100, 280, 100},  // clamped to the track end less the thumb
        {0, 100, 250, 280, 100},  // the value itself is clamped
        {10, 5, 50, 100, 10},     // min > max: the range is 10..10
        {7, 7, 7, 100, 7},        // min = max: the track start
    };
    for (const Case& c : cases) {
        slider->SetMinMax(c.min, c.max);
        slider->SetValue(c.value);
        EXPECT_FLOAT_EQ(slider->GetValue(), c.shown) << c.min << ".." << c.max;
        EXPECT_FLOAT_EQ(slider->GetThumbRect().x, c.thumbX) << c.min << ".." << c.max;
        EXPECT_FLOAT_EQ(slider->GetThumbRect().y, 100);
        EXPECT_LE(slider->GetMin(), slider->GetMax());
    }
    slider->SetVertical(true);
    slider->SetFrame(100, 100, 20, 200, 4, 4, 0);
    slider->SetMinMax(0, 100);
    slider->SetValue(25);
    EXPECT_FLOAT_EQ(slider->GetThumbRect().y, 140);  // 100 + 0.25 × 200 − 10
    EXPECT_FLOAT_EQ(slider->GetThumbRect().x, 100);
}

TEST_F(SliderTest, TheFocusingPressDoesNotMoveItAndTheDragFollowsThePointerOffTheSlider) {
    Move(190, 110);  // on the thumb
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"mouse_in"}));
    Press(190, 110);
    EXPECT_FLOAT_EQ(slider->GetValue(), 50);
    Move(150, 110);
    EXPECT_FLOAT_EQ(slider->GetValue(), 25);
    Move(600, 400);  // off the slider: still dragged, clamped
    EXPECT_FLOAT_EQ(slider->GetValue(), 100);
    EXPECT_TRUE(events.empty());  // reported one tick later
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"options 51 25 0", "options 51 100 0"}));
    Release(600, 400);
    Move(120, 110);
    EXPECT_FLOAT_EQ(slider->GetValue(), 100);
    Tick();
    EXPECT_TRUE(TakeEvents().empty());
}

class EditTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        w = MakeWindow(u"profile",
                       {kWndEditEnter, kWndEditChanged, kWndEditFocusLost, kWndCommand});
        edit = new cEditSysCtrl(u"name", w);
        edit->SetFrame(100, 100, 200, 40, 5, 5, 0);
        edit->SetFont(u"test");
        other = new cEditSysCtrl(u"other", w);
        other->SetFrame(100, 300, 200, 40, 5, 5, 0);
        Click(150, 120);  // focus
        TakeSounds();
    }
    std::u16string Type(std::u16string_view text) {
        for (char16_t c : text)
            game->OnChar(c);
        return edit->GetEditText();
    }
    cWindow* w = nullptr;
    cEditSysCtrl* edit = nullptr;
    cEditSysCtrl* other = nullptr;
};

TEST_F(EditTest, TypingAppendsUpToTheMaximumAndEveryKeptOrRefusedCharacterTypes) {
    edit->SetMaxLength(3);
    EXPECT_EQ(Type(u"abcd"), u"abc");
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>(4, "typing")));
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>(3, "profile 50 0 0")));

    edit->SetMaxLength(10);
    // The font can show them; the field refuses them all the same, audibly.
    FindFont(u"test")->SetGlyph(168, cGlyph{10, 0, 0, 0, 0, 0, 10});
    FindFont(u"test")->SetGlyph(184, cGlyph{10, 0, 0, 0, 0, 0, 10});
    EXPECT_EQ(Type(u"`~"), u"abc");
    game->OnChar(168);
    game->OnChar(184);
    EXPECT_EQ(TakeSounds().size(), 4u);
    // No glyph in the font: not consumed, nothing typed, no sound.
    EXPECT_EQ(game->OnChar(0x4E00), 0);
    EXPECT_EQ(game->OnChar(9), 0);
    EXPECT_TRUE(TakeSounds().empty());
    EXPECT_EQ(edit->GetEditText(), u"abc");
    Tick();
    EXPECT_TRUE(TakeEvents().empty());
}

TEST_F(EditTest, BackspaceEnterAndTheLossOfTheFocusAreReportedNextTick) {
    Type(u"ab");
    TakeEvents();
    Tick();
    TakeEvents();
    game->OnKeyDown(8);
    game->OnKeyDown(8);
    game->OnKeyDown(8);  // empty: nothing
    EXPECT_EQ(game->OnKeyDown(13), 1);
    EXPECT_EQ(game->OnKeyDown(65), 1);  // every key down is the edit's
    EXPECT_EQ(edit->GetEditText(), u"");
    Click(150, 320);  // the other field takes the focus
    EXPECT_EQ(w->focused, other);
    Tick();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"profile 50 0 0", "profile 50 0 0",
                                                      "profile 35 0 0", "profile 52 0 0"}));
}

TEST_F(EditTest, TheStoredTextStaysEmptySoLocaleChangesNeverRewriteTheField) {
    edit->SetText(u"[Name]");
    EXPECT_EQ(edit->GetText(), u"");
    SetLocalizedText(u"[Name]", u"Translated");
    gui->LocaleChanged();
    EXPECT_EQ(edit->GetEditText(), u"[Name]");
    // The caption sits inside the frame border.
    EXPECT_FLOAT_EQ(edit->caption->rect.x, 105);
    EXPECT_FLOAT_EQ(edit->caption->rect.h, 30);
}

// Text box layouts with the test font (10 per character, space 10, lines 20).
struct WrapCase {
    std::u16string text;
    cRectF rect;
    int align;
    std::vector<std::u16string> lines;
    std::vector<cVec2> origins;
};

class TextBoxTest : public GuiFixture {};

TEST_F(TextBoxTest, WordsWrapInsideTheRectangleAndColourCodesTakeNoRoom) {
    const std::vector<WrapCase> cases = {
        // One line high: the second word does not fit and is dropped.
        {u"hello world", {0, 0, 100, 20}, 0, {u"hello"}, {{0, 0}}},
        // 40 + 10 + 40 < 100: a colour code before the first word takes no room.
        {u"^FF0000FFabcd efgh", {0, 0, 100, 20}, 0, {u"^FF0000FFabcd efgh"}, {{0, 0}}},
        {u"ab^^cd efgh", {0, 0, 100, 20}, 0, {u"ab^^cd efgh"}, {{0, 0}}},
        // Line feeds, last line at the bottom.
        {u"ab cd\nef", {10, 100, 100, 60}, 0, {u"ab cd", u"ef"}, {{10, 120}, {10, 100}}},
        {u"ab cd\nef",
         {10, 100, 100, 60},
         kAlignTop | kAlignMiddle,
         {u"ab cd", u"ef"},
         {{10, 140}, {10, 120}}},
        {u"ab cd\nef",
         {10, 100, 100, 60},
         kAlignMiddle | kAlignCenter,
         {u"ab cd", u"ef"},
         {{35, 130}, {50, 110}}},
        {u"ab cd\nef",
         {10, 100, 100, 60},
         kAlignRight | kAlignCenter,
         {u"ab cd", u"ef"},
         {{60, 120}, {90, 120 - 20}}},
        // Three lines of room: the rest of the text is dropped.
        {u"aa bb cc dd ee ff gg",
         {0, 0, 55, 60},
         0,
         {u"aa bb", u"cc dd", u"ee ff"},
         {{0, 40}, {0, 20}, {0, 0}}},
        // A word wider than the box takes a line of its own, with no blank line before.
        {u"abcdefghijkl xy", {0, 0, 100, 40}, 0, {u"abcdefghijkl", u"xy"}, {{0, 20}, {0, 0}}},
        // Rounded line capacity: 30 / 20 rounds to 2 lines.
        {u"a\nb\nc", {0, 0, 100, 30}, 0, {u"a", u"b"}, {{0, 20}, {0, 0}}},
    };
    cWindow* w = MakeWindow(u"w");
    for (const WrapCase& c : cases) {
        auto* box = new cTextBoxSysCtrl(u"text", w);
        box->SetFont(u"test");
        box->SetAlign(c.align, 0);
        box->SetRect(c.rect.x, c.rect.y, c.rect.w, c.rect.h, 0);
        box->SetText(c.text);
        EXPECT_EQ(box->lines, c.lines) << ToUtf8(c.text);
        ASSERT_EQ(box->lineRects.size(), c.origins.size()) << ToUtf8(c.text);
        for (size_t k = 0; k < c.origins.size(); ++k) {
            EXPECT_FLOAT_EQ(box->lineRects[k].x, c.origins[k].x) << ToUtf8(c.text) << " " << k;
            EXPECT_FLOAT_EQ(box->lineRects[k].y, c.origins[k].y) << ToUtf8(c.text) << " " << k;
        }
        EXPECT_EQ(box->lineFlags, std::vector<int>(c.lines.size(), 0));
    }
}

TEST_F(TextBoxTest, LineWidthsMatchTheMeasuredTextWithCharacterSpacing) {
    const cFont* font = MakeTestFont(u"spaced", 2.0f);
    cWindow* w = MakeWindow(u"w");
    auto* box = new cTextBoxSysCtrl(u"text", w);
    box->SetFont(u"spaced");
    box->SetRect(0, 0, 300, 100, 0);
    box->SetText(u"ab cd efg\nWi");
    ASSERT_EQ(box->lines.size(), 2u);
    for (size_t k = 0; k < box->lines.size(); ++k) {
        EXPECT_FLOAT_EQ(box->lineRects[k].w, MeasureText(box->lines[k], font).x) << k;
    }
    EXPECT_FLOAT_EQ(box->blockRect.h, 40);
    box->SetLineFlag(1, 1);
    box->SetLineFlag(7, 1);  // ignored
    box->SetLineFlag(-1, 1);
    EXPECT_EQ(box->lineFlags, (std::vector<int>{0, 1}));
    EXPECT_FLOAT_EQ(box->GetLineRect(1).w, MeasureText(u"Wi", font).x);
    EXPECT_FLOAT_EQ(box->GetLineRect(5).w, 0);
    box->Offset(5, 7);
    EXPECT_FLOAT_EQ(box->lineRects[1].x, 5);
    EXPECT_FLOAT_EQ(box->blockRect.y, 7);
}

class ListTest : public GuiFixture {
  protected:
    void SetUp() override {
        GuiFixture::SetUp();
        w = MakeWindow(u"profiles", {kWndListSelection});
        list = new cListSysCtrl(u"list", w);
        list->SetFont(u"test");
        list->SetRect(100, 100, 200, 100, 0);
        list->SetRect(0, 0, 200, 25, kListItemSizeFlag);  // 4 rows shown
        for (int i = 0; i < 6; ++i)
            list->AddItem(-1, u"Item" + Widen(std::to_string(i)), i * 10);
    }
    // The middle of row `k` of the shown rows, on its text.
    int RowY(int k) const { return 100 + 100 - 25 * k - 12; }
    cWindow* w = nullptr;
    cListSysCtrl* list = nullptr;
};

TEST_F(ListTest, RowsArePlacedFromTheTopAndOnlyTheShownOnesCount) {
    EXPECT_EQ(list->GetVisibleCount(), 4);
    EXPECT_FLOAT_EQ(list->ItemAt(0)->GetRect().y, 175);
    EXPECT_FLOAT_EQ(list->ItemAt(3)->GetRect().y, 100);
    EXPECT_FLOAT_EQ(list->ItemAt(3)->GetRect().w, 200);
    EXPECT_TRUE(list->IsItemVisible(3));
    EXPECT_FALSE(list->IsItemVisible(4));
    // Bad indexes read as nothing.
    EXPECT_EQ(list->GetItemData(9), 0);
    EXPECT_EQ(list->GetItemData(2), 20);
    EXPECT_EQ(list->GetItemText(-1), u"");
    EXPECT_EQ(list->GetItemText(5), u"Item5");
    EXPECT_FALSE(list->IsSelected(17));
    EXPECT_TRUE(list->IsItemDisabled(17));
    EXPECT_FALSE(list->IsItemEnabled(17));
    EXPECT_EQ(list->FindSelected(0), 6);
    list->RemoveItem(42);
    EXPECT_EQ(list->GetCount(), 6);
}

TEST_F(ListTest, EnsureVisibleScrollsJustEnough) {
    struct Case {
        int first, ensure, expectFirst;
    };
    for (const Case& c : {Case{0, 5, 2}, Case{2, 0, 0}, Case{1, 3, 1}, Case{0, 99, 0}}) {
        list->SetFirstVisible(c.first);
        list->EnsureVisible(c.ensure);
        EXPECT_EQ(list->GetFirstVisible(), c.expectFirst) << c.first << " " << c.ensure;
    }
    list->SetFirstVisible(2);
    EXPECT_FLOAT_EQ(list->ItemAt(5)->GetRect().y, 100);  // the last shown row
    list->SetFirstVisible(6);                            // not an item: ignored
    EXPECT_EQ(list->GetFirstVisible(), 2);
}

TEST_F(ListTest, SingleSelectReportsTheOldAndTheNewItemAtOnceAndKeepsASelectedItem) {
    list->SetSelected(0, true, false);
    TakeEvents();
    Click(110, RowY(2));
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"profiles 53 0 0", "profiles 53 2 0"}));  // no tick
    Click(110, RowY(2));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_EQ(list->FindSelected(0), 2);
    EXPECT_EQ(list->FindSelected(3), 6);
    // Beside the row's text nothing is hit.
    Click(290, RowY(1));
    EXPECT_TRUE(TakeEvents().empty());
    // A disabled row cannot be chosen.
    list->EnableItem(1, false);
    Click(110, RowY(1));
    EXPECT_TRUE(TakeEvents().empty());
    EXPECT_TRUE(list->IsSelected(2));
}

TEST_F(ListTest, MultiselectTogglesAndTheRowUnderThePointerTakesTheHoverColour) {
    list->SetMultiselect(true);
    list->SetColor(1, 0, 0, 0);                     // pointer-over
    list->SetColor(0, 0, 1, kListNormalColorFlag);  // normal, for rows made from now on
    list->ApplyStyle();
    Click(110, RowY(0));
    Click(110, RowY(1));
    Click(110, RowY(0));
    EXPECT_EQ(TakeEvents(),
              (std::vector<std::string>{"profiles 53 0 0", "profiles 53 1 0", "profiles 53 0 0"}));
    EXPECT_FALSE(list->IsSelected(0));
    EXPECT_TRUE(list->IsSelected(1));
    auto* row0 = static_cast<cLabelCtrl*>(list->ItemAt(0));
    auto* row1 = static_cast<cLabelCtrl*>(list->ItemAt(1));
    EXPECT_EQ(row0->GetColor(), 0xFFFF0000u);
    EXPECT_EQ(row1->GetColor(), 0xFF0000FFu);
    Move(700, 700);  // off the list
    EXPECT_EQ(row0->GetColor(), 0xFF0000FFu);
    EXPECT_EQ(list->hot, -1);
}

TEST_F(ListTest, RemovingOrClearingKeepsTheFirstShownRowAndTheHoverAmongTheItems) {
    list->SetFirstVisible(5);
    list->RemoveItem(5);
    EXPECT_EQ(list->GetFirstVisible(), 4);
    EXPECT_TRUE(list->IsItemVisible(4));
    EXPECT_FLOAT_EQ(list->ItemAt(4)->GetRect().y, 175);  // on the top row
    list->Clear();
    EXPECT_EQ(list->GetFirstVisible(), 0);
    list->AddItem(-1, u"New", 0);
    EXPECT_TRUE(list->IsItemVisible(0));
    EXPECT_FLOAT_EQ(list->ItemAt(0)->GetRect().y, 175);

    // The row under the pointer does not stay lit when another row goes.
    list->SetColor(1, 0, 0, 0);
    list->SetColor(0, 0, 1, kListNormalColorFlag);
    list->ApplyStyle();
    list->AddItem(-1, u"Other", 0);
    auto* row0 = static_cast<cLabelCtrl*>(list->ItemAt(0));
    Move(110, RowY(0));
    EXPECT_EQ(row0->GetColor(), 0xFFFF0000u);
    list->RemoveItem(1);
    EXPECT_EQ(list->hot, -1);
    Move(700, 700);
    EXPECT_EQ(row0->GetColor(), 0xFF0000FFu);
}

TEST_F(GuiFixture, AToolbarReportsPressesOfEnabledCellsAndFillsItsGridRowByRow) {
    cWindow* w = MakeWindow(u"hud", {kWndListSelection});
    auto* bar = new cToolbarSysCtrl(u"tools", w);
    bar->SetRect(0, 0, 50, 50, kListItemSizeFlag);
    bar->SetRect(100, 100, 160, 100, 0);  // 3 columns × 2 rows
    for (int i = 0; i < 7; ++i)
        bar->AddImageItem(-1, u"", {0, 0, 1, 1}, i);
    EXPECT_EQ(bar->GetVisibleCount(), 6);
    const std::vector<cVec2> cells = {{100, 150}, {150, 150}, {200, 150},
                                      {100, 100}, {150, 100}, {200, 100}};
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_FLOAT_EQ(bar->ItemAt(static_cast<int>(i))->GetRect().x, cells[i].x) << i;
        EXPECT_FLOAT_EQ(bar->ItemAt(static_cast<int>(i))->GetRect().y, cells[i].y) << i;
    }
    bar->EnableItem(4, false);
    EXPECT_EQ(Click(175, 175), 1);
    EXPECT_EQ(Click(175, 125), 1);  // disabled: nothing, but the press is taken
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"hud 53 1 0"}));
    EXPECT_EQ(bar->FindSelected(0), bar->GetCount());  // no selection

    // Cells that move under a still pointer light up without a pointer move.
    PlacePointer(125, 175);
    bar->SetFirstVisible(1);
    EXPECT_EQ(bar->hot, 1);  // item 1 now sits in the first cell
}

}  // namespace
}  // namespace qor::test
