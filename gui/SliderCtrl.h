#pragma once
// Sliders. cSliderCtrl holds the value logic: a press starts a drag, and while
// the slider is focused and dragged every pointer move sets the value from the
// pointer's place on the track (reported as event 51). The press that focuses
// a slider does not move it. cSliderSysCtrl draws a nine-patch track and a
// thumb whose texture holds the normal and pointer-over images side by side.
#include <memory>

#include "gui/FrameCtrl.h"
#include "gui/ImageCtrl.h"

namespace qor {

class cSliderCtrl : public cCtrl {
  public:
    cSliderCtrl(std::u16string name, cWindow* window) : cCtrl(std::move(name), window) {}

    int OnEvent(int kind, int param1, int param2) override;
    bool HitTest(float x, float y) const override;

    virtual cRectF GetTrackRect() const { return {}; }
    virtual cRectF GetThumbRect() const { return {}; }
    // Clamped to the range.
    virtual void SetValue(float v);
    virtual float GetValue() const { return value; }
    // A minimum above the maximum leaves the range min..min.
    virtual void SetMinMax(float min, float max);
    virtual float GetMin() const { return minValue; }
    virtual float GetMax() const { return maxValue; }
    virtual void SetVertical(bool on) { vertical = on; }
    virtual bool IsVertical() const { return vertical; }

    float minValue = 0.0f;
    float maxValue = 100.0f;
    float value = 50.0f;
    bool vertical = false;
    bool focused = false;
    bool dragging = false;
};

// Which parts SetTexture gives the texture to (0 means both).
enum eSliderPart : int { kSliderThumb = 2, kSliderTrack = 4 };

class cSliderSysCtrl : public cSliderCtrl {
  public:
    cSliderSysCtrl(std::u16string name, cWindow* window);

    void Draw() override;
    int OnEvent(int kind, int param1, int param2) override;
    // Places the thumb on the track by the value.
    void Refresh() override;
    void Offset(float dx, float dy) override;
    // The thumb: only its size matters, its place is computed.
    void SetRect(float x, float y, float w, float h, int flags) override;
    void SetUVRect(float u, float v, float w, float h, int flags) override;
    // The track.
    void SetFrame(float x, float y, float w, float h, float bw, float bh, int flags) override;
    void SetUVFrame(float u, float v, float w, float h, float bw, float bh, int flags) override;
    cRectF GetRect() const override { return track->GetRect(); }
    void SetTexture(const std::u16string& textureName, int which) override;
    std::u16string GetClassName() const override { return u"cSliderSysCtrl"; }

    cRectF GetTrackRect() const override { return track->GetRect(); }
    cRectF GetThumbRect() const override { return thumb->GetRect(); }

    std::unique_ptr<cImageCtrl> thumb;
    std::unique_ptr<cFrameCtrl> track;
    bool hover = false;
};

}  // namespace qor
