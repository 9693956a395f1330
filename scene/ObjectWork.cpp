// Where workers stand when they work on a scene object, and who does.
#include "scene/Node.h"
#include "scene/Object.h"

void cObject::AddWorkPlace(cNode* node) {
    if (!node || node == this)
        return;
    workPlaces.push_back(node);
    node->owner = this;
}

void cObject::AddApproachNode(cNodeObj* node) {
    if (!node || node == this)
        return;
    approachNodes.push_back(node);
    node->owner = this;
}

int cObject::GetFreePlaces() const {
    if (workPlaces.empty())
        return occupant ? 0 : 1;
    int free = 0;
    for (const cNode* node : workPlaces)
        free += node->occupant ? 0 : 1;
    return free;
}

int cObject::GetBusyPlaces() const {
    int busy = 0;
    for (const cNode* node : workPlaces)
        busy += node->occupant ? 1 : 0;
    return busy;
}

cObject* cObject::AssignMan(cObject* man) {
    if (!workPlaces.empty()) {
        for (cNode* node : workPlaces) {
            if (node->IsFree()) {
                node->occupant = man;
                return node;
            }
        }
        return nullptr;
    }
    if (occupant)
        return nullptr;
    occupant = man;
    return this;
}

void cObject::ReleaseMan(cObject* man) {
    for (cNode* node : workPlaces) {
        if (node->occupant == man)
            node->occupant = nullptr;
    }
    if (occupant == man)
        occupant = nullptr;
}

std::vector<cObject*> cObject::GetAssignedMen() const {
    std::vector<cObject*> men;
    if (workPlaces.empty()) {
        if (occupant)
            men.push_back(occupant);
        return men;
    }
    for (const cNode* node : workPlaces) {
        if (node->occupant)
            men.push_back(node->occupant);
    }
    return men;
}

void cObject::SetApproachDirection(int32_t direction) {
    if (!approachNodes.empty())
        approachNodes.front()->direction = direction;
}

int32_t cObject::GetApproachDirection() const {
    return approachNodes.empty() ? 0 : approachNodes.front()->direction;
}

qor::cVec2 cObject::GetApproachPoint() const {
    return approachNodes.empty() ? GetPosition() : approachNodes.front()->GetPosition();
}
