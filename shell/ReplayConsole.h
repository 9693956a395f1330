#pragma once
// Replays in the game. Every level the game loads from its file is recorded
// from its start, so that the player can keep it at any moment:
//   the pause menu saves the level as played so far, the results the whole
//   level just won. Both write "replay_<level>_<nn>.replay" into the
//   profile's folder; saving again in the same go at a level rewrites that
//   file, a new go (restart, another level) starts a new number.
// A replay is played back on screen by the --replay switch at start-up, or
// from the console (which only answers while the game starts):
//   record()         saves the level played so far, as the pause menu does
//   replay("NAME")   NAME is a file of the profile's folder (".replay" may
//                    be left out) or a path such as "{UserPath}/bug.replay".
// The level a replay was made for is found among the game's levels by its
// digest. At the end of a playback the log gives the level's digest, so
// that a recording and its playback can be seen to agree.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/Path.h"
#include "level/replay/Replay.h"

struct lua_State;
class cGarden;
class cReplayPlayer;
class cReplayRecorder;

class cReplayConsole {
  public:
    explicit cReplayConsole(cGarden& garden);
    ~cReplayConsole();

    // Registers record() and replay(name) with the script host.
    static void Register(lua_State* L);

    // The game has just loaded its level `index` from the level's file, with
    // its generator at `seed` before the loading: the recording starts.
    void OnLevelLoaded(int index, uint32_t seed);
    // Whether there is a recording to save: a level the player plays.
    bool CanSave() const;
    // Writes the level played so far, or the whole level once it is won, to
    // the file of this go at the level (see above). False, logged, when
    // nothing is recorded or the file can't be written.
    bool SaveRecording();
    // False (logged) when the file is missing, damaged or for no level here.
    bool Play(const std::u16string& name);

    bool IsRecording() const;
    bool IsPlaying() const;
    // While a replay plays, whether the tutorial's hints were wanted when it
    // was recorded: the level must see what it saw then.
    bool PlayingHints(bool* hints) const;
    // The level's digest when the last playback reached its end (0 before).
    uint64_t playedDigest = 0;
    // Where the last replay was saved.
    qor::cPath savedFile;

  private:
    void Keep(const cReplay& replay);
    void StopPlaying();
    qor::cPath ReplayPath(const std::u16string& name) const;
    // The next free numbered file for the level in the profile's folder.
    qor::cPath NewReplayFile(const std::string& levelName) const;

    cGarden& m_garden;
    std::unique_ptr<cReplayRecorder> m_recorder;
    std::unique_ptr<cReplayPlayer> m_player;
    // The replay at the moment the level was won: what the results save.
    std::optional<cReplay> m_won;
    // The file of this go at the level, once it has been saved.
    qor::cPath m_file;
    bool m_startingReplay = false;
};
