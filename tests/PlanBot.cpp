#include "tests/PlanBot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "app/Widget.h"
#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "level/replay/ReplayPlayer.h"
#include "level/units/Worker.h"
#include "scene/TypeIds.h"
#include "tests/LevelHarness.h"

namespace level_test {
namespace {

using namespace scene_type;

constexpr int32_t kHeroInHouse = 20;
constexpr int kButtonLeft = 0;
constexpr int kKeySpace = 32;
// How long past its silver time a plan may run before it counts as lost.
constexpr float kOvertimeSeconds = 60.0f;

enum class eStepKind { kClick, kQueue, kRaise, kHero, kWait, kGather };

struct cPlanStep {
    eStepKind kind = eStepKind::kClick;
    std::vector<std::string> names;  // alternatives, or the enemy kind for the hero
    int times = 1;
    float seconds = 0.0f;
    int line = 0;
};

bool ParsePlan(const std::string& text, std::vector<cPlanStep>* steps, std::string* error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::string verb, what, extra;
        if (!(words >> verb))
            continue;
        cPlanStep step;
        step.line = number;
        words >> what >> extra;
        const std::string where = "plan line " + std::to_string(number) + ": ";
        if (verb == "wait") {
            step.kind = eStepKind::kWait;
            step.seconds = std::strtof(what.c_str(), nullptr);
            if (!(step.seconds > 0.0f)) {
                *error = where + "'wait' wants seconds";
                return false;
            }
        } else if (verb == "click" || verb == "queue" || verb == "raise" || verb == "hero" ||
                   verb == "gather") {
            step.kind = verb == "click"   ? eStepKind::kClick
                        : verb == "queue" ? eStepKind::kQueue
                        : verb == "raise" ? eStepKind::kRaise
                        : verb == "hero"  ? eStepKind::kHero
                                          : eStepKind::kGather;
            if (what.empty()) {
                *error = where + "'" + verb + "' wants a name";
                return false;
            }
            std::istringstream names(what);
            for (std::string name; std::getline(names, name, '|');)
                step.names.push_back(name);
            if (!extra.empty()) {
                if (extra[0] != 'x' || (step.times = std::atoi(extra.c_str() + 1)) <= 0) {
                    *error = where + "a repeat is written x2, x3...";
                    return false;
                }
            }
        } else {
            *error = where + "unknown step '" + verb + "'";
            return false;
        }
        steps->push_back(step);
    }
    return true;
}

cReplayRecord Record(int32_t tick, eReplayAction action, int32_t value = 0) {
    cReplayRecord record;
    record.tick = tick;
    record.action = action;
    record.value = value;
    return record;
}

uint32_t EnemyMask(const std::string& kind) {
    if (kind == "goblin")
        return kEnemyGold;
    if (kind == "spirit")
        return kEnemySpirit;
    if (kind == "bandit")
        return kEnemyBandit;
    return kind == "enemy" ? kRoamingEnemies : 0;
}

class cPlanBot {
  public:
    cPlanBot(cLevelHarness& h, cReplay& replay, std::string& trace, float pause)
        : m_h(h),
          m_level(*h.level),
          m_replay(replay),
          m_trace(trace),
          m_pauseTicks(static_cast<int32_t>(pause * 30.0f)) {}

    // One step of the plan done (true), or not yet possible.
    bool TryStep(const cPlanStep& step) {
        if ((m_ticks < m_thinkingUntil || Talking()) && step.kind != eStepKind::kGather)
            return false;
        switch (step.kind) {
            case eStepKind::kWait:
                return true;  // the waiting is counted by the caller
            case eStepKind::kGather:
                m_gather = step.names;
                return true;
            case eStepKind::kHero:
                return SendHero(step);
            case eStepKind::kClick:
            case eStepKind::kQueue:
                return ClickFirstReady(step.names, step.kind == eStepKind::kClick, {}, false);
            case eStepKind::kRaise:
                return ClickFirstReady(step.names, true, {}, true);
        }
        return false;
    }

    // While the plan's next step waits, a free worker goes to the first of
    // the gathering list that is ready, unless it would spend what the
    // waiting step needs.
    void Gather(const cPlanStep& waiting) {
        if (m_gather.empty() || m_ticks < m_thinkingUntil || Talking() || FreeHands() <= 0)
            return;
        ResourceSet need;
        if (waiting.kind == eStepKind::kClick || waiting.kind == eStepKind::kQueue ||
            waiting.kind == eStepKind::kRaise) {
            if (cObject* object = m_level.FindObjectByName(qor::FromUtf8(waiting.names.front())))
                need = object->GetPrice();
        }
        ClickFirstReady(m_gather, true, need, false);
    }

    void Note(const std::string& what) {
        const ResourceSet r = m_level.Host().GetResources();
        char line[160];
        std::snprintf(line, sizeof line, "%6.1f s  %-24s stock %d/%d/%d/%d  time left %.1f\n",
                      m_ticks / 30.0, what.c_str(), r.wood, r.food, r.money, r.mana,
                      m_level.timeLeft);
        m_trace += line;
    }

    // Where a lost plan stands: the requests waiting and what each worker does.
    void DescribeStandstill() {
        m_trace += "waiting requests:";
        for (const cObject* object : m_level.jobQueue)
            m_trace +=
                " " + qor::ToUtf8(object->name) + "(" + std::to_string(object->jobMarkers) + ")";
        m_trace += "\n";
        for (const cWorker* worker : m_h.Workers()) {
            const cObject* target = worker->GetTarget();
            m_trace += "  worker in state " + std::to_string(worker->state) + " at " +
                       (target ? qor::ToUtf8(target->name) : std::string("nothing")) + "\n";
        }
    }

    // A step of play; a line said in it is read and a key moves it on at
    // once, as a player does, so that no click of the plan meets a talk.
    void Tick() {
        m_h.Step();
        ++m_ticks;
        if (m_level.Host().IsTalkSpeaking()) {
            m_replay.records.push_back(Record(m_ticks, eReplayAction::kKey, kKeySpace));
            m_h.level->OnEvent(qor::kWidgetKeyDown, kKeySpace);
        }
    }
    int32_t Ticks() const { return m_ticks; }

  private:
    // A talk holds the player's hands until its last line is read.
    bool Talking() const {
        return !m_level.Host().RunningTalk().empty() || m_level.Host().IsTalkSpeaking();
    }

    static bool Untouched(const cObject* object) {
        return object->jobMarkers == 0 && object->GetAssignedMen().empty();
    }

    // Whether paying `price` leaves what `keep` asks for wherever the stock
    // can already pay it.
    bool Spares(const ResourceSet& price, const ResourceSet& keep) const {
        const ResourceSet stock = m_level.Host().GetResources();
        for (int i = 0; i < kResourceCount; ++i) {
            if (price[i] > 0 && keep[i] > 0 && stock[i] - price[i] < std::min(stock[i], keep[i]))
                return false;
        }
        return true;
    }

    // A click on the first ready object of the list, one nobody works at or
    // is asked to yet before one that already has hands.
    bool ClickFirstReady(const std::vector<std::string>& names, bool needsHands,
                         const ResourceSet& keep, bool freshOnly) {
        for (const bool fresh : {true, false}) {
            if (freshOnly && !fresh)
                break;
            for (const std::string& name : names) {
                cObject* object = m_level.FindObjectByName(qor::FromUtf8(name));
                if (object && (!fresh || Untouched(object)) && Ready(object, needsHands) &&
                    Spares(object->GetPrice(), keep)) {
                    ClickNamed(object, name);
                    return true;
                }
            }
        }
        return false;
    }

    // Workers standing free for a new job, less the jobs already waiting.
    int FreeHands() const {
        std::vector<cWorker*> free;
        m_level.CollectFreeWorkers(free);
        int waiting = 0;
        for (const cObject* object : m_level.jobQueue)
            waiting += static_cast<int>(object->jobMarkers);
        return static_cast<int>(free.size()) - waiting;
    }

    bool Ready(cObject* object, bool needsHands) {
        if (needsHands && FreeHands() <= 0)
            return false;
        qor::cVec2 at;
        return m_level.CanWork(object, false, nullptr, nullptr) &&
               m_level.Host().CanAfford(object->GetPrice()) && FindPickPoint(m_level, object, &at);
    }

    bool HeroFree() const {
        const cObject* hero = m_level.hero;
        return hero && !cLevelWidget::IsDead(hero) &&
               (static_cast<const cWorker*>(hero)->IsIdle() || hero->state == kHeroInHouse);
    }

    bool SendHero(const cPlanStep& step) {
        if (!HeroFree())
            return false;
        const uint32_t mask = EnemyMask(step.names.front());
        std::vector<cObject*> enemies;
        m_level.CollectObjects(enemies, mask, -1);
        const cObject* hero = m_level.hero;
        cObject* nearest = nullptr;
        float best = 1e9f;
        for (cObject* enemy : enemies) {
            const float d = std::hypot(enemy->x - hero->x, enemy->y - hero->y);
            qor::cVec2 at;
            if (!cLevelWidget::IsDead(enemy) && enemy->GetSelectable() == 0 && d < best &&
                FindPickPoint(m_level, enemy, &at)) {
                best = d;
                nearest = enemy;
            }
        }
        if (!nearest)
            return false;
        qor::cVec2 at;
        FindPickPoint(m_level, nearest, &at);
        cReplayRecord point = Record(m_ticks, eReplayAction::kPoint);
        cReplayRecord press = Record(m_ticks, eReplayAction::kPress, kButtonLeft);
        point.at = press.at = at;
        m_replay.records.push_back(point);
        m_replay.records.push_back(press);
        m_h.Click(at, kButtonLeft);
        m_thinkingUntil = m_ticks + m_pauseTicks;
        Note("hero after " + step.names.front());
        return true;
    }

    // A click as the replay's "click NAME" makes it: at the first point
    // that picks the object.
    void ClickNamed(cObject* object, const std::string& name) {
        qor::cVec2 at;
        FindPickPoint(m_level, object, &at);
        cReplayRecord click = Record(m_ticks, eReplayAction::kClick, kButtonLeft);
        click.name = name;
        m_replay.records.push_back(click);
        m_h.Click(at, kButtonLeft);
        m_thinkingUntil = m_ticks + m_pauseTicks;
        Note("click " + name);
    }

    cLevelHarness& m_h;
    cLevelWidget& m_level;
    cReplay& m_replay;
    std::string& m_trace;
    std::vector<std::string> m_gather;
    int32_t m_pauseTicks = 0;
    int32_t m_thinkingUntil = 0;
    int32_t m_ticks = 0;
};

}  // namespace

cPlanOutcome PlayPlan(const std::string& plan, const std::vector<uint8_t>& levelBytes,
                      uint32_t seed, float pause) {
    cPlanOutcome out;
    std::vector<cPlanStep> steps;
    if (!ParsePlan(plan, &steps, &out.error))
        return out;

    cLevelHarness h;
    h.level->Host().Random().seed = seed;
    qor::cBitStream stream;
    stream.Load(levelBytes.data(), levelBytes.size());
    h.level->LoadLevel(stream);
    out.replay.levelName = qor::ToUtf8(h.level->levelName).substr(0, kReplayMaxName);
    out.replay.levelDigest = DigestLevelBytes(levelBytes);
    out.replay.seed = seed;
    out.replay.records.push_back(Record(0, eReplayAction::kKey, kKeySpace));
    h.level->OnEvent(qor::kWidgetKeyDown, kKeySpace);

    // A misspelt name would only show as a plan that runs out of time.
    for (const cPlanStep& step : steps) {
        const std::string where = "plan line " + std::to_string(step.line) + ": ";
        if (step.kind == eStepKind::kHero && EnemyMask(step.names.front()) == 0) {
            out.error = where + "the hero goes after a goblin, spirit, bandit or enemy";
            return out;
        }
        if (step.kind == eStepKind::kHero || step.kind == eStepKind::kWait)
            continue;
        for (const std::string& name : step.names) {
            if (!h.level->FindObjectByName(qor::FromUtf8(name))) {
                out.error = where + "nothing is named '" + name + "' on this level";
                return out;
            }
        }
    }

    cPlanBot bot(h, out.replay, out.trace, pause);
    const int32_t limit = static_cast<int32_t>((h.level->silverTime + kOvertimeSeconds) * 30.0f);
    const auto over = [&] { return h.level->state == kLevelFinished || bot.Ticks() >= limit; };
    for (const cPlanStep& step : steps) {
        for (int done = 0; done < step.times && !over();) {
            if (step.kind == eStepKind::kWait) {
                for (int t = 0; t < static_cast<int>(step.seconds * 30.0f) && !over(); ++t)
                    bot.Tick();
                ++done;
            } else if (bot.TryStep(step)) {
                ++done;
                bot.Tick();
            } else {
                bot.Gather(step);
                bot.Tick();
            }
        }
        if (h.level->state == kLevelFinished)
            break;
        if (bot.Ticks() >= limit) {
            out.error = "plan line " + std::to_string(step.line) + " could not be done in time";
            break;
        }
    }
    cPlanStep after;
    after.kind = eStepKind::kWait;
    while (!over()) {
        bot.Gather(after);
        bot.Tick();
    }
    bot.Note(h.level->state == kLevelFinished ? "won" : "stopped");
    if (h.level->state != kLevelFinished)
        bot.DescribeStandstill();
    out.replay.endTick = bot.Ticks();
    out.won = h.level->state == kLevelFinished;
    out.silverTime = h.level->silverTime;
    out.timeLeft = h.level->timeLeft;
    if (out.error.empty() && h.level->state != kLevelFinished)
        out.error = "the plan ends without winning the level";
    return out;
}

}  // namespace level_test
