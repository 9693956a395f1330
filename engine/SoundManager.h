#pragma once
// The sound manager: opens the audio output, keeps the loaded samples and music
// streams by name, applies the two global volumes (sounds, music) and pauses
// all output while the window is inactive. cSound and cMusic play through it.
//
// Every buffer list starts with a placeholder at index 0 (empty name, no
// handle); a lookup that finds nothing returns 0, the placeholder.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AudioDevice.h"

namespace qor {

class cMusic;

// Kinds of SetVolume.
inline constexpr int kVolumeSounds = 1;
inline constexpr int kVolumeMusic = 2;

class cSoundManager {
  public:
    // A loaded sample; frees the sample with it.
    struct cSoundBuffer {
        cSoundBuffer(cAudioDevice* device, cAudioHandle sample, std::u16string name);
        ~cSoundBuffer();
        cSoundBuffer(const cSoundBuffer&) = delete;
        cSoundBuffer& operator=(const cSoundBuffer&) = delete;

        cAudioHandle sample = 0;
        std::u16string name;

      private:
        cAudioDevice* m_device;
    };

    // Tracker music. Our output plays no tracker modules, so only the
    // placeholder exists; the list is kept so that music kinds stay as they are.
    struct cMusicBuffer {
        cAudioHandle music = 0;
        std::u16string name;
    };

    // A music stream with the file's copy in memory that it plays from; frees
    // the stream, and with it the memory, when deleted.
    struct cStreamBuffer {
        cStreamBuffer(cAudioDevice* device, cAudioHandle stream, std::u16string name,
                      std::shared_ptr<const std::vector<uint8_t>> memory);
        ~cStreamBuffer();
        cStreamBuffer(const cStreamBuffer&) = delete;
        cStreamBuffer& operator=(const cStreamBuffer&) = delete;

        cAudioHandle stream = 0;
        std::u16string name;
        std::shared_ptr<const std::vector<uint8_t>> memory;

      private:
        cAudioDevice* m_device;
    };

    cSoundManager();
    virtual ~cSoundManager();
    cSoundManager(const cSoundManager&) = delete;
    cSoundManager& operator=(const cSoundManager&) = delete;

    // Creates the placeholders and opens the output; false (logged) when there
    // is no output, and the game then goes on silently.
    bool Init();
    // Deletes every music object and buffer, then closes the output.
    bool Free();

    // kind 1: sounds, kind 2: music; volume 0..1, anything else is refused.
    // Each scales its kind in the mix, on top of every channel's own volume.
    void SetVolume(int kind, float volume);
    // The global volume of a kind as it was stored (0 for other kinds).
    float GetVolume(int kind) const;

    // Window focus: all output pauses while the window is inactive.
    void PauseOutput();
    void ResumeOutput();
    // Once a frame with the frame's seconds: steps fades and volume slides.
    void Update(float seconds);

    int FindSoundBuffer(std::u16string_view name) const;
    int FindMusicBuffer(std::u16string_view name) const;
    int FindStreamBuffer(std::u16string_view name) const;
    // The first music object of that name, or the placeholder "unnamed".
    cMusic* FindMusic(std::u16string_view name) const;

    // Registration by the loading queue; the manager owns what it is given.
    int AddSoundBuffer(std::u16string name, cAudioHandle sample);
    int AddStreamBuffer(std::u16string name, cAudioHandle stream,
                        std::shared_ptr<const std::vector<uint8_t>> memory);
    // A music object for the stream buffer of that name, owned by the manager.
    cMusic* CreateMusic(std::u16string name);

    // True the first time a sound name without buffer is played by name:
    // later plays of it stay silent instead of logging at every click.
    bool NoteMissingSound(std::u16string_view name);

    cAudioDevice& device() { return m_device; }
    const cAudioDevice& device() const { return m_device; }

    std::vector<std::unique_ptr<cSoundBuffer>> soundBuffers;
    std::vector<std::unique_ptr<cMusicBuffer>> musicBuffers;
    std::vector<std::unique_ptr<cStreamBuffer>> streamBuffers;
    std::vector<std::unique_ptr<cMusic>> musics;
    // Our samples are never 3D, so this stays false and the distances stay
    // at -1 (leave unchanged).
    bool threeDPending = false;
    bool paused = false;  // the window is inactive
    float minDistance = -1.0f;
    float maxDistance = -1.0f;

  private:
    cAudioDevice m_device;
    std::vector<std::u16string> m_missingSounds;
};

// Null while no manager exists.
extern cSoundManager* g_soundManager;

bool CreateSoundManager();
bool DestroySoundManager();

}  // namespace qor
