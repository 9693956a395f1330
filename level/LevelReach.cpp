// Which objects the workers can reach from their house, and whether the
// player can act on an object now (the ring under the pointer shows it).
#include <cmath>

#include "level/sites/Field.h"
#include "level/LevelWidget.h"
#include "level/units/Prison.h"

namespace {

using namespace scene_type;

// Barriers, items, buildings, trees, fields, plants, nuggets, bridges,
// wells, towers, altars and tunnels: what workers are sent to.
constexpr uint32_t kWorkTargets = 0x348C12E6u;
// Objects a way may end at without leading on.
constexpr uint32_t kNoWayOn = kBarrier | kTree | kBridge;

bool IsFallingStone(const cObject* object) {
    return object->IsKind(kBarrier) && (object->flags & kFlagMeteor) != 0;
}

}  // namespace

void cLevelWidget::RecountReachability(int mode) {
    // Without a house there is nowhere to count from: everything stays open.
    if (!base)
        return;
    std::vector<cObject*> targets;
    CollectObjects(targets, kWorkTargets, -1);
    cWalkPath way;
    for (cObject* object : targets) {
        if (object == base || IsFallingStone(object) || IsDead(object))
            continue;
        if ((mode == kReachWasReachable && !object->reachable) ||
            (mode == kReachWasUnreachable && object->reachable))
            continue;
        const cObject* from = base;
        if (mode == kReachWasUnreachable) {
            // Counting from the nearest object known to be reachable is
            // shorter; one that opens no way on cannot stand in for the house.
            float nearest = 0.0f;
            for (const cObject* other : targets) {
                if (other == object || other == base || !other->reachable ||
                    other->IsKind(kNoWayOn) || IsDead(other))
                    continue;
                const float d = std::hypot(other->x - object->x, other->y - object->y);
                if (from == base || d < nearest) {
                    nearest = d;
                    from = other;
                }
            }
        }
        // Straightening never decides whether a way exists: it is skipped.
        object->reachable = FindPath(way, from, object, {}, false) ? 1 : 0;
    }
}

void cLevelWidget::UpdateHintMark(cObject* object) {
    if (!object)
        return;
    bool cannot = !object->reachable;
    cannot = cannot || (object->IsKind(kField) && object->state != kFieldRipe);
    // A prison is worth opening while it holds somebody, or the story's guest.
    cannot =
        cannot || (object->IsKind(kPrison) &&
                   static_cast<const cPrison*>(object)->storyText.empty() && CountPrisoners() == 0);
    cannot = cannot || !m_host->CanAfford(object->GetPrice());
    object->SetSelectable(cannot ? 1 : 0);
}
