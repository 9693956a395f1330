#include "tests/TalkTestKit.h"

#include <string>

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

}  // namespace qor::test
