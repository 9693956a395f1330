#pragma once
// Replays in the game, from the console:
//   record()         records the current level from its start (it starts
//                    again); record() once more stops and saves. The file
//                    "replay_<level>_<n>.replay" goes into the profile's
//                    folder, and is saved again as soon as the level is won
//                    and when the level is left.
//   replay("NAME")   plays a replay on screen: NAME is a file of the
//                    profile's folder (".replay" may be left out) or a path
//                    such as "{UserPath}/bug.replay". The level it was made
//                    for is found among the game's levels by its digest.
// At the end of each the log gives the level's digest, so that a recording
// and its playback can be seen to agree.
#include <cstdint>
#include <memory>
#include <string>

#include "engine/Path.h"

struct lua_State;
struct cReplay;
class cGarden;
class cReplayPlayer;
class cReplayRecorder;

class cReplayConsole {
  public:
    explicit cReplayConsole(cGarden& garden);
    ~cReplayConsole();

    // Registers record() and replay(name) with the script host.
    static void Register(lua_State* L);

    // Starts recording, or stops and saves; false when nothing could start.
    bool ToggleRecording();
    // False (logged) when the file is missing, damaged or for no level here.
    bool Play(const std::u16string& name);

    bool IsRecording() const;
    bool IsPlaying() const;
    // The level's digest when the last recording stopped and when the last
    // playback reached its end (0 before).
    uint64_t recordedDigest = 0;
    uint64_t playedDigest = 0;
    // Where the last recording was saved.
    qor::cPath recordedFile;

  private:
    void Save(const cReplay& replay);
    void StopPlaying();
    qor::cPath ReplayPath(const std::u16string& name) const;

    cGarden& m_garden;
    std::unique_ptr<cReplayRecorder> m_recorder;
    std::unique_ptr<cReplayPlayer> m_player;
};
