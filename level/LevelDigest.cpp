#include "level/LevelDigest.h"

#include <cstring>

#include "level/units/Enemy.h"
#include "level/LevelWidget.h"
#include "level/units/Man.h"

namespace {

// FNV-1a over the bytes of each value, in a fixed order.
class cDigest {
  public:
    template <class T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) {
            m_hash ^= b;
            m_hash *= 1099511628211ull;
        }
    }
    void Add(const ResourceSet& r) {
        for (int i = 0; i < kResourceCount; ++i)
            Add(r[i]);
    }
    void Add(qor::cVec2 v) {
        Add(v.x);
        Add(v.y);
    }
    void AddId(const cObject* object) { Add(object ? object->id : 0xFFFFFFFFu); }
    uint64_t Value() const { return m_hash; }

  private:
    uint64_t m_hash = 14695981039346656037ull;
};

}  // namespace

uint64_t DigestLevel(const cLevelWidget& level) {
    cDigest d;
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (const auto& object : level.Layer(layer)) {
            d.Add(object->GetTypeId());
            d.Add(object->id);
            d.Add(object->state);
            d.Add(object->GetPosition());
            d.Add(layer);
            d.Add(object->jobMarkers);
            d.Add(object->GetFrame());
            d.AddId(object->occupant);
            if (object->IsKind(scene_type::kWorkers | scene_type::kRoamingEnemies)) {
                const auto* man = static_cast<const cMan*>(object.get());
                d.AddId(man->target);
                d.Add(man->bag);
                d.Add(man->carriedItem);
                d.Add(man->path.size());
                for (qor::cVec2 p : man->path)
                    d.Add(p);
                d.Add(man->mover.to);
                d.Add(man->mover.elapsed);
            }
            if (object->IsKind(scene_type::kRoamingEnemies)) {
                const auto* enemy = static_cast<const cEnemy*>(object.get());
                d.Add(enemy->health);
                d.Add(enemy->hidden);
                d.Add(enemy->frozen);
                d.AddId(enemy->home);
            }
        }
    }
    cLevelHost& host = level.Host();
    d.Add(host.GetResources());
    d.Add(host.GetLevelTime());
    d.Add(host.Random().seed);
    d.Add(level.state);
    d.Add(level.timeLeft);
    d.Add(level.jobQueue.size());
    for (const cObject* object : level.jobQueue)
        d.AddId(object);
    for (const cLevelWidget::cSpell& spell : level.spells) {
        d.Add(spell.spell);
        d.Add(spell.timer);
    }
    d.Add(level.thawPending);
    return d.Value();
}
