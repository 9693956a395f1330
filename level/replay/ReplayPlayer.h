#pragma once
// Plays a replay: loads its level with its seed and feeds the recorded keys,
// buttons, pointer and clock back through the level's own input, step by
// step. In the game the level's steps drive it (the real player's input is
// held off meanwhile); headless, RunToEnd drives the level itself as fast as
// the processor allows.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "level/replay/Replay.h"
#include "level/replay/ReplayTap.h"

class cBaseWidget;
class cObject;

class cReplayPlayer : public cReplayTap {
  public:
    explicit cReplayPlayer(cReplay replay);
    ~cReplayPlayer() override;
    cReplayPlayer(const cReplayPlayer&) = delete;
    cReplayPlayer& operator=(const cReplayPlayer&) = delete;

    // Refuses (false, with the reason) a replay made for another level file;
    // otherwise sets the game's seed, loads the level and starts playing.
    bool Start(cLevelWidget& level, std::span<const uint8_t> levelBytes, std::string* error);
    // Headless: every remaining step, as fast as possible. False, with the
    // reason, when the replay could not be followed.
    bool RunToEnd(std::string* error);

    bool IsPlaying() const { return m_level != nullptr; }
    bool Failed() const { return !m_error.empty(); }
    const std::string& Error() const { return m_error; }
    int32_t Steps() const { return m_ticks; }
    const cReplay& Replay() const { return m_replay; }

    // Told once when playing ends: at the replay's end, when it could not be
    // followed (Error() says why) or when the level was cleared.
    std::function<void()> onEnded;

    // --- cReplayTap ---
    void BeforeTick(cLevelWidget& level) override;
    bool OnUpdate(cLevelWidget& level, float seconds) override;
    bool OnInput(cLevelWidget& level, int kind, int param, qor::cVec2 pointer) override;
    bool Pointer(qor::cVec2* at) const override;
    void OnLevelCleared(cLevelWidget& level) override;

  private:
    // The records of step `step`, with its clock; false when one failed.
    bool RunStep(cLevelWidget& level, int32_t step);
    void Inject(cLevelWidget& level, int kind, int param);
    void End(const std::string& error);

    cReplay m_replay;
    size_t m_next = 0;  // the first record not yet played
    int32_t m_ticks = 0;
    // Off the screen until the replay moves it: nothing is under it.
    qor::cVec2 m_pointer{-10000.0f, -10000.0f};
    bool m_injecting = false;
    cLevelWidget* m_level = nullptr;
    std::string m_error;
};

// A point where a click picks `object` (the centre of its picture first,
// then a grid over it); false when no point of it can be clicked.
bool FindPickPoint(const cBaseWidget& scene, const cObject* object, qor::cVec2* point);
