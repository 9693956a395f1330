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
        g_garden->replays->SaveRecording();
    return 0;
}

int ReplayFn(lua_State* L) {
    if (g_garden && g_garden->replays)
        g_garden->replays->Play(ArgString(L, 1));
    return 0;
}

}  // namespace

cReplayConsole::cReplayConsole(cGarden& garden) : m_garden(garden) {}

cReplayConsole::~cReplayConsole() = default;

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

bool cReplayConsole::PlayingHints(bool* hints) const {
    if (!m_player || !(m_startingReplay || m_player->IsPlaying()))
        return false;
    *hints = m_player->Replay().hints;
    return true;
}

cPath cReplayConsole::ReplayPath(const std::u16string& name) const {
    if (name.find(u'/') != std::u16string::npos || name.find(u'{') != std::u16string::npos)
        return cPath(name);
    const cPlayer* player = m_garden.GetCurrentPlayer();
    const std::u16string file = name.ends_with(kExtension) ? name : name + kExtension;
    return player ? player->FolderPath().Join(file) : cPath(file);
}

void cReplayConsole::OnLevelLoaded(int index, uint32_t seed) {
    m_won.reset();
    m_file = cPath();
    cLevelWidget* level = m_garden.GetLevelWidget();
    // A replay loads its level itself; a level without a file can't be
    // loaded again from a replay.
    if (m_startingReplay || !level || index < 0 ||
        index >= static_cast<int>(m_garden.levels.size()) || m_garden.levels[index].empty()) {
        m_recorder.reset();
        return;
    }
    StopPlaying();
    if (!m_recorder)
        m_recorder = std::make_unique<cReplayRecorder>();
    // The tutorial changes the level it runs in, so the replay keeps whether
    // it ran.
    m_recorder->Attach(*level, m_garden.levels[index], seed, level->Host().TutorialWanted());
    m_recorder->onWon = [this](const cReplay& replay) { m_won = replay; };
}

bool cReplayConsole::CanSave() const {
    return IsRecording() || m_won.has_value();
}

cPath cReplayConsole::NewReplayFile(const std::string& levelName) const {
    const cPlayer* player = m_garden.GetCurrentPlayer();
    const std::u16string stem = u"replay_" + FileSafe(FromUtf8(levelName)) + u"_";
    cPath file;
    for (int n = 1; n <= kMaxRecordings; ++n) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", n);
        file = player->FilePath(stem + Widen(number) + kExtension);
        if (!Exists(file))
            break;
    }
    return file;
}

bool cReplayConsole::SaveRecording() {
    if (!CanSave()) {
        LogEntry(kLogWarning, kSender, u"No level is being recorded; no replay is saved");
        return false;
    }
    if (!m_garden.GetCurrentPlayer()) {
        LogEntry(kLogWarning, kSender, u"No profile to keep the replay in; no replay is saved");
        return false;
    }
    // Once won, the whole level; before, every step played up to the pause.
    const cReplay replay = m_won ? *m_won : m_recorder->SoFar();
    if (m_file.full.empty())
        m_file = NewReplayFile(replay.levelName);
    const int rc = WriteTextFile(m_file, FromUtf8(ReplayToText(replay)));
    if (rc != 0) {
        LogEntry(kLogError, kSender, u"Can't write the replay %s (error %i)", m_file.full, rc);
        return false;
    }
    savedFile = m_file;
    LogEntry(kLogText, kSender, u"Replay saved to %s (%i steps)", m_file.full, replay.endTick);
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
    m_recorder.reset();
    m_won.reset();
    StopPlaying();
    m_garden.currentLevel = index;
    m_player = std::make_unique<cReplayPlayer>(replay);
    // The level is loaded by the replay, with its seed and its hints.
    m_startingReplay = true;
    m_garden.SwitchScreen(u"level", u"console");
    const bool started = m_player->Start(*level, m_garden.levels[index], &error);
    m_startingReplay = false;
    if (!started) {
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
