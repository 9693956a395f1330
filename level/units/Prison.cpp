#include "level/units/Prison.h"

#include "level/LevelWidget.h"
#include "level/units/Worker.h"
#include "scene/Node.h"
#include "scene/SceneServices.h"
#include "scene/SoundNumbers.h"

namespace {

using namespace scene_type;

constexpr float kMarkerHeight = 100.0f;
constexpr float kSaluteHeight = 40.0f;
constexpr float kStorySeconds = 1.2f;

// Levels whose story goes on when their prison opens, with the talk it starts.
struct cPrisonStory {
    const char16_t* level;
    const char16_t* talk;
};
constexpr cPrisonStory kPrisonStories[] = {{u"035", u"0351"}, {u"032", u"0321"}};

}  // namespace

void cPrison::SetKind(const std::u16string& kindName) {
    cObject::SetKind(kindName);
    // Among the walkers, so that one behind it is hidden by its walls.
    SetLayer(6);
    AddAnimation(u"life", u"prison00");
    head = Services().FindSprite(u"head");
    PlayAnimation(u"life", qor::kAnimLoop, true);
    if (cLevelWidget* level = LevelOf(this); level && !level->prison)
        level->prison = this;
}

bool cPrison::OnStateChange(int32_t from, int32_t to) {
    if (!cObject::OnStateChange(from, to))
        return false;
    if (to == kStateGone) {
        FreeCaptives(false);
        ShowMarker(false);
    }
    return true;
}

void cPrison::Tick() {
    cObject::Tick();
    cLevelWidget* level = LevelOf(this);
    if (!level)
        return;
    if (storyTimer.Step(kTickSeconds) == 2) {
        level->QueueCommand(this, kCommandRecountGoals, kTaskSpecial);
        for (const cPrisonStory& story : kPrisonStories) {
            if (level->levelName == story.level)
                level->Host().StartTalk(story.talk);
        }
    }
    captives = level->CountPrisoners();
    ShowMarker(captives > 0 || !storyText.empty());
}

void cPrison::Draw() {
    cObject::Draw();
    if (captives <= 0 || !head.texture)
        return;
    // A row of heads over the roof, from the middle to the right.
    const qor::cRectF b = GetBounds();
    const float cx = b.x + b.w * 0.5f;
    const float cy = b.y + b.h * 0.5f;
    for (int i = 0; i < captives; ++i) {
        const qor::cVec2 at{cx + 0.5f * static_cast<float>(i) * head.width, cy + 0.4f * b.h};
        DrawSpriteRect(Services().Batch(), head, 0, FrameRect(head, 0, at), 0xFFFFFFFFu);
    }
}

int cPrison::HitTest(qor::cVec2 point) const {
    if (state == kStateGone)
        return 0;
    return cLevelWidget::PixelTest(this, point) ? 1 : 0;
}

std::u16string cPrison::GetHintText() const {
    const cLevelWidget* level = LevelOf(this);
    const ResourceSet have = level ? level->Host().GetResources() : ResourceSet{};
    const std::u16string cost = FormatResourcesCompared(GetPrice(), have);
    if (!storyText.empty())
        return cost + u": " + storyText + u"\n";
    std::u16string text = Services().Localize(kind) + u"\n";
    if (captives > 0)
        text += Services().Localize(u"OpenPrison") + u": " + cost + u"\n";
    return text;
}

ResourceSet cPrison::GetPrice() const {
    return hasPrice ? price : kDefaultPrice;
}

cObject* cPrison::AssignMan(cObject* /*man*/) {
    if (!workPlaces.empty())
        return workPlaces.front();
    return this;
}

void cPrison::ShowMarker(bool show) {
    if (show == (marker != nullptr))
        return;
    if (marker) {
        marker->SetState(kStateGone);
        marker = nullptr;
        return;
    }
    if (cLevelWidget* level = LevelOf(this))
        marker = level->CreateObjectHint({x, y + kMarkerHeight});
}

void cPrison::Open() {
    cLevelWidget* level = LevelOf(this);
    if (!level)
        return;
    if (!storyText.empty()) {
        level->salutes.AddSalute({x, y + kSaluteHeight}, 70.0f, 0.65f, 0);
        storyTimer.Restart(0.0f, kStorySeconds);
        storyText.clear();
    } else {
        FreeCaptives(true);
    }
    level->Host().PlaySound(kSoundWorkerJoy);
    level->effects.AddLaser({x, y});
    level->Host().PlaySound(kSoundBonusStart);
    ShowMarker(false);
}

void cPrison::FreeCaptives(bool sendHome) {
    cLevelWidget* level = LevelOf(this);
    if (!level)
        return;
    for (cWorker* man : level->CollectMen()) {
        if (man->state != kWorkerHeld || (man->target && man->target != this))
            continue;
        man->threat = nullptr;
        if (sendHome && level->base && level->SendWorker(man, level->base, true))
            continue;
        // No way home, or no prison any more: out at the door, free.
        man->SetTarget(nullptr);
        man->SetState(kWorkerIdle);
    }
    captives = 0;
}
