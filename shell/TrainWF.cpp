#include "shell/TrainWF.h"

#include <algorithm>
#include <cmath>

#include "engine/StringTable.h"
#include "gui/GUI.h"
#include "gui/ImageCtrl.h"
#include "gui/LabelCtrl.h"
#include "gui/Window.h"
#include "level/LevelWidget.h"
#include "shell/Garden.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

constexpr float kScreenWidth = 1024.0f;
constexpr float kScreenHeight = 768.0f;
// Room between the text and the frame's rim.
constexpr float kMarginX = 24.0f;
constexpr float kMarginY = 18.0f;
// The arrow's sheet: six frames side by side, played at 12 a second.
constexpr int kArrowFrames = 6;
constexpr float kArrowFps = 12.0f;
// The frame stands this far beside the arrow's line.
constexpr float kBeside = 16.0f;

float Clamp(float value, float low, float high) {
    return std::max(low, std::min(value, std::max(low, high)));
}

}  // namespace

void cTrainWF::ShowStep(const std::u16string& stepText, cVec2 point, float size,
                        bool clickToContinue, int flags) {
    if (broken)
        return;
    std::u16string shown = stepText;
    if (clickToContinue)
        shown += u"\n" + GetLocalizedText(u"ClickToContinue");
    text->SetText(shown);
    // A step that follows its target shows again and again; a new one may
    // come while the last still fades out.
    fade.SetTarget(1.0f);
    const cRectF textSize = text->GetTextRect();
    const float w = textSize.w + 2.0f * kMarginX, h = textSize.h + 2.0f * kMarginY;
    const cRectF arrowRect = arrow ? arrow->GetRect() : cRectF{0.0f, 0.0f, 0.0f, 0.0f};
    const bool below = (flags & 32) != 0;
    const bool left = (flags & 1) != 0;
    // The arrow stands on the side of the circle the frame is on and points
    // at its edge; the frame sits beside the arrow's far half.
    arrowDown = !below;
    const float tipY = below ? point.y - size : point.y + size;
    const float arrowY = below ? tipY - arrowRect.h : tipY;
    const float x = left ? point.x - kBeside - w : point.x + kBeside;
    const float y = below ? tipY - arrowRect.h * 0.5f - h : tipY + arrowRect.h * 0.5f;
    const float fx = Clamp(x, 0.0f, kScreenWidth - w), fy = Clamp(y, 0.0f, kScreenHeight - h);
    frame->SetRect(fx, fy, w, h, 0);
    text->SetRect(fx + kMarginX, fy + kMarginY, textSize.w, textSize.h, 0);
    if (arrow) {
        arrow->SetRect(Clamp(point.x - arrowRect.w * 0.5f, 0.0f, kScreenWidth - arrowRect.w),
                       Clamp(arrowY, 0.0f, kScreenHeight - arrowRect.h), arrowRect.w, arrowRect.h,
                       0);
        StepArrow(0.0f);
    }
}

void cTrainWF::StepArrow(float seconds) {
    auto* image = dynamic_cast<cImageCtrl*>(arrow);
    if (!image)
        return;
    arrowClock = std::fmod(arrowClock + seconds, kArrowFrames / kArrowFps);
    const int cell = std::min(static_cast<int>(arrowClock * kArrowFps), kArrowFrames - 1);
    cRectF uv = m_arrowUV;
    uv.x += uv.w * static_cast<float>(cell);
    // Standing below its point, the arrow is the same picture upside down.
    if (!arrowDown) {
        uv.y += uv.h;
        uv.h = -uv.h;
    }
    image->uvRect = uv;
}

int cTrainWF::OnEvent(cWindow* window, int kind, int param1, int param2) {
    if (!window)
        return 0;
    switch (kind) {
        case kWndFilled:
            arrow = FindScreenControl<cCtrl>(window, u"arrow");
            text = FindScreenControl<cLabelCtrl>(window, u"text");
            frame = FindScreenControl<cCtrl>(window, u"frame");
            broken = !text || !frame;
            if (auto* image = dynamic_cast<cImageCtrl*>(arrow))
                m_arrowUV = image->uvRect;
            break;
        case kWndShown:
            fade.SetTarget(1.0f);
            break;
        case kWndCloseRequested:
            // Fades out first; the tick hides it once invisible.
            fade.SetTarget(0.0f);
            return 0;
        case kWndTick: {
            const float seconds = static_cast<float>(param1) / 1000.0f;
            fade.Step(seconds);
            if (fade.current <= 0.0f && fade.to <= 0.0f) {
                if (window->gui)
                    window->gui->HideWnd(window->name);
                return 0;
            }
            StepArrow(seconds);
            break;
        }
        case kWndDraw:
            if (broken)
                return 0;
            if (fade.current < 1.0f) {
                DrawControlsFaded(window, fade.current, 1.0f);
                return 0;
            }
            break;
        case kWndHidden:
            fade = cRamp{0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f};
            break;
        case kWndLeftDown:
            // A click on the frame dismisses a message and goes no further.
            if (!broken && window->hovered == frame) {
                if (cLevelWidget* level = g_garden ? g_garden->GetLevelWidget() : nullptr)
                    level->AcknowledgeTutorial(true);
                return 1;
            }
            break;
        default:
            break;
    }
    return cWindowFunction::OnEvent(window, kind, param1, param2);
}
