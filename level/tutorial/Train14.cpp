// The chain of the race for the nuggets: the nugget to win, and, only when
// every nugget went to the rival, the clock that tells the race is lost.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"
#include "level/tutorial/TrainChains.h"

namespace train14 {
namespace {

class cCompetitionFailed : public cTrain {
  public:
    explicit cCompetitionFailed(cLevelWidget& level)
        : cTrain(level, u"Train14CompetitionFailed", 0.6f, true, 36) {
        targetControl = u"time_line";
    }
    // The story's timer ran out: the nuggets are spent.
    bool CanStart() override { return level.storyStep == -1; }
};

class cCompetition : public cTrainNote {
  public:
    explicit cCompetition(cLevelWidget& level)
        : cTrainNote(level, u"Train14Competition", 1.0f, 12, FindTrainNamed(level, u"nugget01")) {}
    std::unique_ptr<cTrain> Next() override { return std::make_unique<cCompetitionFailed>(level); }
};

}  // namespace
}  // namespace train14

std::unique_ptr<cTrain> MakeTrain14(std::u16string_view step, cLevelWidget& level) {
    using namespace train14;
    if (step == u"cCompetition")
        return std::make_unique<cCompetition>(level);
    if (step == u"cCompetitionFailed")
        return std::make_unique<cCompetitionFailed>(level);
    return nullptr;
}
