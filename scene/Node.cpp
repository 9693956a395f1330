#include "scene/Node.h"

void cNode::Tick() {
    // A man who has turned to another job no longer holds the place.
    if (occupant && occupant->GetTarget() != owner)
        occupant = nullptr;
}

qor::cRectF cNode::GetBounds() const {
    return {x - 7.0f, y - 7.0f, 14.0f, 14.0f};
}
