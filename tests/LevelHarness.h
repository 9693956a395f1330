#pragma once
// Plays a real level headless, as fast as the processor allows: the level
// widget with the game's object classes, the real sprites' geometry and
// timing (read from the generated atlas scripts, no pixels), and a test host
// that keeps the player's resources and records the sounds played and the
// hints shown. Clicks go in through the widget's own input, with the pointer
// where a player would put it; every step is one fixed 1/30 s tick.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/LevelHost.h"
#include "level/LevelWidget.h"
#include "level/story/StoryRunner.h"
#include "level/tables/TalkTable.h"
#include "scene/ObjectFactory.h"
#include "scene/SceneServices.h"
#include "tests/SilentStoryView.h"

class cWorker;

// Stocks, prices and bags read as "wood/food/money/mana" in failure messages.
inline void PrintTo(const ResourceSet& r, std::ostream* os) {
    *os << r.wood << "/" << r.food << "/" << r.money << "/" << r.mana;
}

namespace level_test {

// The game's talks, built once.
const cTalkTable& GameTalks();

// The headless game, listening.
class cTestHost : public cLevelHost {
  public:
    struct cHint {
        std::u16string text;
        const cObject* object;
    };

    void PlaySound(int number) override { sounds.push_back(number); }
    bool ShowHint(const std::u16string& text, const cObject* object, bool) override {
        hints.push_back({text, object});
        hintShown = object;
        return true;
    }
    void HideHint() override { hintShown = nullptr; }
    // The level's talk and the trader's offers run as in the game; every
    // talk started and every offer made (by its opening text's key) is
    // remembered.
    void StartTalk(const std::u16string& name) override {
        talks.push_back(name);
        story.StartTalk(name);
    }
    void SetDeal(const ResourceSet& reward, const ResourceSet& cost, float seconds,
                 const std::u16string& introKey, const std::u16string& secondKey) override {
        deals.push_back(introKey);
        story.SetDeal(reward, cost, seconds, introKey, secondKey);
    }
    std::u16string RunningTalk() const override { return story.talk.Id(); }
    bool IsTalkSpeaking() const override { return story.talk.IsSpeaking(); }
    void EndTalk() override { story.EndAll(); }
    void AdvanceTalkAndDeal() override { story.Step(); }
    bool ClickTalk() override { return story.Click(); }
    bool IsDealRunning() const override { return story.deal.IsRunning(); }
    // The running offer is over, as when its time ran out.
    void EndDeal() { story.deal.Close(storyView); }
    void ShowWindow(const std::u16string& name, int) override { windows.push_back(name); }
    bool IsWindowShown(const std::u16string& name) const override { return name == shownWindow; }
    // How often a sound was played.
    int Played(int number) const;

    // The tutorial's hint window, as the level fills, opens and closes it.
    struct cTrainShow {
        std::u16string text;
        qor::cVec2 at;
        float radius;
        bool clickToContinue;
        int32_t flags;
    };
    void ShowTrainStep(const std::u16string& text, qor::cVec2 at, float radius,
                       bool clickToContinue, int32_t flags) override {
        trainShows.push_back({text, at, radius, clickToContinue, flags});
    }
    void CloseWindow(const std::u16string& name) override { closed.push_back(name); }
    bool TutorialWanted() const override { return hintsWanted && !wonBefore; }
    // Controls by "window/control".
    bool ControlRect(const std::u16string& window, const std::u16string& control,
                     qor::cRectF* rect) const override {
        const auto found = controls.find(window + u"/" + control);
        if (found == controls.end() || !rect)
            return false;
        *rect = found->second;
        return true;
    }
    std::vector<cTrainShow> trainShows;
    std::vector<std::u16string> closed;  // every window closed
    std::map<std::u16string, qor::cRectF> controls;
    bool hintsWanted = true;
    bool wonBefore = false;

    std::vector<int> sounds;
    std::vector<cHint> hints;
    const cObject* hintShown = nullptr;   // whose hint is on screen now
    std::vector<std::u16string> talks;    // every talk started
    std::vector<std::u16string> deals;    // every offer made
    std::vector<std::u16string> windows;  // every window shown
    std::u16string shownWindow;           // the one window that counts as open

    cSilentStoryView storyView{*this};
    cStoryRunner story{GameTalks(), storyView};
};

// Sprites by name from the generated data; texts as "<key>".
class cLevelTestServices : public cSceneServices {
  public:
    cLevelTestServices();
    qor::cSpriteBatch* Batch() override { return nullptr; }
    qor::cSpriteInfo FindSprite(const std::u16string& texture, const std::u16string& area) override;
    qor::cSpriteInfo FindSprite(const std::u16string& area) override;
    std::u16string Localize(const std::u16string& key) override { return u"<" + key + u">"; }
};

class cLevelHarness {
  public:
    // Makes the level widget; a test may give a widget of its own class.
    using cMakeLevel =
        std::function<cLevelWidget*(const cObjectFactory*, cSceneServices*, cLevelHost*)>;

    cLevelHarness();
    explicit cLevelHarness(const cMakeLevel& make);
    ~cLevelHarness();

    // A compiled level by file name in data/testlevel/ (without ".lvl"), or
    // its bytes. The intro is skipped with a key, as a player may.
    bool Load(const std::string& name);
    void LoadBytes(const std::vector<uint8_t>& bytes);
    // A scene description compiled here (the syntax of data-src/scenes/examples);
    // false with the compiler's first message when it does not compile.
    ::testing::AssertionResult LoadScene(const std::string& text);
    // Steps the intro away with a key press and reads the level's opening
    // talk through, as a player starts to play.
    void Begin();
    // A key for each line of the running talk, as soon as it is said, until
    // the talk is over; false when it still runs after `stepLimit` steps.
    bool ClickThroughTalk(int stepLimit = 120);

    void Step(int ticks = 1);
    void StepSeconds(float seconds);
    // Steps until `done` holds, at most `limit` seconds; false when it never did.
    template <class F>
    bool StepUntil(F done, float limit) {
        for (int t = 0; t < static_cast<int>(limit * 30.0f) + 1; ++t) {
            if (done())
                return true;
            Step();
        }
        return done();
    }

    // The pointer to `at`, then a button press there (0 left, 2 right).
    void Click(qor::cVec2 at, int button = 0);
    // A left click on a point where the object is the one picked; false
    // (and no click) when no point of it can be clicked.
    bool ClickOn(const cObject* object);
    void RightClick() { Click(host.cursor, 2); }
    // A point where a click picks the object.
    bool PickPoint(const cObject* object, qor::cVec2* point) const;

    cObject* Find(const std::u16string& name) const;
    std::vector<cWorker*> Workers() const;
    std::vector<cObject*> OfType(uint32_t type) const;

    // A player who reads every line as it comes and presses a key: talks
    // that start while the level plays (a level without workers says so)
    // hold nothing for long.
    bool readsTalks = false;

    cTestHost host;
    cObjectFactory factory;
    cLevelTestServices services;
    // Owned by the harness, or by the engine core when one exists (every
    // widget made then belongs to it).
    cLevelWidget* level = nullptr;

  protected:
    // For harnesses that draw: the game's own services (sprites from the
    // loaded atlases, the engine's batch) instead of the headless ones.
    explicit cLevelHarness(cSceneServices* drawingServices, const cMakeLevel& make = nullptr);

  private:
    std::unique_ptr<cLevelWidget> m_owned;
};

// A point of the screen where a click on the level picks the object; false
// when no point of it can be clicked.
bool PickPoint(const cLevelWidget& level, const cObject* object, qor::cVec2* point);

// A level named `name` on the open island (grass inside the rim) with the
// statements of `body`: objects, "terrain I J KIND" lines and the like.
std::string IslandScene(const std::string& name, const std::string& body);

// A test level of data-src/testlevel/ ("sources") compiled under another
// level name, so that it plays by that level's row of the level table.
std::vector<uint8_t> TestLevelNamed(const std::string& file, const std::string& levelName);

}  // namespace level_test
