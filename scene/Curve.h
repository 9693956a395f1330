#pragma once
// Keyed curves: values at ascending times, evaluated at any time in between.
// curve<T> holds the later key's value between two keys (a step form);
// curve_Spline<T> adds what happens past the keys (extend, clamp or loop) and
// curve_CatmullRomSpline<T> (scene/CatmullRomSpline.h) runs smoothly through
// the keys. Flying icons and the world map's trail use them with vec2.
//
// Instantiated for vec2 (scene/Curve.cpp); T needs +, − and × float.
#include <cstdint>
#include <vector>

#include "scene/Vec.h"

template <class T>
class curve {
  public:
    curve() = default;
    virtual ~curve() = default;

    // Inserts the key where FindKey(time) points, so keys stay sorted and a key
    // of an equal time goes in front of the existing one. Returns its index.
    virtual int AddKey(const T& value, float time);
    // Nothing for an index out of range.
    virtual void RemoveKey(int index);
    virtual void Clear();
    virtual T Evaluate(float t);
    virtual T GetDerivative(float t);
    virtual T GetSecondDerivative(float t);
    // True once t reaches the last key's time (and always without keys: such a
    // curve has nothing left to show).
    virtual bool IsFinished(float t);

    // Index of the first key whose time is ≥ t, the key count when t is after
    // every key, 0 without keys. Remembers where it found the key so that a
    // time moving forward finds the next one without a search.
    int FindKey(float t);

    int KeyCount() const { return static_cast<int>(times.size()); }

    std::vector<float> times;
    std::vector<T> values;
    int32_t cachedIndex = -1;
};

// End modes of curve_Spline.
enum eCurveEndMode : int32_t {
    kCurveExtend = 0,
    kCurveClamp = 1,
    kCurveLoop = 2,
};

template <class T>
class curve_Spline : public curve<T> {
  public:
    bool IsFinished(float t) override;
    virtual void SetEndMode(int32_t mode);
    virtual int32_t GetEndMode();
    virtual void SetLoopLength(float seconds);
    // The loop length in loop mode, else 0.
    virtual float GetLoopLength();

    int32_t endMode = kCurveExtend;
    float loopLength = 0.0f;  // from the last key back to the first, in loop mode
};

extern template class curve<vec2>;
extern template class curve_Spline<vec2>;
