#include "level/replay/ReplayPlayer.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "app/Widget.h"
#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"

namespace {

std::string DigestText(uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

}  // namespace

bool FindPickPoint(const cBaseWidget& scene, const cObject* object, qor::cVec2* point) {
    if (!object)
        return false;
    const qor::cRectF b = object->GetBounds();
    std::vector<qor::cVec2> tries{{b.x + b.w * 0.5f, b.y + b.h * 0.5f}};
    for (int gy = 1; gy < 8; ++gy) {
        for (int gx = 1; gx < 8; ++gx)
            tries.push_back({b.x + b.w * gx / 8.0f, b.y + b.h * gy / 8.0f});
    }
    for (qor::cVec2 p : tries) {
        if (scene.PickObject(p) == object) {
            *point = p;
            return true;
        }
    }
    return false;
}

cReplayPlayer::cReplayPlayer(cReplay replay) : m_replay(std::move(replay)) {}

cReplayPlayer::~cReplayPlayer() {
    if (m_level && m_level->replayTap == this)
        m_level->replayTap = nullptr;
}

bool cReplayPlayer::Start(cLevelWidget& level, std::span<const uint8_t> levelBytes,
                          std::string* error) {
    const uint64_t digest = DigestLevelBytes(levelBytes);
    if (digest != m_replay.levelDigest) {
        *error = "made for the level '" + m_replay.levelName + "' with the digest " +
                 DigestText(m_replay.levelDigest) + ", not for this level file (" +
                 DigestText(digest) + ")";
        return false;
    }
    level.Host().Random().seed = m_replay.seed;
    qor::cBitStream stream;
    stream.Load(levelBytes.data(), levelBytes.size());
    level.LoadLevel(stream);
    const std::string name = qor::ToUtf8(level.levelName).substr(0, kReplayMaxName);
    if (name != m_replay.levelName) {
        *error = "made for the level '" + m_replay.levelName + "', but this file is the level '" +
                 name + "'";
        return false;
    }
    m_next = 0;
    m_ticks = 0;
    m_pointer = {-10000.0f, -10000.0f};
    m_error.clear();
    m_level = &level;
    level.replayTap = this;
    return true;
}

bool cReplayPlayer::RunToEnd(std::string* error) {
    while (m_level && m_ticks < m_replay.endTick)
        m_level->Tick();
    if (m_level) {
        cLevelWidget& level = *m_level;
        if (RunStep(level, m_ticks))
            End({});
    }
    *error = m_error;
    return m_error.empty();
}

void cReplayPlayer::End(const std::string& error) {
    if (!m_level)
        return;
    if (m_level->replayTap == this)
        m_level->replayTap = nullptr;
    m_level = nullptr;
    m_error = error;
    if (onEnded)
        onEnded();
}

void cReplayPlayer::Inject(cLevelWidget& level, int kind, int param) {
    m_injecting = true;
    level.OnEvent(kind, param);
    m_injecting = false;
}

bool cReplayPlayer::RunStep(cLevelWidget& level, int32_t step) {
    bool clocked = false;
    for (size_t k = m_next; k < m_replay.records.size() && m_replay.records[k].tick == step; ++k)
        clocked = clocked || m_replay.records[k].action == eReplayAction::kClock;
    m_injecting = true;
    if (step >= 1 && !clocked)
        level.Update(kTickSeconds);
    m_injecting = false;
    for (; m_next < m_replay.records.size() && m_replay.records[m_next].tick == step; ++m_next) {
        const cReplayRecord& r = m_replay.records[m_next];
        switch (r.action) {
            case eReplayAction::kKey:
                Inject(level, qor::kWidgetKeyDown, r.value);
                break;
            case eReplayAction::kPress:
                m_pointer = r.at;
                Inject(level, qor::kWidgetMouseDown, r.value);
                break;
            case eReplayAction::kClick: {
                const cObject* object = level.FindObjectByName(qor::FromUtf8(r.name));
                if (!FindPickPoint(level, object, &m_pointer)) {
                    End("step " + std::to_string(step) + ": nothing named '" + r.name +
                        "' can be clicked");
                    return false;
                }
                Inject(level, qor::kWidgetMouseDown, r.value);
                break;
            }
            case eReplayAction::kPoint:
                m_pointer = r.at;
                break;
            case eReplayAction::kClock:
                m_injecting = true;
                for (float s : r.seconds)
                    level.Update(s);
                m_injecting = false;
                break;
        }
        // An input may have ended the level under the replay.
        if (m_level != &level)
            return false;
    }
    return true;
}

void cReplayPlayer::BeforeTick(cLevelWidget& level) {
    if (m_ticks >= m_replay.endTick) {
        // The last step's records, then the player has the level back.
        if (RunStep(level, m_ticks))
            End({});
        return;
    }
    if (RunStep(level, m_ticks))
        ++m_ticks;
}

bool cReplayPlayer::OnUpdate(cLevelWidget& /*level*/, float /*seconds*/) {
    return m_injecting;
}

bool cReplayPlayer::OnInput(cLevelWidget& /*level*/, int /*kind*/, int /*param*/,
                            qor::cVec2 /*pointer*/) {
    return m_injecting;
}

bool cReplayPlayer::Pointer(qor::cVec2* at) const {
    *at = m_pointer;
    return true;
}

void cReplayPlayer::OnLevelCleared(cLevelWidget& /*level*/) {
    if (m_level)
        End(m_ticks < m_replay.endTick ? "the level was left at step " + std::to_string(m_ticks)
                                       : std::string());
}
