#pragma once
// The level's window on the game: the current profile's resources and level
// statistics, the sound table, the game's random generator, the windows (the
// object hints among them), the pointer and the music, all through the
// application object.
#include "level/LevelHost.h"
#include "level/story/StoryRunner.h"
#include "shell/GardenStoryView.h"

class cGarden;

class cGardenLevelHost : public cLevelHost {
  public:
    explicit cGardenLevelHost(cGarden& garden);

    bool CanAfford(const ResourceSet& cost) const override;
    bool Spend(const ResourceSet& cost) override;
    void Earn(const ResourceSet& amounts) override;
    ResourceSet GetResources() const override;
    void SetResources(const ResourceSet& amounts) override;
    float GetLevelTime() const override;
    void AddLevelTime(float seconds) override;
    void ResetLevelStats() override;
    void CountBuild() override;
    bool TutorialWanted() const override;
    void PlaySound(int number) override;
    cRandom& Random() override;

    bool ShowHint(const std::u16string& text, const cObject* object, bool anchored) override;
    // Hidden for good: the object it showed may go with the level.
    void HideHint() override;
    void RefreshHint() override;
    void ShowTrainStep(const std::u16string& text, qor::cVec2 at, float radius,
                       bool clickToContinue, int32_t flags) override;
    void ShowWindow(const std::u16string& name, int mode) override;
    bool IsWindowShown(const std::u16string& name) const override;
    void CloseWindow(const std::u16string& name) override;
    bool ControlRect(const std::u16string& window, const std::u16string& control,
                     qor::cRectF* rect) const override;
    qor::cVec2 GetCursorPos() const override;
    void StartLevelMusic(const std::u16string& track) override;
    void StopLevelMusic() override;

    // The level's talk and the trader's offer (level/story/StoryRunner).
    std::u16string RunningTalk() const override { return m_story.talk.Id(); }
    bool IsTalkSpeaking() const override { return m_story.talk.IsSpeaking(); }
    void StartTalk(const std::u16string& name) override { m_story.StartTalk(name); }
    void EndTalk() override { m_story.EndAll(); }
    void AdvanceTalkAndDeal() override { m_story.Step(); }
    bool ClickTalk() override { return m_story.Click(); }
    bool ClickTalkAt(qor::cVec2 at) override;
    void SetDeal(const ResourceSet& reward, const ResourceSet& cost, float seconds,
                 const std::u16string& introKey, const std::u16string& secondKey) override {
        m_story.SetDeal(reward, cost, seconds, introKey, secondKey);
    }
    bool IsDealRunning() const override { return m_story.deal.IsRunning(); }
    cStoryRunner& Story() { return m_story; }

  private:
    cGarden& m_garden;
    cGardenStoryView m_storyView;
    cStoryRunner m_story;
    std::u16string m_track;  // the level's music while it plays
};
