// What the player hears, read back from SDL's disk driver: the music setting
// applied once, and all output held while the window is in the background.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <numbers>

#include "app/Platform.h"
#include "engine/Sound.h"
#include "tests/AudioTestOutput.h"
#include "tests/SoundTestFixture.h"

namespace qor::test {
namespace {

constexpr size_t kRate = 44100;

class SoundOutputTest : public cSoundTest {
  protected:
    void SetUp() override {
        cSoundTest::SetUp();
        if (HasFatalFailure())
            return;
        if (!cDiskOutput::InUse())
            GTEST_SKIP() << "audio was already running on another driver";
        manager().SetVolume(kVolumeSounds, 1.0f);
        manager().SetVolume(kVolumeMusic, 1.0f);
    }

    // Closes the output, so that all it put out is in the file.
    std::vector<int16_t> Heard() {
        game.reset();
        if (g_soundManager)
            DestroySoundManager();
        return disk.Left();
    }

    cDiskOutput disk;  // made before SetUp opens the output
};

// Amplitude (full scale 1) of the `frequency` part of frames [begin, end).
double ToneAmplitude(const std::vector<int16_t>& samples, size_t begin, size_t end,
                     double frequency) {
    double re = 0.0, im = 0.0;
    for (size_t i = begin; i < end; ++i) {
        const double phase = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / kRate;
        re += samples[i] * std::cos(phase);
        im += samples[i] * std::sin(phase);
    }
    return 2.0 * std::hypot(re, im) / static_cast<double>(end - begin) / 32768.0;
}

TEST_F(SoundOutputTest, MusicSettingIsHeardOnceAndHoldsThroughAFadeIn) {
    cMusic* music = LoadMusic("music0", 1.0, {0.0, 441.0, 44100, 2, 0.5f});
    ASSERT_TRUE(music->SetLoop());
    // Each step plays the track and then pauses it, so that silence separates
    // the steps in the output.
    const struct {
        const char* what;
        float setting;  // when the track starts
        float fadeIn;   // seconds; 0: none
        float changed;  // the setting while it plays; negative: unchanged
        double heard;   // level in the end, against the first step
    } steps[] = {
        {"full setting, the reference", 1.0f, 0.0f, -1.0f, 1.0},
        {"turned to half while playing", 1.0f, 0.0f, 0.5f, 0.5},
        {"faded in at half", 0.5f, 0.2f, -1.0f, 0.5},
        {"turned up to full halfway through a fade-in", 0.5f, 1.0f, 1.0f, 1.0},
    };
    const size_t settle = kRate / 4;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        manager().SetVolume(kVolumeMusic, step.setting);
        if (step.fadeIn > 0.0f) {
            ASSERT_TRUE(music->Fade(true, step.fadeIn));
            ASSERT_TRUE(music->Play());
            manager().Update(step.fadeIn / 2.0f);
        } else {
            ASSERT_TRUE(music->Play());
            ASSERT_TRUE(disk.WaitForFrames(settle));
        }
        if (step.changed >= 0.0f)
            manager().SetVolume(kVolumeMusic, step.changed);
        manager().Update(step.fadeIn);  // the rest of a fade, and then some
        EXPECT_FALSE(manager().device().ChannelIsSliding(music->Channel()));
        ASSERT_TRUE(disk.WaitForFrames(settle));
        ASSERT_TRUE(music->Pause());
        ASSERT_TRUE(disk.WaitForFrames(4096));
    }
    const std::vector<int16_t> heard = Heard();
    const std::vector<cSoundSpan> spans = SoundSpans(heard, 2048);
    ASSERT_EQ(spans.size(), std::size(steps));
    // The last 0.15 s of each step: after every change, ramp and fade.
    auto level = [&](const cSoundSpan& span) {
        return Rms(heard, span.end - kRate * 3 / 20, span.end);
    };
    const double reference = level(spans[0]);
    EXPECT_NEAR(reference, 0.5 * 32767 / std::sqrt(2.0), 0.1 * reference);
    for (size_t i = 0; i < spans.size(); ++i) {
        SCOPED_TRACE(steps[i].what);
        EXPECT_NEAR(level(spans[i]) / reference, steps[i].heard, 0.05);
    }
}

SDL_Event FocusEvent(uint8_t kind) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = kind;
    return event;
}

TEST_F(SoundOutputTest, FocusLossHoldsEffectsMusicAndFadesUntilFocusReturns) {
    const double kMusicTone = 441.0, kHumTone = 882.0;
    cMusic* music = LoadMusic("music0", 1.0, {0.0, kMusicTone, 44100, 2, 0.4f});
    LoadSound("hum", 1.0, 1, {0.0, kHumTone, 44100, 1, 0.3f});
    cSound hum(u"hum");
    ASSERT_TRUE(hum.SetLoop(true));
    ASSERT_TRUE(music->SetLoop());
    ASSERT_TRUE(music->Fade(true, 1.0f));
    ASSERT_TRUE(music->Play());
    ASSERT_TRUE(hum.Play());
    RunFrame(0.25f);  // the frames of the main loop step the fade
    EXPECT_NEAR(Volume(music), 0.25f, 1e-4);
    const size_t settle = kRate * 3 / 10;
    ASSERT_TRUE(disk.WaitForFrames(settle));

    ASSERT_TRUE(DispatchEvent(FocusEvent(SDL_WINDOWEVENT_FOCUS_LOST)));
    EXPECT_EQ(g_inactive, 1);
    EXPECT_TRUE(manager().paused);
    ASSERT_TRUE(disk.WaitForFrames(4096));  // a mixing round may have been under way
    const double musicAt = Position(music), humAt = Position(hum.channel);
    for (int frame = 0; frame < 3; ++frame)
        RunFrame(0.25f);
    ASSERT_TRUE(disk.WaitForFrames(8192));
    EXPECT_EQ(Position(music), musicAt);
    EXPECT_EQ(Position(hum.channel), humAt);
    EXPECT_NEAR(Volume(music), 0.25f, 1e-4) << "the fade holds while in the background";
    EXPECT_TRUE(music->IsActive());
    EXPECT_TRUE(hum.IsPlaying());

    ASSERT_TRUE(DispatchEvent(FocusEvent(SDL_WINDOWEVENT_FOCUS_GAINED)));
    EXPECT_EQ(g_inactive, 0);
    EXPECT_FALSE(manager().paused);
    RunFrame(0.25f);
    EXPECT_NEAR(Volume(music), 0.5f, 1e-4) << "the fade goes on where it was";
    ASSERT_TRUE(disk.WaitForFrames(settle));
    EXPECT_GT(Position(music), musicAt);
    EXPECT_GT(Position(hum.channel), humAt);

    // Sound, then a stretch of silence, then both sounds again, the music
    // at the level its fade had reached.
    const std::vector<int16_t> heard = Heard();
    const std::vector<cSoundSpan> spans = SoundSpans(heard, 4096);
    ASSERT_EQ(spans.size(), 2u) << "nothing may be heard while in the background";
    const size_t window = 4400;  // whole periods of both tones
    const struct {
        const char* when;
        const cSoundSpan& span;
        double music;
    } parts[] = {{"before", spans[0], 0.25 * 0.4}, {"after", spans[1], 0.5 * 0.4}};
    for (const auto& part : parts) {
        SCOPED_TRACE(part.when);
        const size_t begin = part.span.end - window;
        EXPECT_NEAR(ToneAmplitude(heard, begin, part.span.end, kMusicTone), part.music, 0.02);
        EXPECT_NEAR(ToneAmplitude(heard, begin, part.span.end, kHumTone), 0.3, 0.03);
    }
}

}  // namespace
}  // namespace qor::test
