#include "tests/TalkTestKit.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Strings.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayPlayer.h"
#include "shell/Garden.h"
#include "shell/GardenLevelHost.h"

namespace qor::test {

namespace {

cTalkRunner& Talk(cShellDriver& game) {
    return game.garden()->levelHost->Story().talk;
}

}  // namespace

bool WaitForLine(cShellDriver& game, int frameLimit) {
    for (int i = 0; i < frameLimit && !Talk(game).IsSpeaking(); ++i)
        game.Step(1);
    return Talk(game).IsSpeaking();
}

bool ClickSpeakingBubble(cShellDriver& game) {
    const int slot = Talk(game).activeSpeaker;
    if (slot < 0)
        return false;
    return game.Click(u"talk", u"frame" + std::u16string(1, static_cast<char16_t>(u'0' + slot)));
}

bool ClickThroughTalk(cShellDriver& game, int lineLimit) {
    for (int i = 0; i < lineLimit && !Talk(game).Id().empty(); ++i) {
        if (!WaitForLine(game) || !ClickSpeakingBubble(game))
            return false;
        game.Step(1);
    }
    game.Step(1);
    return Talk(game).Id().empty();
}

cReplay ReadReplay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    cReplay replay;
    std::string error;
    EXPECT_TRUE(ParseReplay(bytes, &replay, &error)) << file << ": " << error;
    return replay;
}

void PlayFirstLevelByHand(cShellDriver& game, const cReplay& solution) {
    cLevelWidget* level = game.garden()->GetLevelWidget();
    for (int frame = 0; frame < 120 && (level->state != kLevelPlay || game.IsShown(u"start"));
         ++frame)
        game.Step(1);
    ClickThroughTalk(game);
    size_t next = 0;
    for (int32_t step = 0; step < 30 * 200 && level->state != kLevelFinished; ++step) {
        for (; next < solution.records.size() && solution.records[next].tick <= step; ++next) {
            const cReplayRecord& r = solution.records[next];
            if (r.action != eReplayAction::kClick)
                continue;
            cVec2 at;
            if (!FindPickPoint(*level, level->FindObjectByName(FromUtf8(r.name)), &at))
                break;
            game.ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
        }
        game.StepUnseen(1);
    }
}

}  // namespace qor::test
