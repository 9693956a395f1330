#pragma once
// Records a level as it is played: the level file's name and digest, the
// game's random seed before loading, and, step by step, every key and button
// the level takes, where the pointer is at each step and the frames of the
// level clock. Playing the result back (ReplayPlayer.h) gives the same level.
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "level/replay/Replay.h"
#include "level/replay/ReplayTap.h"

class cReplayRecorder : public cReplayTap {
  public:
    cReplayRecorder() = default;
    ~cReplayRecorder() override;
    cReplayRecorder(const cReplayRecorder&) = delete;
    cReplayRecorder& operator=(const cReplayRecorder&) = delete;

    // Loads the level from its file and records from its start. `hints` is
    // whether the tutorial's hints are wanted (they change what a level does).
    void Start(cLevelWidget& level, std::span<const uint8_t> levelBytes, bool hints);
    // Records a level that has just been loaded from `levelBytes`, with the
    // game's generator at `seed` before the loading, as the game loads every
    // level it plays; nothing has happened in it yet.
    void Attach(cLevelWidget& level, std::span<const uint8_t> levelBytes, uint32_t seed,
                bool hints);
    // Stops recording (the current step is closed) and gives the replay.
    const cReplay& Stop();
    bool IsRecording() const { return m_level != nullptr; }
    // The replay as recorded so far, up to the last closed step.
    const cReplay& Replay() const { return m_replay; }
    // The steps recorded so far and the one under way: the replay a player
    // who stops now would get, while the recording goes on.
    cReplay SoFar() const;

    // Told once when the level is won (to keep the replay safe at once), and
    // when the recording ended because the level was cleared or the replay
    // grew as long as a replay may be.
    std::function<void(const cReplay&)> onWon;
    std::function<void(const cReplay&)> onEnded;

    // --- cReplayTap ---
    void BeforeTick(cLevelWidget& level) override;
    bool OnUpdate(cLevelWidget& level, float seconds) override;
    bool OnInput(cLevelWidget& level, int kind, int param, qor::cVec2 pointer) override;
    void OnLevelCleared(cLevelWidget& level) override;

  private:
    // One thing that happened in the current step: a clock frame, or input.
    struct cItem {
        bool frame;
        float seconds;
        cReplayRecord record;
    };
    void CloseStep(qor::cVec2 pointer);
    void Detach();
    void Add(const cReplayRecord& record);
    // The replay has grown as long as a reader takes.
    bool IsFull() const;

    // What one record and one number take at most in the stored form.
    static constexpr size_t kBytesPerRecord = 40;
    static constexpr size_t kBytesPerValue = 16;

    cReplay m_replay;
    cLevelWidget* m_level = nullptr;
    int32_t m_ticks = 0;
    size_t m_bytes = 0;  // at most the stored form's size
    std::vector<cItem> m_step;
    qor::cVec2 m_pointer;
    bool m_pointerKnown = false;
    bool m_wonTold = false;
};
