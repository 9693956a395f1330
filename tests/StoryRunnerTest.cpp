// The talk and the trader's offer as the game runs them beside a level, one
// fixed step at a time, watched through a view that records what the windows
// are told and keeps the player's purse.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "level/story/StoryRunner.h"
#include "level/story/StoryView.h"
#include "level/tables/TalkTable.h"
#include "scene/SoundNumbers.h"

namespace {

class cRecordingView : public cStoryView {
  public:
    struct cLine {
        std::u16string text;
        int slot;
        std::u16string speaker;
    };
    std::u16string Localize(const std::u16string& key) override { return u"<" + key + u">"; }
    void ShowSpeakers(const std::u16string& left, const std::u16string& right) override {
        faces.push_back(left + u"|" + right);
    }
    bool Say(const std::u16string& text, int slot, const std::u16string& speaker) override {
        lines.push_back({text, slot, speaker});
        talkShown = canSay;
        return canSay;
    }
    void CloseTalk() override { talkShown = false; }
    void ShowDeal() override {
        dealShown = true;
        ++dealShows;
    }
    bool IsDealShown() const override { return dealShown; }
    void CloseDeal() override { dealShown = false; }
    void FlyGoods(const ResourceSet& goods, const std::u16string&, const std::u16string& from,
                  const std::u16string&, const std::u16string& to) override {
        flights.push_back(from + u">" + to);
        (void)goods;
    }
    ResourceSet Stock() const override { return stock; }
    bool Spend(const ResourceSet& cost) override {
        for (int i = 0; i < 4; ++i) {
            if (stock[i] < cost[i])
                return false;
        }
        stock -= cost;
        return true;
    }
    void Earn(const ResourceSet& goods) override { stock += goods; }
    void PlaySound(int number) override { sounds.push_back(number); }

    std::vector<std::u16string> faces;
    std::vector<cLine> lines;
    std::vector<std::u16string> flights;
    std::vector<int> sounds;
    bool talkShown = false;
    bool canSay = true;  // false: no window to say a line in
    bool dealShown = false;
    int dealShows = 0;
    ResourceSet stock;
};

class StoryRunnerTest : public ::testing::Test {
  protected:
    StoryRunnerTest() { table.Build(); }
    // Steps until the runner says a line; the slot, or -1 after `limit` steps.
    void StepUntilSpoken(int limit = 5) {
        for (int i = 0; i < limit && !story.talk.IsSpeaking(); ++i)
            story.Step();
    }
    int Count(int sound) const {
        return static_cast<int>(std::count(view.sounds.begin(), view.sounds.end(), sound));
    }

    cTalkTable table;
    cRecordingView view;
    cStoryRunner story{table, view};
};

TEST_F(StoryRunnerTest, ATalkSpeaksLineByLineOnClicksFromTheSlotsOfItsSpeakersAndEnds) {
    // Level 001's talk: ad mh ad ad mh mh.
    story.StartTalk(u"001");
    ASSERT_EQ(view.faces.size(), 1u);
    EXPECT_EQ(view.faces[0], u"ad|mh") << "the opener sits left, where the first line is said";
    const int kSlots[] = {0, 1, 0, 0, 1, 1};
    for (int i = 0; i < 6; ++i) {
        StepUntilSpoken();
        ASSERT_EQ(view.lines.size(), static_cast<size_t>(i + 1));
        story.Step();
        EXPECT_EQ(view.lines.size(), static_cast<size_t>(i + 1)) << "a line waits for its click";
        EXPECT_EQ(view.lines[i].slot, kSlots[i]) << i;
        EXPECT_EQ(view.lines[i].speaker, i == 1 || i >= 4 ? u"mh" : u"ad") << i;
        EXPECT_EQ(story.talk.side, kSlots[i]);
        ASSERT_TRUE(story.Click());
        EXPECT_EQ(story.talk.Id(), u"001") << "the talk goes on after a click";
    }
    EXPECT_EQ(view.lines[0].text, u"<001_ad_0>");
    story.Step();
    EXPECT_TRUE(story.talk.Id().empty()) << "after the last line the talk ends";
    EXPECT_FALSE(view.talkShown) << "and its window goes";
    EXPECT_FALSE(story.Click()) << "nothing left to click";
}

TEST_F(StoryRunnerTest, AStartedTalkIsNotRestartedAndAKeyWithoutLinesStartsNothing) {
    story.StartTalk(u"001");
    StepUntilSpoken();
    story.Click();
    StepUntilSpoken();
    story.StartTalk(u"001");
    EXPECT_EQ(story.talk.phraseIndex, 1) << "the running talk goes on where it was";
    EXPECT_EQ(view.faces.size(), 1u);

    story.EndAll();
    for (const char16_t* key : {u"", u"005", u"nonsense", u"0012"}) {
        story.StartTalk(key);
        EXPECT_TRUE(story.talk.Id().empty());
        story.Step();
    }
    EXPECT_EQ(view.faces.size(), 1u);
}

TEST_F(StoryRunnerTest, ADealPlayedThroughShowsCountsDownPaysOnceAndGivesOnce) {
    // A016: 200 wood for 500 gold in 120 s.
    story.SetDeal({0, 0, 500, 0}, {200, 0, 0, 0}, 120.0f, u"DealIntro016", u"DealAfter016");
    story.Step();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.lines[0].text, u"<DealIntro016>");
    EXPECT_EQ(view.lines[0].slot, 2) << "the trader speaks from the third slot";
    EXPECT_EQ(view.lines[0].speaker, u"sl");
    EXPECT_FALSE(view.dealShown) << "the window waits for his words";
    story.Click();
    EXPECT_FALSE(view.talkShown) << "a click sends his bubble away";
    story.Step();
    EXPECT_TRUE(view.dealShown);
    const float left = story.deal.offer.dealTime;
    for (int i = 0; i < 30; ++i)
        story.Step();
    EXPECT_NEAR(left - story.deal.offer.dealTime, 1.0f, 0.01f) << "a second a second";

    view.stock = {150, 0, 0, 0};
    story.Step();
    EXPECT_EQ(story.deal.offer.dealStage, -1) << "150 of 200 is not enough";
    view.stock = {230, 0, 7, 0};
    story.Step();
    EXPECT_EQ(Count(kSoundTaskDone), 1);
    for (int i = 0; i < 30 * 10; ++i)
        story.Step();
    EXPECT_EQ(view.stock, (ResourceSet{30, 0, 507, 0})) << "paid once, given once";
    EXPECT_FALSE(story.deal.IsRunning());
    EXPECT_FALSE(view.dealShown);
    ASSERT_EQ(view.flights.size(), 2u);
    EXPECT_EQ(view.flights[0], u"image_wood>image_in");
    EXPECT_EQ(view.flights[1], u"image_out>image_money");
    ASSERT_EQ(view.lines.size(), 2u);
    EXPECT_EQ(view.lines[1].text, u"<DealAfter016>") << "the trader's second line follows";
    EXPECT_EQ(view.dealShows, 1);
}

TEST_F(StoryRunnerTest, ADealThatRunsOutTakesNothing) {
    story.SetDeal({100, 0, 0, 0}, {0, 0, 100, 0}, 2.0f, u"", u"DealAfter041");
    view.stock = {0, 0, 99, 0};
    for (int i = 0; i < 30 * 3; ++i)
        story.Step();
    EXPECT_FALSE(story.deal.IsRunning());
    EXPECT_FALSE(view.dealShown);
    EXPECT_EQ(Count(kSoundBonusStop), 1);
    view.stock = {0, 0, 500, 0};
    for (int i = 0; i < 30 * 5; ++i)
        story.Step();
    EXPECT_EQ(view.stock, (ResourceSet{0, 0, 500, 0})) << "nothing taken, nothing given";
    EXPECT_TRUE(view.lines.empty());
}

TEST_F(StoryRunnerTest, AStockThatFallsShortBeforePayingSendsTheTraderBackToWaiting) {
    story.SetDeal({0, 0, 0, 100}, {100, 0, 0, 0}, 60.0f, u"", u"");
    view.stock = {100, 0, 0, 0};
    story.Step();
    ASSERT_EQ(story.deal.offer.dealStage, 0);
    view.stock = {60, 0, 0, 0};  // spent elsewhere in the same step
    story.Step();
    EXPECT_EQ(story.deal.offer.dealStage, -1);
    EXPECT_EQ(view.stock, (ResourceSet{60, 0, 0, 0}));
    EXPECT_TRUE(view.flights.empty());
}

TEST_F(StoryRunnerTest, TheTraderWaitsForARunningTalkBeforeHeSpeaks) {
    story.StartTalk(u"002");
    story.SetDeal({0, 0, 500, 0}, {200, 0, 0, 0}, 120.0f, u"DealIntro016", u"DealAfter016");
    StepUntilSpoken();
    story.Step();
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.lines[0].text, u"<002_ad_0>");
    EXPECT_EQ(story.deal.offer.dealTime, 120.0f) << "his clock waits for him";
    story.Click();
    StepUntilSpoken();
    story.Click();
    story.Step();  // the talk ends
    story.Step();
    ASSERT_EQ(view.lines.size(), 3u);
    EXPECT_EQ(view.lines[2].text, u"<DealIntro016>");
}

}  // namespace

namespace {

TEST_F(StoryRunnerTest, WithoutAWindowToSpeakInATalkRunsThroughAndNeverHoldsTheLevel) {
    view.canSay = false;
    story.StartTalk(u"001");
    for (int i = 0; i < 10; ++i) {
        story.Step();
        EXPECT_FALSE(story.talk.IsSpeaking()) << "nobody to click a line away";
    }
    EXPECT_TRUE(story.talk.Id().empty());
    EXPECT_EQ(view.lines.size(), 6u);

    story.SetDeal({0, 0, 500, 0}, {200, 0, 0, 0}, 120.0f, u"DealIntro016", u"DealAfter016");
    story.Step();
    story.Step();
    EXPECT_FALSE(story.talk.IsSpeaking());
    EXPECT_TRUE(view.dealShown) << "the offer goes on without the trader's words";
}

}  // namespace
