#include "scene/CatmullRomSpline.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Integer division and remainder rounding toward minus infinity, so that
// indices before the first key wrap onto the last ones.
int FloorDiv(int j, int n) {
    return j >= 0 ? j / n : -((-j + n - 1) / n);
}

// Key j of at least two keys, continued in a straight line past either end
// (values and times alike).
template <class V>
V Extended(const std::vector<V>& k, int j) {
    const int n = static_cast<int>(k.size());
    if (j < 0)
        return k[0] + (k[1] - k[0]) * static_cast<float>(j);
    if (j > n - 1)
        return k[n - 1] + (k[n - 1] - k[n - 2]) * static_cast<float>(j - n + 1);
    return k[j];
}

}  // namespace

template <class T>
T curve_CatmullRomSpline<T>::Point(int j) const {
    const auto& p = this->values;
    if (this->endMode == kCurveLoop) {
        const int n = static_cast<int>(p.size());
        return p[j - FloorDiv(j, n) * n];
    }
    return Extended(p, j);
}

template <class T>
float curve_CatmullRomSpline<T>::Time(int j) const {
    const auto& tk = this->times;
    if (this->endMode == kCurveLoop) {
        const int n = static_cast<int>(tk.size());
        const float period = tk[n - 1] + this->loopLength;
        const int turns = FloorDiv(j, n);
        return period * static_cast<float>(turns) + tk[j - turns * n];
    }
    return Extended(tk, j);
}

template <class T>
bool curve_CatmullRomSpline<T>::FindSegment(float t, Segment* s) {
    if (this->KeyCount() < 2)
        return false;
    if (this->endMode == kCurveClamp)
        t = std::clamp(t, this->times.front(), this->times.back());
    const int i = this->FindKey(t);
    s->p0 = Point(i - 2);
    s->p1 = Point(i - 1);
    s->p2 = Point(i);
    s->p3 = Point(i + 1);
    const float t1 = Time(i - 1);
    const float span = Time(i) - t1;
    // Keys of equal time (or a loop of no length) make a segment of no
    // duration: it sits on its start key instead of dividing by zero.
    if (!(span > 0.0f) || !std::isfinite(span)) {
        s->u = 0.0f;
        s->span = 0.0f;
        return true;
    }
    s->u = (t - t1) / span;
    s->span = span;
    return true;
}

template <class T>
T curve_CatmullRomSpline<T>::Evaluate(float t) {
    if (this->values.empty())
        return T{};
    Segment s;
    if (!FindSegment(t, &s))
        return this->values.front();
    const float u = s.u, u2 = u * u, u3 = u2 * u;
    const float w0 = (-u3 + 2.0f * u2 - u) * 0.5f;
    const float w1 = (3.0f * u3 - 5.0f * u2 + 2.0f) * 0.5f;
    const float w2 = (-3.0f * u3 + 4.0f * u2 + u) * 0.5f;
    const float w3 = (u3 - u2) * 0.5f;
    return s.p0 * w0 + s.p1 * w1 + s.p2 * w2 + s.p3 * w3;
}

template <class T>
T curve_CatmullRomSpline<T>::GetDerivative(float t) {
    Segment s;
    if (!FindSegment(t, &s) || s.span == 0.0f)
        return T{};
    const float u = s.u, u2 = u * u;
    const T sum = s.p0 * (-1.5f * u2 + 2.0f * u - 0.5f) + s.p1 * (4.5f * u2 - 5.0f * u) +
                  s.p2 * (-4.5f * u2 + 4.0f * u + 0.5f) + s.p3 * (1.5f * u2 - u);
    return sum * (1.0f / s.span);
}

template <class T>
T curve_CatmullRomSpline<T>::GetSecondDerivative(float t) {
    Segment s;
    if (!FindSegment(t, &s) || s.span == 0.0f)
        return T{};
    const float u = s.u;
    const T sum = s.p0 * (2.0f - 3.0f * u) + s.p1 * (9.0f * u - 5.0f) + s.p2 * (4.0f - 9.0f * u) +
                  s.p3 * (3.0f * u - 1.0f);
    return sum * (1.0f / (s.span * s.span));
}

template class curve_CatmullRomSpline<vec2>;
