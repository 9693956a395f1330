// The timed story of a level, checked every 5 s of play: traders who come
// once a road is open, stones falling from the sky, a second talk, and
// enemies that grow bolder as the clock runs. Each level has its own trigger,
// stepped by storyStep (-1: nothing more to come) with storyMark holding the
// time its current step began.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "level/LevelWidget.h"
#include "level/sites/Nugget.h"
#include "scene/ParticleManager.h"
#include "scene/SoundNumbers.h"

namespace {

constexpr int kDone = -1;

struct cStory {
    cLevelWidget& level;
    float t;  // the level's elapsed time

    cObject* Find(std::u16string_view name) const { return level.FindObjectByName(name); }
    // Gone for the story: not in the level, or taken away.
    bool Cleared(std::u16string_view name) const {
        const cObject* object = Find(name);
        return !object || object->state == kStateGone;
    }
    bool InState(std::u16string_view name, int32_t state) const {
        const cObject* object = Find(name);
        return object && object->state == state;
    }
    float Since() const { return t - level.storyMark; }
    void Step(int step) const { level.storyStep = step; }
    void Mark(int step) const {
        level.storyMark = t;
        level.storyStep = step;
    }
    cEnemySettings& Enemies() const { return level.enemySettings; }
    void Talk(const std::u16string& key) const { level.Host().StartTalk(key); }
    void Deal(std::u16string_view name) const { level.OfferStoryDeal(name); }
};

// A nugget with at most two loads left, or none at all.
bool NearlyDug(const cStory& s, std::u16string_view name) {
    const cObject* object = s.Find(name);
    if (!object || object->GetTypeId() != cNugget::kType)
        return true;
    return object->state == kNuggetSpent || static_cast<const cNugget*>(object)->jobsLeft <= 2;
}

void Story012(cStory& s) {
    if (s.t > 100.0f) {
        s.Enemies().banditSpeed *= 1.3f;
        s.Step(kDone);
    }
}

void Story013(cStory& s) {
    if (s.level.storyStep == 0) {
        if (s.t > 30.0f && s.Cleared(u"bar_tree00") && s.Cleared(u"bar_stone00")) {
            s.level.StartMeteors(15.0f);
            s.Mark(1);
        }
    } else if (s.Since() > 20.0f) {
        s.Talk(u"0131");
        s.Step(kDone);
    }
}

void Story014(cStory& s) {
    if (s.t > 60.0f) {
        s.Enemies().spiritInterval *= 0.6f;
        s.Step(kDone);
    }
}

void Story015(cStory& s) {
    if (s.t > 60.0f) {
        s.Enemies().goblinInterval *= 0.6f;
        s.Enemies().spiritInterval *= 0.5f;
        s.Step(kDone);
    }
}

void Story016(cStory& s) {
    if (s.t > 30.0f && s.Cleared(u"bar_stone00")) {
        s.Deal(u"A016");
        s.Step(kDone);
    }
}

void Story017(cStory& s) {
    switch (s.level.storyStep) {
        case 0:
            if (s.t > 30.0f && !s.InState(u"house00", 0) && !s.InState(u"house01", 0)) {
                s.level.StartMeteors(0.0f);
                s.Mark(1);
                s.Enemies().spiritInterval = 9.0f;
                s.Enemies().enemyLimit = 4;
            }
            break;
        case 1:
            if (s.Since() > 5.0f) {
                s.Talk(u"0171");
                s.Mark(2);
            }
            break;
        default:
            if (s.Since() > 10.0f) {
                s.Deal(u"A017");
                s.Step(kDone);
            }
            break;
    }
}

void Story018(cStory& s) {
    if (s.t > 30.0f && NearlyDug(s, u"nugget00") && NearlyDug(s, u"nugget01") &&
        NearlyDug(s, u"nugget02")) {
        s.Deal(u"A018");
        s.Step(kDone);
    }
}

void Story020(cStory& s) {
    if (s.level.storyStep == 0) {
        if (!s.InState(u"tree00", 0) || !s.InState(u"tree01", 0))
            return;
        if (s.level.storyMark < 0.0f)
            s.level.storyMark = s.t;
        if (s.Since() >= 40.0f) {
            s.level.storyMark = -1.0f;
            s.Deal(u"A020a");
            s.Enemies().spiritInterval *= 0.8f;
            s.Step(1);
        }
        return;
    }
    if (s.level.Host().IsDealRunning())
        return;
    if (s.level.storyMark < 0.0f)
        s.level.storyMark = s.t;
    if (s.Since() >= 40.0f) {
        s.Deal(u"A020b");
        s.Enemies().spiritInterval *= 0.7f;
        s.Step(kDone);
    }
}

void Story021(cStory& s) {
    if (s.level.storyStep == 0) {
        if (s.t > 70.0f) {
            s.Enemies().spiritInterval *= 0.6f;
            s.Mark(1);
        }
    } else if (s.Since() >= 60.0f) {
        s.Enemies().spiritInterval *= 0.5f;
        s.Step(kDone);
    }
}

void Story022(cStory& s) {
    if (s.t <= 90.0f)
        return;
    switch (s.level.storyStep) {
        case 0:
            s.Enemies().spiritInterval = 16.0f;
            s.Enemies().enemyLimit = 6;
            s.Talk(u"0221");
            s.Mark(1);
            break;
        case 1:
            if (s.Since() >= 70.0f) {
                s.Enemies().spiritInterval = 10.0f;
                s.Enemies().enemyLimit = 7;
                s.Mark(2);
            }
            break;
        default:
            if (s.Since() >= 70.0f) {
                s.Enemies().spiritInterval = 2.0f;
                s.Enemies().enemyLimit = 10;
                s.Step(kDone);
            }
            break;
    }
}

void Story024(cStory& s) {
    if (s.level.storyStep == 0) {
        if (s.t > 100.0f) {
            s.Enemies().spiritInterval = 11.0f;
            s.Enemies().enemyLimit = 8;
            s.Mark(1);
        }
    } else if (s.Since() >= 60.0f) {
        s.Enemies().spiritInterval = 6.0f;
        s.Enemies().enemyLimit = 10;
        s.Step(kDone);
    }
}

void Story025(cStory& s) {
    if (s.t <= 120.0f)
        return;
    if (s.level.storyStep == 0) {
        s.Enemies().spiritInterval = 6.0f;
        s.Enemies().enemyLimit = 15;
        s.Talk(u"0251");
        s.Mark(1);
    } else if (s.Since() >= 40.0f) {
        s.Enemies().spiritInterval = 5.0f;
        s.Enemies().enemyLimit = 20;
        s.Step(kDone);
    }
}

void Story028(cStory& s) {
    if (s.level.storyStep == 0) {
        if (s.Cleared(u"bar_stone00")) {
            s.Deal(u"A028a");
            s.Step(1);
        }
    } else if (s.Cleared(u"bar_stone01")) {
        s.Deal(u"A028b");
        s.Step(kDone);
    }
}

// The competition: the goblins race the player for the five nuggets, and
// once the last is gone no medal better than bronze can be had.
void Story030(cStory& s) {
    for (char16_t i = u'0'; i <= u'4'; ++i) {
        const cObject* nugget = s.Find(std::u16string(u"nugget0") + i);
        if (nugget && nugget->state != 0)
            return;
    }
    cLevelWidget& level = s.level;
    level.Host().AddLevelTime(level.silverTime / 1.5f);
    level.timeLeft = 0.0f;
    if (qor::cRectF clock; g_particles && level.Host().ControlRect(u"level", u"time", &clock))
        g_particles->AddSparkle(50, 15.0f, 0xFFFF0000u,
                                {clock.x + clock.w * 0.5f, clock.y + clock.h * 0.5f});
    level.Host().PlaySound(kSoundBonusStop);
    s.Step(kDone);
}

void Story032(cStory& s) {
    if (s.Cleared(u"bar_tree00")) {
        s.Deal(u"A032");
        s.Step(kDone);
    }
}

void Story039(cStory& s) {
    if (s.level.storyStep == 0) {
        if (!s.InState(u"house00", 0)) {
            s.Deal(u"A039a");
            s.Step(1);
        }
    } else if (!s.level.Host().IsDealRunning() && s.level.Host().GetResources().mana < 50) {
        s.Deal(u"A039b");
        s.Step(kDone);
    }
}

// A level without "bridge00" never drops its stones; a missing "bridge01"
// counts as not finished.
void Story040(cStory& s) {
    if (s.Find(u"bridge00") &&
        (s.InState(u"bridge00", kStateReady) || s.InState(u"bridge01", kStateReady))) {
        s.level.StartMeteors(10.0f);
        s.Step(kDone);
    }
}

void Story041(cStory& s) {
    const bool bothStand = !s.Cleared(u"bar_stone00") && !s.Cleared(u"bar_stone01");
    if (!bothStand) {
        s.Deal(u"A041");
        s.Step(kDone);
    }
}

struct cTrigger {
    std::u16string_view level;
    void (*run)(cStory&);
};

constexpr cTrigger kTriggers[] = {
    {u"012", Story012}, {u"013", Story013}, {u"014", Story014}, {u"015", Story015},
    {u"016", Story016}, {u"017", Story017}, {u"018", Story018}, {u"020", Story020},
    {u"021", Story021}, {u"022", Story022}, {u"024", Story024}, {u"025", Story025},
    {u"028", Story028}, {u"030", Story030}, {u"032", Story032}, {u"039", Story039},
    {u"040", Story040}, {u"041", Story041},
};

}  // namespace

void cLevelWidget::StoryTick() {
    if (storyStep < 0)
        return;
    const auto* trigger = std::find_if(std::begin(kTriggers), std::end(kTriggers),
                                       [&](const cTrigger& row) { return row.level == levelName; });
    if (trigger == std::end(kTriggers))
        return;
    cStory story{*this, m_host->GetLevelTime()};
    trigger->run(story);
}
