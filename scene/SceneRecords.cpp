#include "scene/SceneRecords.h"

#include <algorithm>

#include "engine/BitStream.h"
#include "engine/Log.h"
#include "scene/BaseWidget.h"

bool ReadObjectRecord(qor::cBitStream& stream, cBaseWidget& scene, uint32_t version,
                      std::u16string_view sender) {
    const uint32_t type = stream.ReadU32();
    cObject* object = scene.CreateObject(type);
    if (!object) {
        qor::LogEntry(qor::kLogWarning, sender, u"Invalid object type: %i",
                      static_cast<int32_t>(type));
        return false;
    }
    if (!object->Load(stream, version)) {
        qor::LogEntry(qor::kLogWarning, sender, u"Can't load object. Object type: %i, version: %i",
                      static_cast<int32_t>(type), static_cast<int32_t>(version));
        object->state = kStateGone;
        scene.RemoveDeadObjects();
        return false;
    }
    return true;
}

void WriteObjectRecords(const cBaseWidget& scene, qor::cBitStream& stream) {
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer)) {
            stream.WriteU32(object->GetTypeId());
            object->Save(stream);
        }
    }
}

void SettleNextId(cBaseWidget& scene, uint32_t fileNextId) {
    uint32_t next = fileNextId;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : scene.Layer(layer)) {
            if (object->id != UINT32_MAX)
                next = std::max(next, object->id + 1);
        }
    }
    scene.nextObjectId = next;
}
