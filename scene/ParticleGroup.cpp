#include "scene/ParticleGroup.h"

#include <cmath>

#include "engine/Texture.h"

namespace {
constexpr int kVerticesPerQuad = 6;
}

cParticleGroup::cParticleGroup(int capacity, int kind)
    : blendKind(kind),
      vertices(static_cast<size_t>(capacity) * kVerticesPerQuad),
      pool(static_cast<size_t>(capacity)) {}

cParticleGroup::~cParticleGroup() = default;

cEmitter* cParticleGroup::AddEmitter(std::unique_ptr<cEmitter> emitter) {
    emitters.push_back(std::move(emitter));
    return emitters.back().get();
}

int cParticleGroup::LiveCount() const {
    int live = 0;
    for (const cParticle& p : pool)
        live += p.life > 0.0f ? 1 : 0;
    return live;
}

void cParticleGroup::Clear() {
    emitters.clear();
    for (cParticle& p : pool)
        p.life = 0.0f;
    highWater = 0;
    // Nothing from before the clear may show at the next draw either.
    quadCount = 0;
    ++clearSerial;
}

void cParticleGroup::Update(float seconds, cRandom* random) {
    quadCount = 0;

    // Emitters that want particles this update, served one particle at a time in turn.
    std::vector<cEmitter*>& wanting = m_wanting;
    wanting.clear();
    for (size_t i = 0; i < emitters.size();) {
        cEmitter* e = emitters[i].get();
        if (e->IsFinished()) {
            emitters.erase(emitters.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        e->Update(seconds);
        if (e->pending > 0)
            wanting.push_back(e);
        ++i;
    }

    size_t turn = 0;
    int last = -1;
    const int capacity = Capacity();
    for (int slot = 0; slot < capacity; ++slot) {
        cParticle& p = pool[static_cast<size_t>(slot)];
        if (p.life > 0.0f) {
            p.life -= seconds;
            if (p.life > 0.0f) {
                p.Step(seconds);
                WriteQuad(p, p.size);
            } else {
                WriteQuad(p, 0.0f);  // seen no more; the slot is free from now on
            }
            last = slot;
            continue;
        }
        if (wanting.empty()) {
            if (slot >= highWater)
                break;
            continue;
        }
        cEmitter* e = wanting[turn];
        e->Spawn(&p, random);
        if (e->pending <= 0) {
            wanting.erase(wanting.begin() + static_cast<std::ptrdiff_t>(turn));
            if (turn >= wanting.size())
                turn = 0;
        } else {
            turn = (turn + 1) % wanting.size();
        }
        last = slot;
    }
    highWater = last < 0 ? 0 : last;
}

void cParticleGroup::WriteQuad(const cParticle& p, float s) {
    vec3 r = right, u = up;
    if (p.spin != 0.0f) {
        const float c = std::cos(p.angle), sn = std::sin(p.angle);
        r = right * c + up * sn;
        u = up * c - right * sn;
    }
    const vec3 a = p.position - (r + u) * s;
    const vec3 b = p.position + (r - u) * s;
    const vec3 cc = p.position - (r - u) * s;
    const vec3 d = p.position + (r + u) * s;
    const uint32_t color = p.Color();
    qor::cVertex* v = &vertices[static_cast<size_t>(quadCount) * kVerticesPerQuad];
    auto put = [color](qor::cVertex* out, const vec3& at, float tu, float tv) {
        *out = {at.x, at.y, at.z, color, tu, tv};
    };
    put(v + 0, a, 0.0f, 0.0f);
    put(v + 1, b, 1.0f, 0.0f);
    put(v + 2, cc, 0.0f, 1.0f);
    put(v + 3, cc, 0.0f, 1.0f);
    put(v + 4, b, 1.0f, 0.0f);
    put(v + 5, d, 1.0f, 1.0f);
    ++quadCount;
}

void SetBlendKeepingAlphaTest(int blendKind) {
    if (!qor::g_render)
        return;
    const int ref = qor::g_render->alphaRef();  // 0 … 255, or below 0 with the test off
    qor::g_render->SetBlend(blendKind, ref >= 0 ? (static_cast<float>(ref) + 0.5f) / 255.0f : 0.0f);
}

void cParticleGroup::Draw() const {
    if (quadCount == 0 || !qor::g_render || !qor::g_render->HasDevice())
        return;
    // As in the sprite batch: no texture draws plain colour, a texture whose
    // device texture could not be made draws nothing.
    if (texture && !texture->HasDeviceTexture())
        return;
    SetBlendKeepingAlphaTest(blendKind);
    qor::g_render->BindTexture(texture.get());
    qor::g_render->UploadVertices(vertices.data(),
                                  static_cast<size_t>(quadCount) * kVerticesPerQuad);
    qor::g_render->DrawTriangles(0, quadCount * kVerticesPerQuad);
}
