#include "level/replay/ReplayRecorder.h"

#include <utility>

#include "app/Widget.h"
#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "level/LevelWidget.h"

namespace {

constexpr int kKeyEscape = 27;

}  // namespace

cReplayRecorder::~cReplayRecorder() {
    Detach();
}

void cReplayRecorder::Detach() {
    if (m_level && m_level->replayTap == this)
        m_level->replayTap = nullptr;
    m_level = nullptr;
}

void cReplayRecorder::Start(cLevelWidget& level, std::span<const uint8_t> levelBytes, bool hints) {
    Detach();
    // Loading draws from the generator (fields pick their growth times):
    // the seed is the one before it.
    const uint32_t seed = level.Host().Random().seed;
    qor::cBitStream stream;
    stream.Load(levelBytes.data(), levelBytes.size());
    level.LoadLevel(stream);
    Attach(level, levelBytes, seed, hints);
}

void cReplayRecorder::Attach(cLevelWidget& level, std::span<const uint8_t> levelBytes,
                             uint32_t seed, bool hints) {
    Detach();
    m_replay = cReplay{};
    m_replay.levelDigest = DigestLevelBytes(levelBytes);
    m_replay.seed = seed;
    m_replay.hints = hints;
    m_replay.levelName = qor::ToUtf8(level.levelName).substr(0, kReplayMaxName);
    m_ticks = 0;
    m_bytes = 0;
    m_step.clear();
    m_pointerKnown = false;
    m_wonTold = false;
    m_level = &level;
    level.replayTap = this;
}

const cReplay& cReplayRecorder::Stop() {
    if (m_level) {
        CloseStep(m_pointer);
        m_replay.endTick = m_ticks;
        Detach();
    }
    return m_replay;
}

cReplay cReplayRecorder::SoFar() const {
    // The step under way is closed on a copy, as Stop would close it.
    cReplayRecorder copy;
    copy.m_replay = m_replay;
    copy.m_ticks = m_ticks;
    copy.m_bytes = m_bytes;
    copy.m_step = m_step;
    copy.m_pointer = m_pointer;
    copy.m_pointerKnown = m_pointerKnown;
    copy.CloseStep(m_pointer);
    copy.m_replay.endTick = m_ticks;
    return std::move(copy.m_replay);
}

void cReplayRecorder::CloseStep(qor::cVec2 pointer) {
    // The usual step, one frame of exactly one tick right after it, is not
    // written: a replay of steady play holds only the player's input.
    size_t frames = 0;
    for (const cItem& item : m_step)
        frames += item.frame ? 1 : 0;
    size_t first = 0;
    if (m_ticks >= 1 && frames == 1 && !m_step.empty() && m_step[0].frame &&
        m_step[0].seconds == kTickSeconds) {
        first = 1;
    } else if (m_ticks >= 1 && frames == 0) {
        // No frame at all after this step: say so, or the usual one is assumed.
        cReplayRecord none;
        none.tick = m_ticks;
        none.action = eReplayAction::kClock;
        Add(none);
    }
    for (size_t i = first; i < m_step.size(); ++i) {
        const cItem& item = m_step[i];
        if (!item.frame) {
            Add(item.record);
            continue;
        }
        cReplayRecord* clock = m_replay.records.empty() ? nullptr : &m_replay.records.back();
        const bool extend = i > first && m_step[i - 1].frame && clock &&
                            clock->action == eReplayAction::kClock &&
                            clock->seconds.size() < kReplayMaxClockValues;
        if (!extend) {
            cReplayRecord record;
            record.tick = m_ticks;
            record.action = eReplayAction::kClock;
            Add(record);
            clock = &m_replay.records.back();
        }
        clock->seconds.push_back(item.seconds);
        m_bytes += kBytesPerValue;
    }
    m_step.clear();
    if (!m_pointerKnown || pointer.x != m_pointer.x || pointer.y != m_pointer.y) {
        cReplayRecord record;
        record.tick = m_ticks;
        record.action = eReplayAction::kPoint;
        record.at = pointer;
        Add(record);
        m_pointer = pointer;
        m_pointerKnown = true;
    }
}

void cReplayRecorder::Add(const cReplayRecord& record) {
    m_replay.records.push_back(record);
    m_bytes += kBytesPerRecord + record.name.size() * 3 + record.seconds.size() * kBytesPerValue;
}

bool cReplayRecorder::IsFull() const {
    // Room for one more step of the busiest kind (every frame, a press, a
    // move) must be left, so that the file always reads back.
    return m_ticks >= kReplayMaxTicks || m_replay.records.size() + 64 >= kReplayMaxRecords ||
           m_bytes + 64 * kBytesPerRecord >= kReplayMaxBytes;
}

void cReplayRecorder::BeforeTick(cLevelWidget& level) {
    CloseStep(level.Host().GetCursorPos());
    if (IsFull()) {
        // As long as a reader takes: the recording ends here, kept.
        m_replay.endTick = m_ticks;
        Detach();
        if (onEnded)
            onEnded(m_replay);
        return;
    }
    ++m_ticks;
    m_replay.endTick = m_ticks;
    if (!m_wonTold && level.state == kLevelFinished) {
        m_wonTold = true;
        if (onWon)
            onWon(m_replay);
    }
}

bool cReplayRecorder::OnUpdate(cLevelWidget& /*level*/, float seconds) {
    m_step.push_back({true, seconds, {}});
    return true;
}

bool cReplayRecorder::OnInput(cLevelWidget& /*level*/, int kind, int param, qor::cVec2 pointer) {
    // Keys beyond the game's virtual-key range and odd buttons do nothing in
    // a level; they are not kept, so that every replay written reads back.
    const bool key = kind == qor::kWidgetKeyDown;
    if (param < 0 || param > (key ? 255 : 2))
        return true;
    // Escape only opens the pause menu, which is the player's and not the
    // level's: kept, a replay would stop in the pause menu wherever the
    // player paused, and every replay saved from that menu would end in it.
    if (key && param == kKeyEscape)
        return true;
    cReplayRecord record;
    record.tick = m_ticks;
    record.value = param;
    record.action = key ? eReplayAction::kKey : eReplayAction::kPress;
    if (!key) {
        record.at = pointer;
        // The pointer is where the press was: no separate move is needed.
        m_pointer = pointer;
        m_pointerKnown = true;
    }
    m_step.push_back({false, 0.0f, record});
    return true;
}

void cReplayRecorder::OnLevelCleared(cLevelWidget& /*level*/) {
    if (!m_level)
        return;
    Stop();
    if (onEnded)
        onEnded(m_replay);
}
