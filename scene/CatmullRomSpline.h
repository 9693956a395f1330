#pragma once
// A uniform Catmull-Rom spline through the keys, parameterised by key time:
// the curve passes through every key and bends smoothly between them. Past the
// keys it continues along the straight line of the first or last two keys
// (extend), holds still (clamp), or, in loop mode, wraps from the last key back
// to the first over the loop length; the caller keeps t within one period.
// With two keys it is the straight line between them at constant speed.
#include "scene/Curve.h"

template <class T>
class curve_CatmullRomSpline : public curve_Spline<T> {
  public:
    T Evaluate(float t) override;
    T GetDerivative(float t) override;
    T GetSecondDerivative(float t) override;

  private:
    struct Segment {
        T p0, p1, p2, p3;   // keys i − 2 … i + 1
        float u = 0.0f;     // 0 … 1 from key i − 1 to key i
        float span = 0.0f;  // time from key i − 1 to key i; 0 for a degenerate segment
    };
    // False with fewer than two keys.
    bool FindSegment(float t, Segment* segment);
    T Point(int j) const;
    float Time(int j) const;
};

extern template class curve_CatmullRomSpline<vec2>;
