#include "shell/ReplayConsole.h"

#include <cstdio>
#include <vector>

#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/ScriptArgs.h"
#include "engine/ScriptFunctions.h"
#include "engine/Strings.h"
#include "level/LevelDigest.h"
#include "level/LevelWidget.h"
#include "level/replay/Replay.h"
#include "level/replay/ReplayPlayer.h"
#include "level/replay/ReplayRecorder.h"
#include "shell/Garden.h"

using namespace qor;

namespace {

constexpr char16_t kSender[] = u"Replay";
constexpr char16_t kExtension[] = u".replay";
// Recordings of one level are numbered; past this the last one is replaced.
constexpr int kMaxRecordings = 999;

std::u16string DigestText(uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return Widen(text);
}

// A level's name as part of a file name: letters and digits only.
std::u16string FileSafe(const std::u16string& name) {
    std::u16string out;
    for (char16_t c : name.substr(0, 32)) {
        const bool plain =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        out += plain ? c : u'_';
    }
    return out.empty() ? u"level" : out;
}

int RecordFn(lua_State* /*L*/) {
    if (g_garden && g_garden->replays)
        g_garden->replays->ToggleRecording();
    return 0;
}

int ReplayFn(lua_State* L) {
    if (g_garden && g_garden->replays)
        g_garden->replays->Play(ArgString(L, 1));
    return 0;
}

}  // namespace

cReplayConsole::cReplayConsole(cGarden& garden) : m_garden(garden) {}

cReplayConsole::~cReplayConsole() {
    // A recording still running is kept: the player may want it back.
    if (IsRecording())
        ToggleRecording();
}

void cReplayConsole::Register(lua_State* L) {
    if (!L)
        return;
    RegisterScriptFunction(L, "record", RecordFn);
    RegisterScriptFunction(L, "replay", ReplayFn);
}

bool cReplayConsole::IsRecording() const {
    return m_recorder && m_recorder->IsRecording();
}

bool cReplayConsole::IsPlaying() const {
    return m_player && m_player->IsPlaying();
}

cPath cReplayConsole::ReplayPath(const std::u16string& name) const {
    if (name.find(u'/') != std::u16string::npos || name.find(u'{') != std::u16string::npos)
        return cPath(name);
    const cPlayer* player = m_garden.GetCurrentPlayer();
    const std::u16string file = name.ends_with(kExtension) ? name : name + kExtension;
    return player ? player->FolderPath().Join(file) : cPath(file);
}

void cReplayConsole::Save(const cReplay& replay) {
    const int rc = WriteTextFile(recordedFile, FromUtf8(ReplayToText(replay)));
    if (rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write the replay %s (error %i)", recordedFile.full,
                 rc);
        return;
    }
    LogEntry(kLogText, kSender, u"Replay saved to %s (%i steps)", recordedFile.full,
             replay.endTick);
}

bool cReplayConsole::ToggleRecording() {
    cLevelWidget* level = m_garden.GetLevelWidget();
    if (IsRecording()) {
        recordedDigest = DigestLevel(*level);
        Save(m_recorder->Stop());
        LogEntry(kLogText, kSender, u"Recording stopped; the level's digest is %s",
                 DigestText(recordedDigest));
        return true;
    }
    cPlayer* player = m_garden.GetCurrentPlayer();
    const int index = m_garden.currentLevel;
    if (!level || !player || index < 0 || index >= static_cast<int>(m_garden.levels.size())) {
        LogEntry(kLogWarning, kSender, u"Nothing to record: choose a profile and a level first");
        return false;
    }
    if (m_garden.levels[index].empty()) {
        LogEntry(kLogWarning, kSender, u"This level has no file, so no replay can be made of it");
        return false;
    }
    StopPlaying();
    m_garden.SwitchScreen(u"level", u"console");
    const std::vector<uint8_t> bytes = m_garden.levels[index];
    m_recorder = std::make_unique<cReplayRecorder>();
    m_recorder->Start(*level, bytes, player->showHints);
    const std::u16string stem = u"replay_" + FileSafe(level->levelName) + u"_";
    for (int n = 1; n <= kMaxRecordings; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", n);
        recordedFile = player->FilePath(stem + Widen(number) + kExtension);
        if (!Exists(recordedFile))
            break;
    }
    m_recorder->onWon = [this](const cReplay& replay) { Save(replay); };
    m_recorder->onEnded = [this, level](const cReplay& replay) {
        recordedDigest = DigestLevel(*level);
        Save(replay);
    };
    LogEntry(kLogText, kSender, u"Recording the level %s from its start into %s", level->levelName,
             recordedFile.full);
    return true;
}

void cReplayConsole::StopPlaying() {
    // A replay that is let go leaves the level to the player as it stands.
    m_player.reset();
}

bool cReplayConsole::Play(const std::u16string& name) {
    const cPath path = ReplayPath(name);
    std::vector<uint8_t> bytes;
    if (name.empty() || ReadWholeFile(path, &bytes) != 0) {
        LogEntry(kLogWarning, kSender, u"Replay refused: can't read %s", path.full);
        return false;
    }
    cReplay replay;
    std::string error;
    if (!ParseReplay(bytes, &replay, &error)) {
        LogEntry(kLogWarning, kSender, u"Replay refused: %s: %s", path.full, FromUtf8(error));
        return false;
    }
    int index = -1;
    for (size_t i = 0; i < m_garden.levels.size() && index < 0; ++i) {
        if (!m_garden.levels[i].empty() &&
            DigestLevelBytes(m_garden.levels[i]) == replay.levelDigest)
            index = static_cast<int>(i);
    }
    cLevelWidget* level = m_garden.GetLevelWidget();
    if (index < 0 || !level) {
        const std::u16string made = u"'" + FromUtf8(replay.levelName) + u"' (digest " +
                                    DigestText(replay.levelDigest) + u")";
        LogEntry(kLogWarning, kSender,
                 u"Replay refused: %s was made for the level %s, which this game does not have",
                 path.full, made);
        return false;
    }
    if (IsRecording())
        ToggleRecording();
    StopPlaying();
    if (const cPlayer* player = m_garden.GetCurrentPlayer();
        player && player->showHints != replay.hints) {
        LogEntry(kLogWarning, kSender,
                 u"The replay was recorded with the tutorial's hints %s: it may play differently",
                 replay.hints ? u"on" : u"off");
    }
    m_garden.currentLevel = index;
    m_garden.SwitchScreen(u"level", u"console");
    m_player = std::make_unique<cReplayPlayer>(replay);
    if (!m_player->Start(*level, m_garden.levels[index], &error)) {
        LogEntry(kLogWarning, kSender, u"Replay refused: %s: %s", path.full, FromUtf8(error));
        m_player.reset();
        return false;
    }
    cReplayPlayer* player = m_player.get();
    player->onEnded = [this, player, level, path] {
        if (player->Failed()) {
            LogEntry(kLogWarning, kSender, u"Replay %s stopped: %s", path.full,
                     FromUtf8(player->Error()));
            return;
        }
        playedDigest = DigestLevel(*level);
        LogEntry(kLogText, kSender, u"Replay %s played to its end; the level's digest is %s",
                 path.full, DigestText(playedDigest));
    };
    LogEntry(kLogText, kSender, u"Playing %s", path.full);
    return true;
}
