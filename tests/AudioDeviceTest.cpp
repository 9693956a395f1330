// The audio layer: decoding, the channel budget of samples, streams, volume
// slides on our own clock, pause of all output, and what actually reaches the
// output (through SDL's disk driver).
#include "engine/AudioDevice.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "engine/AudioDecoder.h"
#include "engine/AudioStream.h"
#include "tests/AudioTestOgg.h"
#include "tests/AudioTestOutput.h"

namespace qor::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// --- decoding ----------------------------------------------------------------

TEST(AudioDecoderTest, AnyRateAndChannelCountBecomesStereoAtTheOutputRate) {
    const struct {
        cTone tone;
    } cases[] = {
        {{0.5, 440.0, 44100, 1, 0.5f}},
        {{0.5, 440.0, 22050, 2, 0.5f}},
        {{0.25, 1000.0, 48000, 2, 0.25f}},
        {{1.0, 220.0, 11025, 1, 0.8f}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tone.rate << " Hz, " << c.tone.channels << " ch");
        const std::vector<uint8_t> ogg = EncodeToneOgg(c.tone);
        std::vector<int16_t> pcm;
        std::string error;
        ASSERT_TRUE(DecodeVorbisSample(ogg.data(), ogg.size(), 10 * kAudioRate, &pcm, &error))
            << error;
        const double frames = static_cast<double>(pcm.size()) / 2.0;
        EXPECT_NEAR(frames, c.tone.seconds * kAudioRate, 0.02 * c.tone.seconds * kAudioRate);
        int peak = 0;
        bool sameSides = true;
        for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
            peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
            sameSides = sameSides && std::abs(pcm[i] - pcm[i + 1]) <= 1;
        }
        EXPECT_NEAR(peak / 32767.0, c.tone.amplitude, 0.08);
        EXPECT_TRUE(sameSides);
    }
}

TEST(AudioDecoderTest, DamagedFilesAreRefusedWithAReason) {
    const std::vector<uint8_t> good = EncodeToneOgg({1.0, 440.0, 44100, 2, 0.5f});
    std::vector<int16_t> full;
    ASSERT_TRUE(DecodeVorbisSample(good.data(), good.size(), 10 * kAudioRate, &full, nullptr));

    std::vector<uint8_t> flipped = good;
    for (size_t i = 60; i < flipped.size(); i += 97)
        flipped[i] ^= 0x5A;
    std::vector<uint8_t> noMagic = good;
    noMagic[0] = 'X';
    std::vector<uint8_t> noise(4096);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<uint8_t>(i * 7919 >> 3);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool mayPlay;  // whatever survives may still be playable, but shorter
    } cases[] = {
        {"empty", {}, false},
        {"noise", noise, false},
        {"no capture pattern", noMagic, false},
        {"first page only", std::vector<uint8_t>(good.begin(), good.begin() + 40), false},
        {"cut in the middle", std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2),
         true},
        {"bytes flipped", flipped, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<int16_t> pcm;
        std::string error;
        const bool ok =
            DecodeVorbisSample(c.bytes.data(), c.bytes.size(), 10 * kAudioRate, &pcm, &error);
        if (!c.mayPlay) {
            EXPECT_FALSE(ok);
        }
        if (ok) {
            EXPECT_LT(pcm.size(), full.size());
        } else {
            EXPECT_FALSE(error.empty());
            EXPECT_TRUE(pcm.empty());
        }
    }

    // A sample longer than allowed is refused instead of filling memory.
    std::vector<int16_t> pcm;
    std::string error;
    EXPECT_FALSE(DecodeVorbisSample(good.data(), good.size(), kAudioRate / 2, &pcm, &error));
    EXPECT_EQ(error, "sound too long");
    EXPECT_TRUE(pcm.empty());
}

// --- the device --------------------------------------------------------------

class AudioDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(device.Init()) << device.error(); }

    cAudioHandle LoadSample(double seconds, int channels) {
        const std::vector<uint8_t> ogg = EncodeToneOgg({seconds, 440.0, 44100, 1, 0.5f});
        const cAudioHandle sample = device.SampleLoad(ogg.data(), ogg.size(), channels);
        EXPECT_NE(sample, 0u) << device.error();
        return sample;
    }
    cAudioHandle CreateStream(double seconds) {
        auto ogg =
            std::make_shared<std::vector<uint8_t>>(EncodeToneOgg({seconds, 440.0, 44100, 2, 0.5f}));
        const cAudioHandle stream = device.StreamCreate(ogg);
        EXPECT_NE(stream, 0u) << device.error();
        return stream;
    }
    eChannelState State(cAudioHandle channel) const { return device.ChannelIsActive(channel); }
    double Position(cAudioHandle channel) const { return device.ChannelGetPosition(channel); }
    float Volume(cAudioHandle channel) const {
        float v = -1.0f;
        EXPECT_TRUE(device.ChannelGetVolume(channel, &v));
        return v;
    }

    cAudioDevice device;
};

TEST_F(AudioDeviceTest, OnlyOneOutputOpensAtATime) {
    cAudioDevice second;
    EXPECT_FALSE(second.Init());
    EXPECT_FALSE(second.error().empty());
    EXPECT_EQ(second.SampleLoad(nullptr, 0, 1), 0u);
    EXPECT_TRUE(device.IsOpen());
}

TEST_F(AudioDeviceTest, FullBudgetGivesWayByPositionNotByAgeAndTellsTheHolder) {
    const cAudioHandle sample = LoadSample(3.0, 2);
    std::vector<char> lost;  // which holders were told, in order
    auto holder = [&](char name) { return [&lost, name] { lost.push_back(name); }; };
    const cAudioHandle a = device.SampleGetChannel(sample, holder('a'));
    const cAudioHandle b = device.SampleGetChannel(sample, holder('b'));
    const cAudioHandle c = device.SampleGetChannel(sample, holder('c'));
    EXPECT_NE(a, b);
    EXPECT_NE(b, c) << "every holder has a channel of its own, played or not";
    ASSERT_TRUE(device.ChannelPlay(a, false));
    ASSERT_TRUE(WaitFor([&] { return Position(a) > 0.05; }));
    ASSERT_TRUE(device.ChannelPause(a));  // a is older but stays early in the sound
    ASSERT_TRUE(device.ChannelPlay(b, false));
    ASSERT_TRUE(WaitFor([&] { return Position(b) > Position(a) + 0.1; }));
    EXPECT_TRUE(lost.empty());

    // Both places are taken: b, the younger but further along, gives way.
    ASSERT_TRUE(device.ChannelPlay(c, false));
    EXPECT_EQ(lost, std::vector<char>{'b'});
    EXPECT_EQ(State(b), eChannelState::kStopped);
    EXPECT_FALSE(device.ChannelPlay(b, false)) << "a channel that gave way is gone";
    EXPECT_EQ(State(a), eChannelState::kPaused);
    EXPECT_EQ(State(c), eChannelState::kPlaying);

    // c starts at 0 while a is paused further in: a gives way now.
    const cAudioHandle d = device.SampleGetChannel(sample, holder('d'));
    ASSERT_TRUE(device.ChannelPlay(d, false));
    EXPECT_EQ(lost, (std::vector<char>{'b', 'a'}));
    EXPECT_EQ(State(c), eChannelState::kPlaying);
    EXPECT_EQ(State(d), eChannelState::kPlaying);
}

TEST_F(AudioDeviceTest, FreedChannelPlaysToItsEndAndThenGoes) {
    const cAudioHandle sample = LoadSample(0.1, 1);
    bool told = false;
    const cAudioHandle shot = device.SampleGetChannel(sample, [&] { told = true; });
    const cAudioHandle idle = device.SampleGetChannel(sample);
    ASSERT_TRUE(device.ChannelPlay(shot, false));
    ASSERT_TRUE(device.ChannelFree(shot));
    ASSERT_TRUE(device.ChannelFree(idle));
    EXPECT_FALSE(device.ChannelSetVolume(idle, 0.5f)) << "an idle channel goes at once";
    EXPECT_EQ(State(shot), eChannelState::kPlaying) << "a freed one-shot plays on";
    ASSERT_TRUE(WaitFor([&] { return State(shot) == eChannelState::kStopped; }));
    device.Update(0.01f);
    EXPECT_FALSE(device.ChannelSetVolume(shot, 0.5f)) << "and goes once it ended";
    EXPECT_FALSE(told) << "a holder that gave its channel back is not told again";

    // A freed channel still counts against the budget while it plays.
    const cAudioHandle again = device.SampleGetChannel(sample);
    const cAudioHandle newer = device.SampleGetChannel(sample);
    ASSERT_TRUE(device.ChannelPlay(again, false));
    ASSERT_TRUE(device.ChannelFree(again));
    ASSERT_TRUE(device.ChannelPlay(newer, false));
    EXPECT_EQ(State(again), eChannelState::kStopped);
    EXPECT_EQ(State(newer), eChannelState::kPlaying);
}

TEST_F(AudioDeviceTest, FinishedOneShotPlaysAgainFromTheTop) {
    const cAudioHandle sample = LoadSample(0.05, 1);
    const cAudioHandle a = device.SampleGetChannel(sample);
    ASSERT_TRUE(device.ChannelPlay(a, false));
    EXPECT_EQ(State(a), eChannelState::kPlaying);
    ASSERT_TRUE(WaitFor([&] { return State(a) == eChannelState::kStopped; }));
    // Playing it again starts from the top.
    ASSERT_TRUE(device.ChannelPlay(a, false));
    EXPECT_EQ(State(a), eChannelState::kPlaying);
}

TEST_F(AudioDeviceTest, StreamStopsKeepingItsPlaceAndRestartsAfterItsEnd) {
    const cAudioHandle stream = CreateStream(0.3);
    ASSERT_TRUE(device.ChannelPlay(stream, false));
    ASSERT_TRUE(WaitFor([&] { return Position(stream) > 0.05; }));
    ASSERT_TRUE(device.ChannelStop(stream));
    const double stoppedAt = Position(stream);
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(Position(stream), stoppedAt);
    ASSERT_TRUE(device.ChannelPlay(stream, false));
    ASSERT_TRUE(WaitFor([&] { return State(stream) == eChannelState::kStopped; }));
    EXPECT_NEAR(Position(stream), 0.3, 0.02) << "stopping went on from the same place";

    ASSERT_TRUE(device.ChannelPlay(stream, false));  // ended: starts again from the top
    EXPECT_EQ(State(stream), eChannelState::kPlaying);
    EXPECT_LT(Position(stream), 0.1);

    // Looping runs past the end.
    ASSERT_TRUE(device.ChannelSetLoop(stream, true));
    ASSERT_TRUE(WaitFor([&] { return Position(stream) > 0.45; }));
    EXPECT_EQ(State(stream), eChannelState::kPlaying);
}

TEST_F(AudioDeviceTest, PauseOfAllOutputHoldsStreamsSamplesAndSlides) {
    const cAudioHandle stream = CreateStream(2.0);
    ASSERT_TRUE(device.ChannelSetLoop(stream, true));
    ASSERT_TRUE(device.ChannelPlay(stream, false));
    ASSERT_TRUE(device.ChannelSlideVolume(stream, 0.0f, 1000));
    device.Update(0.25f);
    EXPECT_NEAR(Volume(stream), 0.75f, 1e-4);
    // A sample channel that is playing holds with the stream; an effect
    // started while paused is dropped rather than kept for later.
    const cAudioHandle sample = LoadSample(2.0, 2);
    const cAudioHandle voice = device.SampleGetChannel(sample);
    const cAudioHandle dropped = device.SampleGetChannel(sample);
    ASSERT_TRUE(device.ChannelPlay(voice, false));
    ASSERT_TRUE(WaitFor([&] { return Position(stream) > 0.05 && Position(voice) > 0.0; }));

    device.Pause();
    std::this_thread::sleep_for(50ms);  // a mixing round may still be under way
    const double heldAt = Position(stream);
    const double voiceAt = Position(voice);
    EXPECT_FALSE(device.ChannelPlay(dropped, false));
    std::this_thread::sleep_for(150ms);
    device.Update(0.5f);
    EXPECT_EQ(Position(stream), heldAt);
    EXPECT_EQ(Position(voice), voiceAt);
    EXPECT_NEAR(Volume(stream), 0.75f, 1e-4) << "the slide holds while paused";
    EXPECT_TRUE(device.ChannelIsSliding(stream));
    EXPECT_EQ(State(stream), eChannelState::kPlaying);
    EXPECT_EQ(State(voice), eChannelState::kPlaying);
    EXPECT_EQ(State(dropped), eChannelState::kStopped);

    device.Start();
    device.Update(0.25f);
    EXPECT_NEAR(Volume(stream), 0.5f, 1e-4) << "the slide goes on where it was";
    EXPECT_TRUE(WaitFor([&] { return Position(stream) > heldAt && Position(voice) > voiceAt; }));
    EXPECT_EQ(State(dropped), eChannelState::kStopped);
    device.Update(0.5f);
    EXPECT_NEAR(Volume(stream), 0.0f, 1e-6);
    EXPECT_FALSE(device.ChannelIsSliding(stream));
    EXPECT_EQ(State(stream), eChannelState::kPlaying) << "a slide to 0 does not stop";

    // A slide to -1 fades out and stops, samples and streams alike.
    device.ChannelSetVolume(stream, 1.0f);
    ASSERT_TRUE(device.ChannelSlideVolume(stream, -1.0f, 100));
    ASSERT_TRUE(device.ChannelSlideVolume(voice, -1.0f, 200));
    device.Update(0.1f);
    EXPECT_EQ(State(stream), eChannelState::kStopped);
    EXPECT_EQ(State(voice), eChannelState::kPlaying);
    device.Update(0.1f);
    EXPECT_EQ(State(voice), eChannelState::kStopped);
}

TEST_F(AudioDeviceTest, VolumeSetDuringASlideHoldsButAFadeOutStillStops) {
    const cAudioHandle sample = LoadSample(0.5, 1);
    const struct {
        const char* what;
        float target;  // of a one-second slide from full volume
        float volume;  // set halfway through
        float after;   // volume once the slide's time is up
        bool stopped;
    } cases[] = {
        {"slide down, then set", 0.0f, 0.7f, 0.7f, false},
        {"slide up, then set", 1.0f, 0.3f, 0.3f, false},
        {"fade-out, then set", -1.0f, 0.8f, 0.0f, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const cAudioHandle channel : {device.SampleGetChannel(sample), CreateStream(0.5)}) {
            ASSERT_TRUE(device.ChannelPlay(channel, false));
            ASSERT_TRUE(device.ChannelSetVolume(channel, c.target == 1.0f ? 0.0f : 1.0f));
            ASSERT_TRUE(device.ChannelSlideVolume(channel, c.target, 1000));
            device.Update(0.5f);
            ASSERT_TRUE(device.ChannelSetVolume(channel, c.volume));
            EXPECT_FLOAT_EQ(Volume(channel), c.volume);
            device.Update(0.6f);
            EXPECT_FLOAT_EQ(Volume(channel), c.after);
            EXPECT_FALSE(device.ChannelIsSliding(channel));
            EXPECT_EQ(State(channel) == eChannelState::kStopped, c.stopped);
        }
    }
}

TEST_F(AudioDeviceTest, ChannelPausedOnItsOwnStaysPausedWhenOutputResumes) {
    const cAudioHandle sample = LoadSample(2.0, 2);
    const cAudioHandle kept = device.SampleGetChannel(sample);
    ASSERT_TRUE(device.ChannelPlay(kept, false));
    ASSERT_TRUE(device.ChannelPause(kept));
    const double at = Position(kept);
    device.Pause();
    device.Start();
    std::this_thread::sleep_for(80ms);
    EXPECT_EQ(State(kept), eChannelState::kPaused);
    EXPECT_EQ(Position(kept), at);
    ASSERT_TRUE(device.ChannelPlay(kept, false));  // resumes, no restart
    EXPECT_TRUE(WaitFor([&] { return Position(kept) > at; }));
}

TEST_F(AudioDeviceTest, CallsOnDeadHandlesFailQuietly) {
    const cAudioHandle sample = LoadSample(0.2, 1);
    const cAudioHandle voice = device.SampleGetChannel(sample);
    const cAudioHandle stream = CreateStream(0.2);
    ASSERT_TRUE(device.SampleFree(sample));
    ASSERT_TRUE(device.StreamFree(stream));
    for (cAudioHandle h : {voice, stream, cAudioHandle{0}, cAudioHandle{0xFFFFFFF0u}}) {
        float v = 0.0f;
        bool loop = false;
        EXPECT_FALSE(device.ChannelPlay(h, false));
        EXPECT_FALSE(device.ChannelPause(h));
        EXPECT_FALSE(device.ChannelStop(h));
        EXPECT_FALSE(device.ChannelSetVolume(h, 0.5f));
        EXPECT_FALSE(device.ChannelGetVolume(h, &v));
        EXPECT_FALSE(device.ChannelGetLoop(h, &loop));
        EXPECT_FALSE(device.ChannelSlideVolume(h, -1.0f, 10));
        EXPECT_EQ(device.ChannelIsActive(h), eChannelState::kStopped);
    }
    EXPECT_EQ(device.SampleGetChannel(sample), 0u);
    EXPECT_FALSE(device.SampleFree(sample));
}

TEST(AudioNoDeviceTest, InitFailsWithAReasonAndNothingLoads) {
    cScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    cAudioDevice device;
    ASSERT_FALSE(device.Init());
    EXPECT_FALSE(device.error().empty());
    const std::vector<uint8_t> ogg = EncodeToneOgg({0.1, 440.0, 44100, 1, 0.5f});
    EXPECT_EQ(device.SampleLoad(ogg.data(), ogg.size(), 1), 0u);
    EXPECT_EQ(device.StreamCreate(std::make_shared<std::vector<uint8_t>>(ogg)), 0u);
    EXPECT_FALSE(device.Free());
}

// --- what reaches the output -------------------------------------------------

TEST(AudioDiskOutputTest, FadeOutIsHeardFallingSteadilyToSilence) {
    cDiskOutput disk;
    {
        cAudioDevice device;
        ASSERT_TRUE(device.Init()) << device.error();
        if (!cDiskOutput::InUse()) {
            GTEST_SKIP() << "audio was already running on another driver";
        }
        auto ogg =
            std::make_shared<std::vector<uint8_t>>(EncodeToneOgg({1.0, 441.0, 44100, 2, 0.5f}));
        const cAudioHandle stream = device.StreamCreate(ogg);
        ASSERT_NE(stream, 0u);
        device.ChannelSetLoop(stream, true);
        ASSERT_TRUE(device.ChannelPlay(stream, false));
        std::this_thread::sleep_for(250ms);

        // Frames step the slide with their measured time, as the game does.
        ASSERT_TRUE(device.ChannelSlideVolume(stream, -1.0f, 400));
        const auto begin = Clock::now();
        auto last = begin;
        while (device.ChannelIsActive(stream) == eChannelState::kPlaying) {
            std::this_thread::sleep_for(10ms);
            const auto now = Clock::now();
            device.Update(std::chrono::duration<float>(now - last).count());
            last = now;
            ASSERT_LT(now - begin, 5s) << "the fade never ended";
        }
        std::this_thread::sleep_for(250ms);
    }
    const std::vector<double> levels = WindowLevels(disk.Left(), 882);  // 20 ms
    ASSERT_GT(levels.size(), 30u);

    const double peak = *std::max_element(levels.begin(), levels.end());
    std::string shape;  // levels in percent of the peak, for failure messages
    for (double level : levels)
        shape += std::to_string(std::lround(100.0 * level / peak)) + " ";
    SCOPED_TRACE("levels: " + shape);
    EXPECT_NEAR(peak, 0.5 * 32767 / std::sqrt(2.0), 0.15 * peak);
    size_t onset = 0;
    while (onset < levels.size() && levels[onset] < 0.95 * peak)
        ++onset;
    size_t fadeStart = onset;
    while (fadeStart < levels.size() && levels[fadeStart] > 0.9 * peak)
        ++fadeStart;
    size_t fadeEnd = fadeStart;
    while (fadeEnd < levels.size() && levels[fadeEnd] > 0.01 * peak)
        ++fadeEnd;
    ASSERT_LT(fadeEnd, levels.size()) << "the output never fell silent";
    EXPECT_GE(fadeStart - onset, 5u) << "full level before the fade";

    // About 400 ms of falling level; the disk driver and the frames both run
    // on the wall clock, so only a loaded machine stretches or squeezes it.
    const double fadeMs = static_cast<double>(fadeEnd - fadeStart) * 20.0;
    EXPECT_GT(fadeMs, 200.0);
    EXPECT_LT(fadeMs, 800.0);
    bool halfWay = false;
    for (size_t i = fadeStart + 1; i < fadeEnd; ++i) {
        EXPECT_LE(levels[i], levels[i - 1] * 1.05 + 10.0) << "window " << i;
        halfWay = halfWay || (levels[i] > 0.3 * peak && levels[i] < 0.7 * peak);
    }
    EXPECT_TRUE(halfWay) << "the level passes through the middle, not in one step";
    for (size_t i = fadeEnd; i < levels.size(); ++i)
        EXPECT_LT(levels[i], 0.01 * peak);
}

// A stream mixed directly: the gain follows volume and music volume.
TEST(AudioStreamTest, MixesWithChannelVolumeTimesMusicVolume) {
    auto ogg = std::make_shared<std::vector<uint8_t>>(EncodeToneOgg({0.5, 441.0, 44100, 2, 0.5f}));
    std::string error;
    auto stream = cAudioStream::Open(ogg, &error);
    ASSERT_NE(stream, nullptr) << error;
    ASSERT_TRUE(stream->Play(false));
    auto level = [&](float gain) {
        std::vector<float> out(2 * 4410, 0.0f);
        stream->MixInto(out.data(), 4410, gain);  // the first block ramps
        std::fill(out.begin(), out.end(), 0.0f);
        stream->MixInto(out.data(), 4410, gain);
        double sum = 0.0;
        for (size_t i = 0; i < out.size(); i += 2)
            sum += out[i] * out[i];
        return std::sqrt(sum / 4410.0);
    };
    const double full = level(1.0f);
    EXPECT_NEAR(full, 0.5 / std::sqrt(2.0), 0.05);
    stream->volume.Set(0.5f);
    EXPECT_NEAR(level(0.5f) / full, 0.25, 0.03);
    stream->volume.Set(0.0f);
    EXPECT_EQ(level(1.0f), 0.0);
    EXPECT_EQ(cAudioStream::Open(std::make_shared<std::vector<uint8_t>>(10, 0), &error), nullptr);
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace qor::test
