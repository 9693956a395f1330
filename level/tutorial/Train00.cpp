// The first level's chain: take the ripe field, read the task panel and the
// clock, fell a tree, build a house and clear the log off the road.
#include "level/LevelWidget.h"
#include "level/sites/Field.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train00 {
namespace {

using namespace scene_type;

class cRemoveBarrier : public cTrain {
  public:
    explicit cRemoveBarrier(cLevelWidget& level)
        : cTrain(level, u"Train00RemoveBarrier", 0.6f, false, 33) {
        target = FindTrainTarget(kBarrier, u"log00");
    }
    bool IsDone() override { return TargetGone(); }
};

class cBuildHouse : public cTrain {
  public:
    explicit cBuildHouse(cLevelWidget& level)
        : cTrain(level, u"Train00BuildHouse", 0.6f, false, 33) {
        target = FindTrainTarget(kBuild, u"house00");
    }
    bool IsDone() override {
        const cObject* house = LiveTarget();
        return !house || house->state == kStateReady;
    }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cRemoveBarrier>(level); }
};

class cTakeTree : public cTrain {
  public:
    explicit cTakeTree(cLevelWidget& level) : cTrain(level, u"Train00TakeTree", 0.6f, false, 33) {
        target = FindTrainTarget(kTree, u"tree00");
    }
    // A felled tree is a stump (state 0).
    bool IsDone() override { return TargetGone() || target->state == 0; }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cBuildHouse>(level); }
};

class cLevelTime : public cTrain {
  public:
    explicit cLevelTime(cLevelWidget& level) : cTrain(level, u"Train00LevelTime", 0.6f, true, 36) {
        targetControl = u"time_line";
    }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cTakeTree>(level); }
};

class cPanelTask : public cTrain {
  public:
    explicit cPanelTask(cLevelWidget& level) : cTrain(level, u"Train00PanelTask", 0.6f, false, 33) {
        targetControl = u"frame_task0";
    }
    // The player pointed at the goal line: its full text shows.
    bool IsDone() override { return level.Host().IsWindowShown(u"hint_task"); }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cLevelTime>(level); }
};

class cTakeField : public cTrain {
  public:
    explicit cTakeField(cLevelWidget& level) : cTrain(level, u"Train00TakeField", 1.0f, false, 33) {
        target = FindTrainTarget(kField, u"field00");
        // Ripe at once, so that the very first click of the game harvests.
        if (target)
            target->SetState(kFieldRipe);
    }
    bool IsDone() override { return TargetGone() || target->state != kFieldRipe; }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cPanelTask>(level); }
};

}  // namespace
}  // namespace train00

std::unique_ptr<cTrain> MakeTrain00(std::u16string_view step, cLevelWidget& level) {
    using namespace train00;
    if (step == u"cTakeField")
        return std::make_unique<cTakeField>(level);
    if (step == u"cPanelTask")
        return std::make_unique<cPanelTask>(level);
    if (step == u"cLevelTime")
        return std::make_unique<cLevelTime>(level);
    if (step == u"cTakeTree")
        return std::make_unique<cTakeTree>(level);
    if (step == u"cBuildHouse")
        return std::make_unique<cBuildHouse>(level);
    if (step == u"cRemoveBarrier")
        return std::make_unique<cRemoveBarrier>(level);
    return nullptr;
}
