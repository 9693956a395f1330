#include "app/GameObject.h"

#include <algorithm>

namespace qor {

cGameObject* g_gameObject = nullptr;

void cGameObject::SetBackColor(float r, float g, float b) {
    auto channel = [](float v) {
        return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f);
    };
    backColor = 0xFF000000u | (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

}  // namespace qor
