// The chain of the level with the lighthouse: what the mill does, then
// building the lighthouse, sending it a second worker and calling one off.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train04 {
namespace {

using namespace scene_type;

// The lighthouse steps share their building; each finds it again when made
// on its own.
class cLighthouseStep : public cTrain {
  public:
    cLighthouseStep(cLevelWidget& level, std::u16string_view key, float delay, int32_t flags,
                    cObject* lighthouse)
        : cTrain(level, key, delay, false, flags) {
        target = lighthouse ? lighthouse : FindTrainTarget(kTunnelBuild, u"lighthouse00");
    }

  protected:
    int Men() const {
        const cObject* lighthouse = LiveTarget();
        return lighthouse ? static_cast<int>(lighthouse->GetAssignedMen().size()) : 0;
    }
};

class cFreeWorker : public cLighthouseStep {
  public:
    cFreeWorker(cLevelWidget& level, cObject* lighthouse)
        : cLighthouseStep(level, u"Train04FreeWorker", 3.0f, 33, lighthouse) {}
    bool CanStart() override {
        m_menAtStart = Men();
        return m_menAtStart >= 2;
    }
    bool IsDone() override { return TargetGone() || Men() != m_menAtStart; }

  private:
    int m_menAtStart = 0;
};

class cAddWorker : public cLighthouseStep {
  public:
    cAddWorker(cLevelWidget& level, cObject* lighthouse)
        : cLighthouseStep(level, u"Train04AddWorker", 2.0f, 9, lighthouse) {}
    bool CanStart() override {
        const cObject* lighthouse = LiveTarget();
        return lighthouse && Men() >= 1 && Men() < static_cast<int>(lighthouse->workPlaces.size());
    }
    bool IsDone() override { return TargetGone() || Men() >= 2; }
    std::unique_ptr<cTrain> Next() override {
        return std::make_unique<cFreeWorker>(level, LiveTarget());
    }
};

class cBuildLighthouse : public cLighthouseStep {
  public:
    explicit cBuildLighthouse(cLevelWidget& level)
        : cLighthouseStep(level, u"Train04BuildLightHouse", 0.6f, 9, nullptr) {}
    bool IsDone() override { return TargetGone() || target->jobMarkers != 0; }
    std::unique_ptr<cTrain> Next() override {
        return std::make_unique<cAddWorker>(level, LiveTarget());
    }
};

class cMill : public cTrain {
  public:
    explicit cMill(cLevelWidget& level) : cTrain(level, u"Train04Mill", 1.0f, true, 9) {
        target = FindTrainTarget(kPlant, u"mill00");
    }
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cBuildLighthouse>(level); }
};

}  // namespace
}  // namespace train04

std::unique_ptr<cTrain> MakeTrain04(std::u16string_view step, cLevelWidget& level) {
    using namespace train04;
    if (step == u"cMill")
        return std::make_unique<cMill>(level);
    if (step == u"cBuildLighthouse")
        return std::make_unique<cBuildLighthouse>(level);
    if (step == u"cAddWorker")
        return std::make_unique<cAddWorker>(level, nullptr);
    if (step == u"cFreeWorker")
        return std::make_unique<cFreeWorker>(level, nullptr);
    return nullptr;
}
