// Reads arbitrary bytes as a replay. Whatever the file holds, reading must
// never crash, hang or read out of bounds; a replay it accepts must write
// back to the same text and read again; and a short accepted replay, tied to
// a small level, must play to its end or stop with a reason.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/BitStream.h"
#include "level/LevelHost.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayPlayer.h"
#include "tests/fuzz/FuzzScene.h"

namespace {

// The longest replay played here: longer ones only read and write back.
constexpr int32_t kPlayedSteps = 300;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cReplay replay;
    std::string error;
    if (!ParseReplay(std::span<const uint8_t>(data, size), &replay, &error)) {
        if (error.empty())
            __builtin_trap();  // a refusal must say why
        return 0;
    }
    const std::string text = ReplayToText(replay);
    cReplay again;
    if (!ParseReplay(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
            &again, &error) ||
        ReplayToText(again) != text) {
        __builtin_trap();
    }
    if (replay.endTick > kPlayedSteps)
        return 0;

    static cObjectFactory factory = [] {
        cObjectFactory f;
        RegisterGameObjects(f);
        return f;
    }();
    fuzz::cFuzzServices services;
    cLevelHost host;
    host.resources = {500, 500, 500, 500};
    cLevelWidget level(&factory, &services, &host);
    level.NewLevel();
    qor::cBitStream stream;
    level.SaveLevel(stream);
    const std::vector<uint8_t> bytes = fuzz::Bytes(stream);
    replay.levelDigest = DigestLevelBytes(bytes);
    replay.levelName = "";
    cReplayPlayer player(replay);
    if (!player.Start(level, bytes, &error))
        __builtin_trap();  // made for this very level
    if (!player.RunToEnd(&error) && error.empty())
        __builtin_trap();
    return 0;
}
