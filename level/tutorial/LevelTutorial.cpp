// The level's side of the tutorial: it makes the first step of its chain on
// a first play with hints wanted, ticks the current step, installs the next
// one, and drops the chain when it ends, when the player switches hints off
// or when the level turns out to be won already.
#include "level/LevelWidget.h"
#include "level/tutorial/Train.h"

void cLevelWidget::CreateTutorial(const std::u16string& step) {
    DropTutorial();
    if (!m_host->TutorialWanted())
        return;
    trainStep = CreateTrainStep(step, *this);
}

void cLevelWidget::DropTutorial() {
    if (!trainStep)
        return;
    if (trainStep->phase == kTrainShown || trainStep->phase == kTrainClosing)
        m_host->CloseWindow(u"train");
    trainStep.reset();
}

void cLevelWidget::TutorialTick() {
    if (!trainStep)
        return;
    if (trainStep->finished != 0 || !m_host->TutorialWanted()) {
        DropTutorial();
        return;
    }
    trainStep->TickStep();
    if (std::unique_ptr<cTrain> next = trainStep->TakeNext())
        trainStep = std::move(next);
}

void cLevelWidget::AcknowledgeTutorial(bool byClick) {
    if (!trainStep)
        return;
    if (byClick) {
        qor::cRectF frame;
        const qor::cVec2 at = PointerPos();
        if (!m_host->ControlRect(u"train", u"frame", &frame) || at.x < frame.x || at.y < frame.y ||
            at.x >= frame.x + frame.w || at.y >= frame.y + frame.h)
            return;
    }
    trainStep->Acknowledge();
}
