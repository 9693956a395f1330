#include "scene/BaseWidget.h"

#include <algorithm>

#include "engine/BitStream.h"
#include "scene/Node.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"

namespace {

int ClampLayer(int layer) {
    return std::clamp(layer, 0, kLayerCount - 1);
}

template <class T>
void EraseAll(std::vector<T*>& list, const cObject* object) {
    std::erase_if(list, [object](const T* entry) { return entry == object; });
}

}  // namespace

cBaseWidget::cBaseWidget(std::u16string name, const cObjectFactory* factory,
                         cSceneServices* services)
    : qor::cWidget(std::move(name)),
      m_factory(factory),
      m_services(services ? services : &DefaultSceneServices()) {}

cBaseWidget::~cBaseWidget() = default;

void cBaseWidget::SetServices(cSceneServices* services) {
    m_services = services ? services : &DefaultSceneServices();
}

cObjectList& cBaseWidget::ListOf(cObject* object) {
    return object->m_dead ? m_dead : m_layers[object->m_layer];
}

const cObjectList& cBaseWidget::Layer(int layer) const {
    return m_layers[ClampLayer(layer)];
}

size_t cBaseWidget::ObjectCount() const {
    size_t count = 0;
    for (const cObjectList& list : m_layers)
        count += list.size();
    return count;
}

void cBaseWidget::Clear() {
    // Everything leaves the lists before anything is destroyed, so that no
    // destructor meets a half-cleared scene.
    cObjectList doomed;
    for (cObjectList& list : m_layers)
        doomed.splice(doomed.end(), list);
    doomed.splice(doomed.end(), m_dead);
    ++m_generation;
    doomed.clear();
    nextObjectId = 0;
    m_services->ClearParticles();
}

void cBaseWidget::OnObjectRemoved(cObject* object) {
    if (!object)
        return;
    if (object->GetTypeId() == scene_type::kNode) {
        auto* node = static_cast<cNode*>(object);
        if (node->owner)
            EraseAll(node->owner->workPlaces, node);
    } else if (object->GetTypeId() == scene_type::kNodeObj) {
        auto* node = static_cast<cNodeObj*>(object);
        if (node->owner)
            EraseAll(node->owner->approachNodes, node);
    }
}

cObject* cBaseWidget::CreateObject(uint32_t type) {
    if (!m_factory)
        return nullptr;
    std::unique_ptr<cObject> object = m_factory->Make(type, this);
    if (!object)
        return nullptr;
    cObject* raw = object.get();
    raw->id = nextObjectId++;
    raw->m_layer = kLayerCount - 1;
    cObjectList& list = m_layers[raw->m_layer];
    list.push_back(std::move(object));
    raw->m_slot = std::prev(list.end());
    raw->m_listed = true;
    return raw;
}

int cBaseWidget::SetObjectLayer(cObject* object, int layer) {
    layer = ClampLayer(layer);
    if (!object || object->scene != this || !object->m_listed || object->m_dead ||
        object->m_layer == layer)
        return layer;
    m_layers[layer].splice(m_layers[layer].end(), m_layers[object->m_layer], object->m_slot);
    object->m_layer = layer;
    return layer;
}

cObject* cBaseWidget::FindObject(uint32_t id) const {
    for (const cObjectList& list : m_layers) {
        for (const auto& object : list) {
            if (object->id == id)
                return object.get();
        }
    }
    return nullptr;
}

cObject* cBaseWidget::FindObjectByName(std::u16string_view objectName) const {
    for (const cObjectList& list : m_layers) {
        for (const auto& object : list) {
            if (object->name == objectName)
                return object.get();
        }
    }
    return nullptr;
}

void cBaseWidget::MoveToTop(cObject* object) {
    if (!object || object->scene != this || !object->m_listed)
        return;
    cObjectList& list = ListOf(object);
    list.splice(list.end(), list, object->m_slot);
}

void cBaseWidget::MoveToBottom(cObject* object) {
    if (!object || object->scene != this || !object->m_listed)
        return;
    cObjectList& list = ListOf(object);
    list.splice(list.begin(), list, object->m_slot);
}

int cBaseWidget::CollectObjects(std::vector<cObject*>& out, uint32_t typeMask, int layer) const {
    out.clear();
    const int first = layer < 0 ? 0 : ClampLayer(layer);
    const int last = layer < 0 ? kLayerCount - 1 : first;
    for (int k = first; k <= last; ++k) {
        for (const auto& object : m_layers[k]) {
            if (object->IsKind(typeMask))
                out.push_back(object.get());
        }
    }
    return static_cast<int>(out.size());
}

void cBaseWidget::TickObjects() {
    m_stepList.clear();
    for (const cObjectList& list : m_layers) {
        for (const auto& object : list) {
            if (object->state != kStateGone)
                m_stepList.push_back(object.get());
        }
    }
    const uint32_t generation = m_generation;
    for (cObject* object : m_stepList) {
        object->Tick();
        if (m_generation != generation)
            break;  // the scene was cleared: the rest of the list is gone
    }
    m_stepList.clear();
}

void cBaseWidget::DrawLayers(int first, int last) {
    for (int k = ClampLayer(first); k <= ClampLayer(last); ++k) {
        for (const auto& object : m_layers[k])
            object->Draw();
    }
}

void cBaseWidget::SortLayer(int layer, bool (*before)(const cObject&, const cObject&)) {
    // A list sort is stable and keeps every element where it lives, so the
    // objects' own iterators into the list stay valid.
    m_layers[ClampLayer(layer)].sort(
        [before](const auto& a, const auto& b) { return before(*a, *b); });
}

cObject* cBaseWidget::PickObject(qor::cVec2 point) const {
    for (int k = kLayerCount - 1; k >= 0; --k) {
        const cObjectList& list = m_layers[k];
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            const cObject* object = it->get();
            if (object->state != kStateGone && object->HitTest(point) != 0)
                return it->get();
        }
    }
    return nullptr;
}

int cBaseWidget::RemoveDeadObjects() {
    int removed = 0;
    for (cObjectList& list : m_layers) {
        for (auto it = list.begin(); it != list.end();) {
            auto next = std::next(it);
            if ((*it)->state == kStateGone) {
                (*it)->m_dead = true;
                m_dead.splice(m_dead.end(), list, it);
                ++removed;
            }
            it = next;
        }
    }
    return removed;
}

void cBaseWidget::SaveObjectStates(qor::cBitStream& stream, uint32_t typeMask) const {
    stream.WriteU32(2);
    for (const cObjectList& list : m_layers) {
        for (const auto& object : list) {
            if (!object->IsKind(typeMask))
                continue;
            stream.WriteU32(object->GetTypeId());
            stream.WriteU32(object->id);
            object->SaveState(stream);
        }
    }
}

bool cBaseWidget::LoadObjectStates(qor::cBitStream& stream) {
    stream.Rewind();
    const uint32_t version = stream.ReadU32();
    bool whole = true;
    while (!stream.AtEnd()) {
        const uint32_t type = stream.ReadU32();
        const uint32_t id = stream.ReadU32();
        // The type must match exactly, or one class would read another's record.
        cObject* match = nullptr;
        bool typeHeld = false;
        for (const cObjectList& list : m_layers) {
            for (const auto& object : list) {
                typeHeld = typeHeld || object->GetTypeId() == type;
                if (object->GetTypeId() == type && object->id == id) {
                    match = object.get();
                    break;
                }
            }
            if (match)
                break;
        }
        if (!match) {
            // The record carries no length. A record of a class this scene
            // holds, for an object it no longer has (the map changed since the
            // progress was saved), is read past by a stand-in of that class, so
            // the records after it still count. Any other record stops reading.
            const std::unique_ptr<cObject> standIn =
                typeHeld && m_factory ? m_factory->Make(type, this) : nullptr;
            if (!standIn || !standIn->LoadState(stream, version))
                return false;
            whole = false;
            continue;
        }
        if (!match->LoadState(stream, version))
            return false;
    }
    return whole;
}
