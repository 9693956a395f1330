#include "gui/SliderCtrl.h"

#include <algorithm>
#include <cmath>

#include "gui/GuiSound.h"
#include "gui/ScriptNumbers.h"
#include "gui/WindowFunction.h"

namespace qor {

bool cSliderCtrl::HitTest(float x, float y) const {
    return StrictlyInside(GetTrackRect(), x, y) || StrictlyInside(GetThumbRect(), x, y);
}

void cSliderCtrl::SetValue(float v) {
    // NaN would poison every later comparison: it reads as the minimum.
    value = std::isnan(v) ? minValue : std::clamp(v, minValue, std::max(minValue, maxValue));
    Refresh();
}

void cSliderCtrl::SetMinMax(float min, float max) {
    minValue = min;
    maxValue = min > max ? min : max;
    SetValue(value);
}

int cSliderCtrl::OnEvent(int kind, int param1, int param2) {
    switch (kind) {
        case kCtrlFocusGained:
            focused = true;
            break;
        case kCtrlFocusLost:
            focused = false;
            break;
        case kWndLeftDown:
        case kWndMouseMove:
            if (kind == kWndLeftDown)
                dragging = true;
            if (focused && dragging) {
                const cRectF track = GetTrackRect();
                const float pointer =
                    static_cast<float>(vertical ? UnpackY(param2) : UnpackX(param2));
                const float start = vertical ? track.y : track.x;
                const float length = vertical ? track.h : track.w;
                const float f = length > 0.0f ? (pointer - start) / length : 0.0f;
                SetValue(minValue + f * (maxValue - minValue));
                Post(kWndSlider, ClampToInt(value));
            }
            break;
        case kWndLeftUp:
            dragging = false;
            break;
        default:
            break;
    }
    return cCtrl::OnEvent(kind, param1, param2);
}

cSliderSysCtrl::cSliderSysCtrl(std::u16string name, cWindow* window)
    : cSliderCtrl(std::move(name), window),
      thumb(std::make_unique<cImageCtrl>(u"", nullptr)),
      track(std::make_unique<cFrameCtrl>(u"", nullptr)) {}

void cSliderSysCtrl::Draw() {
    track->Draw();
    if (!thumb->texture)
        return;
    cRectF uv = thumb->uvRect;
    if (hover)
        uv.x += uv.w;
    if (cSpriteBatch* batch = GuiBatch()) {
        DrawSprite(batch, thumb->texture, uv, thumb->rect, kOpaqueWhite);
    }
}

int cSliderSysCtrl::OnEvent(int kind, int param1, int param2) {
    if (kind == kWndPointerEnter) {
        hover = true;
        PlayGuiSound(u"mouse_in");
    } else if (kind == kWndPointerLeave) {
        hover = false;
    }
    return cSliderCtrl::OnEvent(kind, param1, param2);
}

void cSliderSysCtrl::Refresh() {
    const float t = minValue < maxValue ? (value - minValue) / (maxValue - minValue) : 0.0f;
    const cRectF tr = track->rect;
    const cRectF th = thumb->rect;
    float x = 0.0f;
    float y = 0.0f;
    // std::max keeps the clamp valid when the thumb is larger than the track.
    if (vertical) {
        y = std::clamp(tr.y + t * tr.h - th.h / 2, tr.y, std::max(tr.y, tr.y + tr.h - th.h));
        x = tr.x + (tr.w - th.w) / 2;
    } else {
        x = std::clamp(tr.x + t * tr.w - th.w / 2, tr.x, std::max(tr.x, tr.x + tr.w - th.w));
        y = tr.y + (tr.h - th.h) / 2;
    }
    if (x != th.x || y != th.y)
        thumb->SetRect(x, y, th.w, th.h, 0);
}

void cSliderSysCtrl::Offset(float dx, float dy) {
    thumb->Offset(dx, dy);
    track->Offset(dx, dy);
}

void cSliderSysCtrl::SetRect(float x, float y, float w, float h, int flags) {
    thumb->SetRect(x, y, w, h, flags);
    Refresh();
}

void cSliderSysCtrl::SetUVRect(float u, float v, float w, float h, int flags) {
    thumb->SetUVRect(u, v, w, h, flags);
}

void cSliderSysCtrl::SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) {
    track->SetFrame(x, y, w, h, bw, bh, flags);
    Refresh();
}

void cSliderSysCtrl::SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) {
    track->SetUVFrame(u, v, w, h, bw, bh, flags);
}

void cSliderSysCtrl::SetTexture(const std::u16string& textureName, int which) {
    if (which == 0)
        which = kSliderThumb | kSliderTrack;
    if (which & kSliderTrack)
        track->SetTexture(textureName, 0);
    if (which & kSliderThumb)
        thumb->SetTexture(textureName, 0);
}

}  // namespace qor
