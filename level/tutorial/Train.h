#pragma once
// One step of a level's tutorial: after a short delay it points the hint
// window ("train") at an object of the level or at a control of the HUD,
// waits until the player did what it says (or, for a message, dismissed
// it), closes the hint and hands over to the next step of its chain. The
// level owns the current step (trainStep) and ticks it while it plays and
// no talk runs. The chains live one per file beside this one.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/Ramp.h"
#include "engine/SpriteBatch.h"

class cLevelWidget;
class cObject;

// The steps' phases.
enum eTrainPhase : int32_t {
    kTrainOver = -1,    // closed, or nothing to point at
    kTrainWaiting = 0,  // delay running, or the start condition not met yet
    kTrainShown = 1,    // the hint shows
    kTrainClosing = 2,  // done: the hint closes with the next tick
};

// Placement flags of a step's hint.
inline constexpr int32_t kTrainLeft = 1;
inline constexpr int32_t kTrainBelow = 32;

class cTrain {
  public:
    // A dismissed message goes after this long even without a key or click.
    static constexpr float kAcknowledgeSeconds = 10.0f;

    cTrain(cLevelWidget& level, std::u16string_view key, float delay, bool acknowledge,
           int32_t placement);
    virtual ~cTrain();
    cTrain(const cTrain&) = delete;
    cTrain& operator=(const cTrain&) = delete;

    virtual bool CanStart() { return true; }
    // A message is done once dismissed; a task when the player did it.
    virtual bool IsDone() { return acknowledge == 0; }
    // The step that follows this one, or null when the chain ends here.
    virtual std::unique_ptr<cTrain> Next() { return nullptr; }
    // Where the arrow points and how large a circle it keeps clear; false
    // when the step has nothing to point at.
    virtual bool GetAnchor(qor::cVec2& at, float& radius);

    // One 1/30 s step of the delay, the show, the wait and the close.
    void TickStep();
    // A key, or a click inside the hint's frame, dismisses a message.
    void Acknowledge();
    // The step that Next() made once this one closed; null before, and when
    // the chain ended (then `finished` is set).
    std::unique_ptr<cTrain> TakeNext() { return std::move(m_next); }

    std::u16string text;
    cObject* target = nullptr;     // what the arrow points at; not owned
    std::u16string targetControl;  // or a control of the HUD's window "level"
    uint8_t acknowledge = 0;
    int32_t placement = kTrainLeft | kTrainBelow;
    uint8_t follow = 0;  // the target walks: the hint goes along
    int32_t phase = kTrainWaiting;
    qor::cRamp delay{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    float shownSeconds = 0.0f;  // how long a message has waited
    uint8_t finished = 0;       // the chain is over

  protected:
    cObject* FindTrainTarget(uint32_t typeMask, std::u16string_view kind) const;
    cObject* FindNamed(std::u16string_view name) const;
    // The object is still in the level and not gone. Targets are kept as
    // plain pointers, and an object that left the level must never be read.
    bool Alive(const cObject* object) const;
    // The target, or null once it left the level.
    cObject* LiveTarget() const { return Alive(target) ? target : nullptr; }
    // Gone from the level, or dying this very tick.
    bool TargetGone() const;

    cLevelWidget& level;

  private:
    void Show(bool first);

    std::unique_ptr<cTrain> m_next;
};

// Among the live objects of the mask (every layer) and, unless `kind` is
// empty, of that kind, the one nearest to the camp; null for none.
cObject* FindTrainTarget(const cLevelWidget& level, uint32_t typeMask, std::u16string_view kind);
// The live object of that name, or null.
cObject* FindTrainNamed(const cLevelWidget& level, std::u16string_view name);

// A message at an object: it shows until the player dismisses it, then the
// chain ends. Most chains of the later levels are one such step.
class cTrainNote : public cTrain {
  public:
    cTrainNote(cLevelWidget& level, std::u16string_view key, float delay, int32_t placement,
               cObject* at)
        : cTrain(level, key, delay, true, placement) {
        target = at;
    }
};

// The step of that name ("train00::cTakeField"), or null (logged) for a
// name no chain knows.
std::unique_ptr<cTrain> CreateTrainStep(std::u16string_view name, cLevelWidget& level);
