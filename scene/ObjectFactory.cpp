#include "scene/ObjectFactory.h"

#include <bit>

#include "scene/Object.h"

int cObjectFactory::Slot(uint32_t type) {
    return std::has_single_bit(type) ? std::countr_zero(type) : -1;
}

bool cObjectFactory::Register(uint32_t type, Maker maker) {
    const int slot = Slot(type);
    if (slot < 0 || !maker)
        return false;
    m_makers[slot] = maker;
    return true;
}

bool cObjectFactory::Knows(uint32_t type) const {
    const int slot = Slot(type);
    return slot >= 0 && m_makers[slot] != nullptr;
}

std::unique_ptr<cObject> cObjectFactory::Make(uint32_t type, cBaseWidget* scene) const {
    const int slot = Slot(type);
    if (slot < 0 || !m_makers[slot])
        return nullptr;
    return m_makers[slot](scene);
}
