#include "scene/ParticleManager.h"

#include "engine/SpriteBatch.h"

cParticleManager* g_particles = nullptr;

namespace {

struct cGroupSetup {
    const char16_t* texture;
    int capacity;
    int blendKind;
};

// Indexed by eParticleGroup.
constexpr cGroupSetup kGroups[kParticleGroupCount] = {
    {u"part01", 400, qor::kBlendAlpha},      // smoke
    {u"part09", 300, qor::kBlendAlphaAdd},   // fire
    {u"part05", 1000, qor::kBlendAlpha},     // freeze
    {u"part08", 1000, qor::kBlendAlpha},     // grow
    {u"part00", 1000, qor::kBlendAlphaAdd},  // sparkle
};

// The order the groups update in: it fixes the order of the random draws.
constexpr int kUpdateOrder[] = {kGroupSmoke, kGroupSparkle, kGroupFreeze, kGroupGrow, kGroupFire};
constexpr std::array<float, 16> kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
constexpr int kScenePass[] = {kGroupSmoke, kGroupFire, kGroupFreeze, kGroupGrow};

}  // namespace

cParticleManager::cParticleManager(qor::cSpriteBatch* batch)
    : referenceTransform(kIdentity), m_batch(batch) {
    for (int g = 0; g < kParticleGroupCount; ++g)
        m_groups[g] = std::make_unique<cParticleGroup>(kGroups[g].capacity, kGroups[g].blendKind);
}

cParticleManager::~cParticleManager() {
    if (g_particles == this)
        g_particles = nullptr;
}

void cParticleManager::LoadTextures() {
    for (int g = 0; g < kParticleGroupCount; ++g)
        m_groups[g]->texture = qor::FindTexture(kGroups[g].texture);
}

void cParticleManager::Update(float seconds) {
    const std::array<float, 16>& m = referenceTransform;
    const vec3 right{m[0], m[4], m[8]};
    const vec3 up{m[1], m[5], m[9]};
    for (int g : kUpdateOrder) {
        m_groups[g]->right = right;
        m_groups[g]->up = up;
        m_groups[g]->Update(seconds, &random);
    }
}

void cParticleManager::Draw(int pass) {
    // The renderer draws the scene with no view or world transform of its own.
    referenceTransform = kIdentity;
    if (!qor::g_render || !qor::g_render->HasDevice())
        return;
    qor::g_render->SetColor(0xFFFFFFFFu);
    if (pass == 2 || pass == 4) {
        if (m_batch && m_batch->runCount > 0) {
            qor::FlushBatch(m_batch);
            m_batch->Clear();
        }
        if (pass == 2) {
            for (int g : kScenePass)
                m_groups[g]->Draw();
        } else {
            m_groups[kGroupSparkle]->Draw();
        }
    }
    // Whatever the pass, the scene goes on with alpha blending.
    SetBlendKeepingAlphaTest(qor::kBlendAlpha);
}

void cParticleManager::ClearGroup(int group) {
    if (group >= 0 && group < kParticleGroupCount)
        m_groups[group]->Clear();
}

cEmitterStamp cParticleManager::Stamp(const cEmitter* emitter) const {
    for (int g = 0; emitter && g < kParticleGroupCount; ++g) {
        for (const auto& owned : Group(g).emitters) {
            if (owned.get() == emitter)
                return {g, Group(g).clearSerial};
        }
    }
    return {};
}

bool cParticleManager::IsCurrent(const cEmitterStamp& stamp) const {
    return stamp.group >= 0 && stamp.group < kParticleGroupCount &&
           Group(stamp.group).clearSerial == stamp.clears;
}

void cParticleManager::ClearAll() {
    for (auto& group : m_groups)
        group->Clear();
}

cEmitter* cParticleManager::Add(int group, std::unique_ptr<cEmitter> emitter) {
    return m_groups[group]->AddEmitter(std::move(emitter));
}

void cKeptEmitter::Keep(cEmitter* emitter) {
    m_emitter = emitter;
    m_stamp = emitter && g_particles ? g_particles->Stamp(emitter) : cEmitterStamp{};
}

cEmitter* cKeptEmitter::Get() const {
    return m_emitter && g_particles && g_particles->IsCurrent(m_stamp) ? m_emitter : nullptr;
}
