// The closing story follows the results of the last level only the first
// time it is won: the results' close goes to the comics widget with the
// closing story chosen, and a later win goes to the map.
#include <gtest/gtest.h>

#include "app/Game.h"
#include "gui/GUI.h"
#include "level/LevelWidget.h"
#include "tests/LevelScreenKit.h"
#include "world/ComicsWidget.h"

namespace qor::test {
namespace {

class ComicsFinish : public LevelScreenFixture {
  protected:
    void SetUp() override {
        LevelScreenFixture::SetUp();
        Finish();
        // The engine core owns the widget, as in the game.
        comics = new cComicsWidget();
        garden->comicsWidget = comics;
        comics->onStoryOver = [this] { garden->SwitchScreen(u"map", u"comics"); };
        garden->levels.assign(40, std::vector<uint8_t>());
        garden->currentLevel = 39;
        level.state = kLevelFinished;
        level.silverTime = 300.0f;
        level.timeLeft = 10.0f;
    }
    void WinTheLastLevel() {
        game->FocusWidget(u"");
        garden->ShowScreenWindow(u"finish", 2);
        for (int i = 0; i < 2; ++i)
            ClickCtrl(gui->GetWnd(u"finish"), u"close");
    }
    cComicsWidget* comics = nullptr;
};

TEST_F(ComicsFinish, OnlyTheFirstWinOfTheLastLevelPlaysTheClosingStory) {
    map.medals = {{39, 1}};  // open: never finished
    WinTheLastLevel();
    EXPECT_EQ(game->GetFocusedWidgetName(), kComicsWidgetName);
    EXPECT_TRUE(comics->story.closing);
    ASSERT_EQ(comics->story.pictures.size(), 4u);
    EXPECT_EQ(comics->story.pictures.front(), u"{StaticPath}/texture/comics/comics5.jpg");

    // Finished once more: the medal is no longer "open", so no story.
    WinTheLastLevel();
    EXPECT_NE(game->GetFocusedWidgetName(), kComicsWidgetName);
    EXPECT_TRUE(comics->story.pictures.empty());
}

}  // namespace
}  // namespace qor::test
