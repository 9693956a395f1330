#pragma once
// The results of a won level ("finish"). The time taken, the goods earned,
// the buildings raised and the new score count up one after another, each
// ending with a burst of sparkles; the medal's cup pops in once the time is
// in. "close" first finishes the count at once, then records the medal and
// the score and goes on to the world map (the closing story after the last
// level). "replay" saves the replay of the level just won.
#include <cstdint>

#include "gui/BaseWF.h"
#include "engine/Ramp.h"

class cCupCtrl;
namespace qor {
class cLabelCtrl;
class cTextBoxSysCtrl;
}  // namespace qor

class cFinishWF : public cBaseWF {
  public:
    int OnEvent(qor::cWindow* window, int kind, int param1, int param2) override;

    enum eStage : int { kStageTime, kStageResources, kStageBuilds, kStageScore, kStageDone };

    qor::cTextBoxSysCtrl* vars = nullptr;
    qor::cTextBoxSysCtrl* vals = nullptr;
    qor::cLabelCtrl* score = nullptr;
    cCupCtrl* cup = nullptr;

    int32_t medal = 2;
    int stage = kStageDone;
    qor::cRamp timeRamp, resourcesRamp, buildsRamp, scoreRamp;
    qor::cRamp counterRamp;  // the counting tick, every 0.1 s
    int32_t earned = 0;
    int32_t builds = 0;
    int32_t previousScore = 0;
    int32_t finalScore = 0;
    bool onScreen = false;  // between shown and hidden: a second "shown" starts nothing
    bool recorded = false;  // the medal and score of this showing are in the profile

  private:
    void Fill(qor::cWindow* window);
    void Prepare();
    void Count(float seconds);
    void EndStage();
    void CompleteCount();
    void WriteTexts();
    void Record(qor::cWindow* window);
    void RecordResult();
};
