#include "level/units/Man.h"

#include <cmath>
#include <numbers>

void cMoveRamp::SetTarget(qor::cVec2 point) {
    from = current;
    to = point;
    elapsed = 0.0f;
    const float length = std::hypot(to.x - from.x, to.y - from.y);
    duration = speed > 0.0f ? length / speed : 0.0f;
    if (!(duration >= 0.0001f)) {
        duration = 0.0f;
        current = to;
    }
}

int cMoveRamp::Step(float seconds) {
    if (elapsed == duration)
        return 0;
    elapsed += seconds;
    if (elapsed >= duration) {
        elapsed = duration;
        current = to;
        return 2;
    }
    const float t = elapsed / duration;
    current = {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
    return 1;
}

char16_t DirectionDigit(float dx, float dy) {
    float angle = std::atan2(dy, dx) * 180.0f / std::numbers::pi_v<float>;
    if (angle < 0.0f)
        angle += 360.0f;
    if (angle >= 30.0f && angle < 105.0f)
        return u'1';
    if (angle >= 105.0f && angle < 210.0f)
        return u'2';
    if (angle >= 210.0f && angle < 300.0f)
        return u'3';
    return u'0';
}

void cMan::SetState(int32_t value) {
    if (value == state)
        return;
    const int32_t from = state;
    if (!OnStateChange(from, value))
        return;
    state = value;
    OnEnterState(from, value);
}

void cMan::AddFourWays(const std::u16string& name, const std::u16string& spritePrefix) {
    for (char16_t d = u'0'; d <= u'3'; ++d)
        AddAnimation(name + d, spritePrefix + name + d);
}

float cMan::GetSpeed(int /*mode*/) const {
    return 180.0f;
}

void cMan::UpdateWalkAnimation(int /*mode*/) {
    PlayDirectional(u"walk", mover.to.x - mover.from.x, mover.to.y - mover.from.y, qor::kAnimLoop);
}

void cMan::PlayDirectional(const std::u16string& name, float dx, float dy, int mode) {
    const std::u16string full = name + DirectionDigit(dx, dy);
    if (full != animationName)
        PlayAnimation(full, mode);
}

void cMan::WalkStep() {
    const int step = mover.Step(GetStepTime());
    if (step != 0)
        SetPosition(mover.current);
    if (step == 1)
        return;
    if (path.empty()) {
        OnArrive();
        return;
    }
    mover.SetTarget(path.front());
    path.erase(path.begin());
    UpdateWalkAnimation(-1);
}

bool cMan::StartWalk(int mode) {
    if (path.empty())
        return false;
    mover.speed = GetSpeed(mode);
    mover.current = path.front();
    mover.from = mover.to = mover.current;
    mover.elapsed = mover.duration = 0.0f;
    SetPosition(mover.current);
    path.erase(path.begin());
    if (!path.empty()) {
        mover.SetTarget(path.front());
        path.erase(path.begin());
        UpdateWalkAnimation(mode);
    }
    return true;
}

void cMan::SetTarget(cObject* object) {
    if (target && target != object)
        target->jobMarkers = 0;
    target = object;
}

void cMan::Go(cWalkPath newPath, cObject* newTarget) {
    path = std::move(newPath);
    SetTarget(newTarget);
    if (state == 1)
        SetState(0);
    SetState(1);
}
