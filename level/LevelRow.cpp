// A freshly loaded level takes its row of the level table: goals, the stock
// the player starts with, the clock, the music, upgrade limits, spells, enemy
// pressure, the opening talk, the timed story, the tutorial and the prisoner.
#include "level/LevelSetup.h"
#include "level/LevelWidget.h"

namespace {

constexpr float kIntroSeconds = 1.2f;

// What each step of a level's row does to this level.
class cRowTarget final : public cLevelSetupTarget {
  public:
    explicit cRowTarget(cLevelWidget& level) : m_level(level) {}

    void SetLevelName(const std::u16string& name) override { m_level.levelName = name; }
    std::vector<cTask>& Tasks() override { return m_level.tasks; }
    void SetResources(const ResourceSet& amounts) override { m_level.Host().SetResources(amounts); }
    void SetBackgroundKind(const std::u16string& name) override {
        if (m_level.back)
            m_level.back->SetKind(name);
    }
    float GetSilverTime() const override { return m_level.silverTime; }
    void SetSilverTime(float seconds) override { m_level.silverTime = seconds; }
    void SetMusic(const std::u16string& track) override { m_level.musicName = track; }
    void SetMaxLevel(const std::u16string& kind, int32_t level) override {
        m_level.SetMaxLevel(kind, level);
    }
    void AddSpell(int32_t spell) override { m_level.AddSpell(spell); }
    cEnemySettings& EnemySettings() override { return m_level.enemySettings; }
    void StartTalk(const std::u16string& key) override { m_level.Host().StartTalk(key); }
    void SetStoryStep(int32_t step) override { m_level.storyStep = step; }
    void CreateTutorial(const std::u16string& step) override { m_level.CreateTutorial(step); }
    void PreparePrison(const std::u16string& storyText, const ResourceSet& price) override {
        m_level.PreparePrison(storyText, price);
    }
    void SetTimeLeft(float seconds) override { m_level.timeLeft = seconds; }
    void UpdateTasks(int32_t kind) override { m_level.UpdateTasks(kind); }
    void StartLevelTimers() override {
        m_level.ambientTimer.Restart(0.0f, cLevelWidget::kAmbientSeconds);
        m_level.introTimer.Restart(0.0f, kIntroSeconds);
    }

  private:
    cLevelWidget& m_level;
};

}  // namespace

void cLevelWidget::SetupLevel(const std::u16string& name) {
    cRowTarget target(*this);
    ::SetupLevel(name, target);
}
