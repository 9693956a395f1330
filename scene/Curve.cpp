#include "scene/Curve.h"

#include <algorithm>

template <class T>
int curve<T>::FindKey(float t) {
    const int n = KeyCount();
    if (n == 0)
        return 0;
    // Inside key i's interval: (times[i − 1], times[i]], with the open ends
    // before the first key and after the last.
    auto holds = [&](int i) {
        const bool afterPrevious = i == 0 || times[i - 1] < t;
        const bool upToThis = i == n || t <= times[i];
        return afterPrevious && upToThis;
    };
    const int i = cachedIndex;
    if (i >= 0 && i <= n) {
        if (holds(i))
            return i;
        if (i + 1 <= n && holds(i + 1)) {
            cachedIndex = i + 1;
            return i + 1;
        }
    }
    const int found =
        static_cast<int>(std::lower_bound(times.begin(), times.end(), t) - times.begin());
    if (found == n || times[found] != t)
        cachedIndex = found;
    return found;
}

template <class T>
int curve<T>::AddKey(const T& value, float time) {
    const int index = FindKey(time);
    times.insert(times.begin() + index, time);
    values.insert(values.begin() + index, value);
    return index;
}

template <class T>
void curve<T>::RemoveKey(int index) {
    if (index < 0 || index >= KeyCount())
        return;
    times.erase(times.begin() + index);
    values.erase(values.begin() + index);
}

template <class T>
void curve<T>::Clear() {
    times.clear();
    values.clear();
    cachedIndex = -1;
}

template <class T>
T curve<T>::Evaluate(float t) {
    if (values.empty())
        return T{};
    const int i = FindKey(t);
    return i < KeyCount() ? values[i] : values.back();
}

template <class T>
T curve<T>::GetDerivative(float) {
    return T{};
}

template <class T>
T curve<T>::GetSecondDerivative(float) {
    return T{};
}

template <class T>
bool curve<T>::IsFinished(float t) {
    return times.empty() || t >= times.back();
}

template <class T>
bool curve_Spline<T>::IsFinished(float t) {
    return endMode != kCurveLoop && curve<T>::IsFinished(t);
}

template <class T>
void curve_Spline<T>::SetEndMode(int32_t mode) {
    endMode = mode;
}

template <class T>
int32_t curve_Spline<T>::GetEndMode() {
    return endMode;
}

template <class T>
void curve_Spline<T>::SetLoopLength(float seconds) {
    loopLength = seconds;
}

template <class T>
float curve_Spline<T>::GetLoopLength() {
    return endMode == kCurveLoop ? loopLength : 0.0f;
}

template class curve<vec2>;
template class curve_Spline<vec2>;
