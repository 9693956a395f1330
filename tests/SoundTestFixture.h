#pragma once
// A running cGame with its sound manager and tones made at test time: the
// ground the sound manager, sound resource and sound output tests share.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/Game.h"
#include "engine/Music.h"
#include "engine/SoundManager.h"
#include "engine/SoundResources.h"
#include "engine/Strings.h"
#include "tests/AudioTestOgg.h"
#include "tests/TestUtil.h"

namespace qor::test {

// The HTML log as plain text.
std::u16string UnescapeLog(std::u16string text);
size_t CountIn(const std::u16string& text, std::u16string_view what);

class cSoundTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::u16string Logged() const { return UnescapeLog(ReadLog().substr(logStart)); }
    cSoundManager& manager() const { return *g_soundManager; }

    cPath WriteTone(const std::string& name, const cTone& tone);
    // A sample of a mono tone, registered under `name`; returns its buffer index.
    int LoadSound(const std::string& name, double seconds, int channels = 1,
                  const cTone& shape = {0.0, 440.0, 44100, 1, 0.4f});
    // A music track of a stereo tone, registered under `name`.
    cMusic* LoadMusic(const std::string& name, double seconds,
                      const cTone& shape = {0.0, 330.0, 44100, 2, 0.4f});
    float Volume(const cMusic* music) const;
    double Position(const cMusic* music) const;
    double Position(cAudioHandle channel) const;

    std::unique_ptr<cGame> game;
    cTempFolder dir;
    size_t logStart = 0;
};

}  // namespace qor::test
