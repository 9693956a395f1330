// One window holding one of every control, built by a window script, drawn
// headless through the real GUI path (projection, batches, pointer) and
// compared with a golden image. Textures are painted here in code and the font
// is rasterised at run time from DejaVu Sans with FreeType.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "app/Game.h"
#include "engine/Atlas.h"
#include "engine/Font.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/StringTable.h"
#include "engine/TextureCache.h"
#include "gui/BaseWF.h"
#include "gui/CheckBoxCtrl.h"
#include "gui/EditCtrl.h"
#include "gui/GUI.h"
#include "gui/GuiScriptFunctions.h"
#include "gui/ImageCtrl.h"
#include "gui/ImageListCtrl.h"
#include "gui/ListSysCtrl.h"
#include "gui/ProgressBarCtrl.h"
#include "gui/SliderCtrl.h"
#include "gui/TextBoxCtrl.h"
#include "gui/Window.h"
#include "gui/WindowScript.h"
#include "gui/game/AnimationCtrl.h"
#include "gui/game/CupCtrl.h"
#include "gui/game/EditorToolbarCtrl.h"
#include "gui/game/GameControlScriptFunctions.h"
#include "gui/game/SectorCtrl.h"
#include "tests/GLTestContext.h"
#include "tests/GoldenImage.h"
#include "tests/TestFont.h"
#include "tests/LeakCheck.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

constexpr int kPixelSize = 17;

// ---- painted textures ----

struct cRgb {
    float r, g, b;
};

uint32_t Pack(cRgb c, float a) {
    auto ch = [](float v) {
        return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
    };
    return (ch(a) << 24) | (ch(c.r) << 16) | (ch(c.g) << 8) | ch(c.b);
}

cRgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f};
}

cRgb Mix(cRgb a, cRgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Signed distance to a rounded rectangle (negative inside).
float RoundRectDistance(float x, float y, float w, float h, float r) {
    const float qx = std::fabs(x - w / 2) - (w / 2 - r);
    const float qy = std::fabs(y - h / 2) - (h / 2 - r);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - r;
}

float Coverage(float distance) {
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

// A rounded panel with an edge of `edge` pixels, in a cell of the image.
uint32_t PanelPixel(float x, float y, float w, float h, float r, float edge, cRgb fill, cRgb rim) {
    const float d = RoundRectDistance(x, y, w, h, r);
    const float inner = Coverage(d + edge);
    return Pack(Mix(rim, fill, inner), Coverage(d));
}

uint32_t DiscPixel(float x, float y, float cx, float cy, float radius, cRgb fill, cRgb rim) {
    const float d = std::hypot(x - cx, y - cy) - radius;
    return Pack(Mix(rim, fill, Coverage(d + 2.5f)), Coverage(d));
}

void Paint(const std::u16string& name, uint32_t w, uint32_t h,
           const std::function<uint32_t(float x, float y)>& pixel) {
    AddTexture(name, MakeImage(kImageRGBA32, w, h, [&](uint32_t x, uint32_t y) {
                   return pixel(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
               }));
}

void PaintTextures() {
    const cRgb cream = Hex(0xF4E9CF), brown = Hex(0x7A5A34), ink = Hex(0x3B2F25);
    Paint(u"panel", 64, 64,
          [&](float x, float y) { return PanelPixel(x, y, 64, 64, 14, 3, cream, brown); });
    // Normal, pressed and pointer-over, top to bottom.
    const cRgb faces[3] = {Hex(0x4E9F5D), Hex(0x37794A), Hex(0x6BC07C)};
    Paint(u"button", 64, 96, [&](float x, float y) {
        const int state = static_cast<int>(y / 32);
        return PanelPixel(x, y - 32.0f * state, 64, 32, 10, 2, faces[state], Hex(0x245233));
    });
    // Columns normal and pointer-over, rows unchecked and checked.
    Paint(u"check", 64, 64, [&](float x, float y) {
        const bool hover = x >= 32, checked = y >= 32;
        const float cx = std::fmod(x, 32.0f), cy = std::fmod(y, 32.0f);
        uint32_t c = PanelPixel(cx, cy, 32, 32, 6, 2, hover ? Hex(0xFFF6DC) : Hex(0xFFFFFF), brown);
        // A tick: two strokes.
        auto stroke = [](float px, float py, float ax, float ay, float bx, float by) {
            const float t = std::clamp(((px - ax) * (bx - ax) + (py - ay) * (by - ay)) /
                                           ((bx - ax) * (bx - ax) + (by - ay) * (by - ay)),
                                       0.0f, 1.0f);
            return std::hypot(px - ax - t * (bx - ax), py - ay - t * (by - ay)) - 2.2f;
        };
        if (checked) {
            const float d = std::min(stroke(cx, cy, 8, 16, 14, 23), stroke(cx, cy, 14, 23, 25, 9));
            if (Coverage(d) > 0 && (c >> 24) != 0)
                c = Pack(Mix(Hex(c & 0xFFFFFF), Hex(0x2F7D3E), Coverage(d)), 1);
        }
        return c;
    });
    Paint(u"track", 64, 16,
          [&](float x, float y) { return PanelPixel(x, y, 64, 16, 8, 2, Hex(0xD9C7A3), brown); });
    Paint(u"thumb", 64, 32, [&](float x, float y) {
        const bool hover = x >= 32;
        return DiscPixel(std::fmod(x, 32.0f), y, 16, 16, 14, hover ? Hex(0xFFC94A) : Hex(0xE8962E),
                         Hex(0x8A4E12));
    });
    Paint(u"bar", 64, 16, [&](float x, float y) {
        return PanelPixel(x, y, 64, 16, 1, 1, Mix(Hex(0x3D7FD9), Hex(0x37C2B0), x / 64),
                          Hex(0x1D4F8A));
    });
    const cRgb sheetColours[8] = {Hex(0xE85D5D), Hex(0xE8A25D), Hex(0xE8DB5D), Hex(0x8FE85D),
                                  Hex(0x5DE8B5), Hex(0x5DAEE8), Hex(0x7B5DE8), Hex(0xD65DE8)};
    Paint(u"sheet", 128, 64, [&](float x, float y) {
        const int cellIndex = static_cast<int>(y / 32) * 4 + static_cast<int>(x / 32);
        return DiscPixel(std::fmod(x, 32.0f), std::fmod(y, 32.0f), 16, 16, 13,
                         sheetColours[cellIndex], ink);
    });
    Paint(u"pie", 64, 64, [&](float x, float y) {
        const float d = std::hypot(x - 32, y - 32) / 32;
        return Pack(Mix(Hex(0xFFD27A), Hex(0xE0702A), d), 1);
    });
    Paint(u"gui_main1", 64, 64, [&](float x, float y) {
        return DiscPixel(x, y, 32, 32, 29, Hex(0xF2C230), Hex(0x9C6F0B));
    });
    AddNode(CreateTextureInfo(u"gui_main1").get(), u"gold", {0, 0, 1, 1}, 1, 1, 30);
    Paint(u"editor", 32, 32, [&](float x, float y) {
        return PanelPixel(x, y, 32, 32, 5, 2, Hex(0xE9E2D3), Hex(0x8C8273));
    });
    AddNode(CreateTextureInfo(u"editor").get(), u"_button", {0, 0, 1, 1}, 1, 1, 30);
    // Four little objects: tree, stone, house, water.
    Paint(u"objects", 128, 32, [&](float x, float y) {
        const int kind = static_cast<int>(x / 32);
        const float cx = std::fmod(x, 32.0f);
        switch (kind) {
            case 0: {
                const float d = std::max(std::fabs(cx - 16) * 1.6f - (y - 4), y - 24);
                return Pack(Hex(0x3E9B48), Coverage(d));
            }
            case 1:
                return DiscPixel(cx, y, 16, 18, 10, Hex(0xA7A7A7), Hex(0x5C5C5C));
            case 2:
                return PanelPixel(cx - 6, y - 10, 20, 16, 2, 2, Hex(0xD8553D), Hex(0x7A2A1B));
            default:
                return DiscPixel(cx, y, 16, 16, 11, Hex(0x59A7E8), Hex(0x1F5C91));
        }
    });
    SetExFrames(CreateTextureInfoEx(u"tiles").get(), u"objects",
                {{0, 0, 0, 0, 0.25f, 1, 32, 32},
                 {0, 0, 0.25f, 0, 0.25f, 1, 32, 32},
                 {0, 0, 0.5f, 0, 0.25f, 1, 32, 32},
                 {0, 0, 0.75f, 0, 0.25f, 1, 32, 32}},
                10);
    Paint(u"highlight", 32, 32, [&](float x, float y) {
        return PanelPixel(x, y, 32, 32, 6, 1, Hex(0xBFD9F2), Hex(0x6F9BC4));
    });
    Paint(u"field", 32, 32, [&](float x, float y) {
        return PanelPixel(x, y, 32, 32, 5, 2, Hex(0xFFFFFF), Hex(0x9A8A70));
    });
    // An arrow pointer with its tip at the top-left corner.
    Paint(u"pointer", 32, 32, [&](float x, float y) {
        const bool inside = x <= 22 && y <= 28 && x <= y * 0.75f + 1 && x >= 0 && y >= 0 &&
                            !(y > 20 && x > (28 - y) * 2.2f);
        const bool edge = inside && (x < 2 || x > y * 0.75f - 1.5f || y > 26);
        return inside ? (edge ? 0xFF000000u : 0xFFFFFFFFu) : 0u;
    });
}

constexpr char16_t kWindowScript[] =
    uR"(
local function frame(ctrl, texture, r, border, uvBorder)
    setCtrlTexture(ctrl, texture)
    setCtrlFrame(ctrl, r, border)
    setCtrlUVFrame(ctrl, {x = 0, y = 0, w = 1, h = 1}, uvBorder)
end

function FillWindow(wnd)
    frame(createFrameCtrl(wnd, "back"), "panel", {x = 32, y = 32, w = 960, h = 704},
          {x = 16, y = 16}, {x = 0.25, y = 0.25})
    local title = createLabelCtrl(wnd, "title")
    setCtrlFont(title, "gui")
    setCtrlRect(title, {x = 32, y = 672, w = 960, h = 48})
    setCtrlAlign(title, align.Center + align.Middle)
    setCtrlColor(title, 0.23, 0.18, 0.15)
    setCtrlText(title, "[GuiTitle]")

    local image = createImageCtrl(wnd, "image")
    setCtrlTexture(image, "sheet")
    setCtrlRect(image, {x = 64, y = 560, w = 128, h = 64})
    local anim = createAnimationCtrl(wnd, "anim")
    setCtrlTexture(anim, "sheet")
    setCtrlRect(anim, {x = 208, y = 560, w = 64, h = 64})
    setAnimationCtrlTileset(anim, 4, 2, 10)
    local sector = createSectorCtrl(wnd, "sector")
    setCtrlTexture(sector, "pie")
    setCtrlRect(sector, {x = 288, y = 560, w = 64, h = 64})
    local cup = createCupCtrl(wnd, "cup")
    setCtrlRect(cup, {x = 368, y = 560, w = 96, h = 64})

    local label = createLabelCtrl(wnd, "label")
    setCtrlFont(label, "gui")
    setCtrlColor(label, 0.23, 0.18, 0.15)
    setCtrlRect(label, {x = 64, y = 520, w = 400, h = 24})
    setCtrlText(label, "A label, ^C03030FFwith colour^^ inside")
    local link = createLinkSysCtrl(wnd, "link")
    setCtrlFont(link, "gui")
    setCtrlColor(link, 0.12, 0.35, 0.75)
    setCtrlRect(link, {x = 64, y = 488, w = 400, h = 24})
    setCtrlText(link, "A link to follow")

    local button = createButtonSysCtrl(wnd, "button")
    setCtrlTexture(button, "button")
    setCtrlFrame(button, {x = 64, y = 432, w = 180, h = 44}, {x = 12, y = 12})
    setCtrlUVFrame(button, {x = 0, y = 2 / 3, w = 1, h = 1 / 3}, {x = 0.1875, y = 0.125})
    setCtrlFont(button, "gui")
    setCtrlText(button, "Button")
    local check = createCheckBoxSysCtrl(wnd, "check")
    setCtrlTexture(check, "check")
    setCtrlUVRect(check, {x = 0, y = 0.5, w = 0.5, h = 0.5})
    setCtrlRect(check, {x = 264, y = 438, w = 200, h = 32})
    setCtrlFont(check, "gui")
    setCtrlColor(check, 0.23, 0.18, 0.15)
    setCtrlText(check, "Check box")

    local slider = createSliderSysCtrl(wnd, "slider")
    setCtrlTexture(slider, "track", 4)
    setCtrlTexture(slider, "thumb", 2)
    setCtrlFrame(slider, {x = 64, y = 388, w = 400, h = 16}, {x = 8, y = 8})
    setCtrlUVFrame(slider, {x = 0, y = 0, w = 1, h = 1}, {x = 0.125, y = 0.5})
    setCtrlRect(slider, {x = 0, y = 0, w = 32, h = 32})
    setCtrlUVRect(slider, {x = 0, y = 0, w = 0.5, h = 1})
    setSliderCtrlMinMax(slider, 0, 10)

    local progress = createProgressBarSysCtrl(wnd, "progress")
    setCtrlTexture(progress, "bar")
    setCtrlRect(progress, {x = 64, y = 344, w = 400, h = 20})
    setCtrlUVRect(progress, {x = 0, y = 0, w = 1, h = 1})

    local edit = createEditSysCtrl(wnd, "edit")
    frame(edit, "field", {x = 64, y = 284, w = 400, h = 40}, {x = 8, y = 8}, {x = 0.25, y = 0.25})
    setCtrlFont(edit, "gui")
    setCtrlColor(edit, 0.1, 0.1, 0.1)

    local text = createTextBoxSysCtrl(wnd, "textbox")
    setCtrlFont(text, "gui")
    setCtrlColor(text, 0.23, 0.18, 0.15)
    setCtrlRect(text, {x = 64, y = 96, w = 400, h = 168})
    setCtrlAlign(text, align.Top)
    setCtrlText(text, "A text box wraps its words inside its rectangle. ^2F7D3EFFGreen words^^ take no more room than plain ones.\nA line feed starts a new line, and this line is struck through.")

    local list = createListSysCtrl(wnd, "list")
    setCtrlTexture(list, "highlight")
    setCtrlFrame(list, {x = 0, y = 0, w = 300, h = 30}, {x = 6, y = 6})
    setCtrlUVFrame(list, {x = 0, y = 0, w = 1, h = 1}, {x = 0.1875, y = 0.1875})
    setCtrlRect(list, {x = 544, y = 480, w = 300, h = 150})
    setCtrlFont(list, "gui")
    setCtrlColor(list, 0.23, 0.18, 0.15, 1)
    local vert = createProgressVertCtrl(wnd, "vertical")
    setCtrlTexture(vert, "bar")
    setCtrlRect(vert, {x = 880, y = 480, w = 40, h = 150})
    setCtrlUVRect(vert, {x = 0, y = 0, w = 1, h = 1})

    local toolbar = createToolbarSysCtrl(wnd, "toolbar")
    setCtrlRect(toolbar, {x = 0, y = 0, w = 48, h = 48}, 8)
    setCtrlRect(toolbar, {x = 544, y = 408, w = 400, h = 48})
    local palette = createEditorToolbarCtrl(wnd, "palette")
    setCtrlRect(palette, {x = 544, y = 352, w = 320, h = 40})

    local area = createTextAreaCtrl(wnd, "area")
    setCtrlFont(area, "gui")
    setCtrlColor(area, 0.23, 0.18, 0.15)
    setCtrlAlign(area, align.Center)
    setCtrlRect(area, {x = 600, y = 232, w = 300, h = 80})
    setCtrlText(area, "A text area\nbreaks only at\nline feeds")

    local inner = createFrameCtrl(wnd, "outline")
    frame(inner, "panel", {x = 544, y = 96, w = 400, h = 112}, {x = 16, y = 16}, {x = 0.25, y = 0.25})
    drawFrameCtrlInnerRect(inner, false)
    createCtrl(wnd, "placeholder")
    setWndActive(wnd, true)
end
)";

class GuiGoldenTest : public GLTest {
  protected:
    GuiGoldenTest() : GLTest(1024, 768) {}
    void SetUp() override {
        MarkGLUsed();
        // Sprites of earlier tests must not stand in for the ones painted here.
        ClearAtlasCaches();
        GLTest::SetUp();
    }
    void TearDown() override {
        ClearFontCache();
        ClearAtlasCaches();
        GLTest::TearDown();
    }
};

TEST_F(GuiGoldenTest, AWindowWithEveryControl) {
    std::string why;
    if (!RasteriseTestFont({u"gui", u"gui", kPixelSize}, &why))
        GTEST_SKIP() << why;
    PaintTextures();
    cScriptFunctionHooks hooks;
    hooks.registerGuiFunctions = RegisterGuiScriptFunctions;
    hooks.registerGameControlFunctions = RegisterGameControlScriptFunctions;
    ASSERT_TRUE(RegisterEngineScriptFunctions(hooks));
    SetLocalizedText(u"[GuiTitle]", u"Every control of the GUI");

    cTempFolder dir;
    WriteUtf16File(dir.path() / "all.lua", kWindowScript);
    cGUI* gui = g_game->gui();
    gui->SetScreen(0, 0, 1024, 768);
    gui->SetCursorSource([](int* x, int* y) { *x = *y = -5000; });
    cWindow* w = CreateWindowFromScript(u"all", nullptr, cPath(dir.u16("all.lua")));
    ASSERT_EQ(w->ControlCount(), 21);
    gui->ShowWnd(u"all");

    // What screens do in code: fill the lists, set values, show the cup.
    auto* list = dynamic_cast<cListSysCtrl*>(FindControl(u"all", u"list"));
    for (const char16_t* item : {u"Ada", u"Bertram", u"Cordelia", u"Dunstan", u"Elowen", u"Fig"}) {
        list->AddItem(-1, item, 0);
    }
    list->SetSelected(1, true, false);
    auto* toolbar = dynamic_cast<cToolbarSysCtrl*>(FindControl(u"all", u"toolbar"));
    for (int i = 0; i < 4; ++i)
        toolbar->AddImageItem(-1, u"objects", {0.25f * i, 0, 0.25f, 1}, i);
    auto* palette = dynamic_cast<cEditorToolbarCtrl*>(FindControl(u"all", u"palette"));
    for (int i = 0; i < 8; ++i)
        palette->AddAreaItem(u"tiles", i % 4, i, u"");
    palette->ItemAt(2)->Select(true);
    palette->ItemAt(5)->Enable(false);
    dynamic_cast<cSectorCtrl*>(FindControl(u"all", u"sector"))->SetValue(0.65f);
    dynamic_cast<cCheckBoxSysCtrl*>(FindControl(u"all", u"check"))->SetChecked(true);
    dynamic_cast<cCupCtrl*>(FindControl(u"all", u"cup"))->ShowCup(kMedalGold);
    FindControl(u"all", u"slider")->OnEvent(kWndPointerEnter, 0, 0);  // the pointer-over thumb
    dynamic_cast<cSliderCtrl*>(FindControl(u"all", u"slider"))->SetValue(6.5f);
    dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"all", u"progress"))->SetProgress(0.65f);
    dynamic_cast<cProgressBarSysCtrl*>(FindControl(u"all", u"vertical"))->SetProgress(0.4f);
    auto* edit = FindControl(u"all", u"edit");
    edit->SetText(u"Player One");
    SetFocusCtrl(w, edit);
    gui->caretOn = true;
    dynamic_cast<cTextBoxSysCtrl*>(FindControl(u"all", u"textbox"))->SetLineFlag(4, 1);
    for (int i = 0; i < 30; ++i)
        gui->Tick(kTickSeconds);  // fades, the cup pop, frame 5 of the sheet
    gui->caretOn = true;

    gui->pointer.texture = FindTexture(u"pointer");
    gui->pointer.width = gui->pointer.height = 32;
    g_game->OnMouseMove(700, 330);  // the pointer, over the last toolbar cell

    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0.30f, 0.45f, 0.36f, 1.0f);
    g_render->Clear();
    gui->Draw();
    g_render->End();
    EXPECT_TRUE(MatchesGolden("gui_all_controls"));
}

class cFadingWF : public cBaseWF {};

TEST_F(GuiGoldenTest, AFadingScreenIsDrawnTranslucentAndZoomedAboutTheCentre) {
    Paint(u"white", 4, 4, [](float, float) { return 0xFFFFFFFFu; });
    cGUI* gui = g_game->gui();
    gui->SetScreen(0, 0, 1024, 768);
    auto* function = new cFadingWF;
    cWindow* w = gui->CreateWnd(u"fade", std::unique_ptr<cWindowFunction>(function));
    auto* image = new cImageCtrl(u"square", w);
    image->SetTexture(u"white", 0);
    image->SetRect(112, 84, 200, 200, 0);
    gui->ShowWnd(u"fade");
    function->transition.current = 0.5f;  // halfway: alpha 0.5, 105 %

    ASSERT_TRUE(g_render->Begin());
    g_render->SetClearColor(0, 0, 0, 1);
    g_render->Clear();
    gui->Draw();
    g_render->End();
    cRgbaImage frame;
    ASSERT_TRUE(CaptureFrame(&frame));
    // 512 + (112 − 512) × 1.05 = 92 and 384 + (84 − 384) × 1.05 = 69.
    EXPECT_TRUE(PixelNear(frame, 200, 180, 128, 128, 128, 3));
    EXPECT_TRUE(PixelNear(frame, 96, 73, 128, 128, 128, 3));  // only inside when zoomed
    EXPECT_TRUE(PixelNear(frame, 88, 180, 0, 0, 0, 3));
    EXPECT_TRUE(PixelNear(frame, 322, 180, 0, 0, 0, 3));  // 512 + (312 − 512) × 1.05 = 302
    EXPECT_EQ(g_render->colorMode(), kColorTexVertex);    // the modulation is undone

    function->transition.current = 1.0f;  // at rest: drawn as it is
    ASSERT_TRUE(g_render->Begin());
    g_render->Clear();
    gui->Draw();
    g_render->End();
    ASSERT_TRUE(CaptureFrame(&frame));
    EXPECT_TRUE(PixelNear(frame, 113, 85, 255, 255, 255, 3));
    EXPECT_TRUE(PixelNear(frame, 96, 73, 0, 0, 0, 3));
}

}  // namespace
}  // namespace qor::test
