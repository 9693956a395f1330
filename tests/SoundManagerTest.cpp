// The sound manager inside a running cGame: creation, lookups, volumes, sounds
// and music, with the log lines the game relies on.
#include "engine/SoundManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <thread>

#include "engine/Sound.h"
#include "tests/AudioTestOutput.h"
#include "tests/SoundTestFixture.h"

namespace qor::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using SoundManagerTest = cSoundTest;

TEST_F(SoundManagerTest, CreateAndDestroyReportWhatTheyFind) {
    EXPECT_FALSE(CreateSoundManager());
    EXPECT_EQ(CountIn(Logged(), u"Manager already exists"), 1u);
    EXPECT_TRUE(DestroySoundManager());
    EXPECT_EQ(g_soundManager, nullptr);
    EXPECT_FALSE(DestroySoundManager());
    EXPECT_EQ(CountIn(Logged(), u"Manager does not exist"), 1u);
    ASSERT_TRUE(CreateSoundManager());
    const std::u16string log = Logged();
    EXPECT_NE(log.find(u"DestroySoundManager"), std::u16string::npos);
    EXPECT_NE(log.find(u"CreateSoundManager"), std::u16string::npos);
    EXPECT_EQ(CountIn(log, u"Ok"), 2u);
}

TEST_F(SoundManagerTest, LookupsAreExactAndFallBackToThePlaceholders) {
    EXPECT_EQ(manager().soundBuffers[0]->name, u"");
    EXPECT_EQ(manager().soundBuffers[0]->sample, 0u);
    EXPECT_EQ(manager().streamBuffers[0]->stream, 0u);
    EXPECT_EQ(manager().musicBuffers[0]->music, 0u);
    EXPECT_EQ(manager().musics[0]->name, u"unnamed");

    const int click = LoadSound("click", 0.1);
    const int second = LoadSound("click", 0.1);  // a duplicate name: the first one wins
    EXPECT_EQ(manager().FindSoundBuffer(u"click"), click);
    EXPECT_NE(second, click);
    EXPECT_EQ(manager().FindSoundBuffer(u"Click"), 0);
    EXPECT_EQ(manager().FindSoundBuffer(u"clic"), 0);

    cMusic* menu = LoadMusic("music0", 0.5);
    EXPECT_EQ(manager().FindMusic(u"music0"), menu);
    EXPECT_EQ(menu->bufferIndex, manager().FindStreamBuffer(u"music0"));
    EXPECT_EQ(manager().FindMusic(u"music9"), manager().musics[0].get());
    EXPECT_FALSE(manager().FindMusic(u"music9")->Play());

    cMusic* unknown = manager().CreateMusic(u"missing_track");
    EXPECT_EQ(unknown->bufferIndex, 0);
    EXPECT_FALSE(unknown->Play());
    EXPECT_FALSE(unknown->Fade(true, 1.0f));
    EXPECT_FALSE(unknown->IsActive());
    EXPECT_EQ(CountIn(Logged(), u"Play: invalid music 'missing_track'"), 1u);
}

TEST_F(SoundManagerTest, SetVolumeAcceptsOnlyZeroToOne) {
    manager().SetVolume(kVolumeSounds, 0.5f);
    manager().SetVolume(kVolumeMusic, 0.5f);
    const struct {
        int kind;
        float value;
        bool refused;
        float sounds;
        float music;
    } cases[] = {
        {1, 1.5f, true, 0.5f, 0.5f},
        {2, -0.01f, true, 0.5f, 0.5f},
        {1, std::numeric_limits<float>::quiet_NaN(), true, 0.5f, 0.5f},
        {2, std::numeric_limits<float>::infinity(), true, 0.5f, 0.5f},
        {3, 0.7f, false, 0.5f, 0.5f},
        {1, 0.3f, false, 0.3f, 0.5f},
        {2, 1.0f, false, 0.3f, 1.0f},
        {1, 0.12345f, false, 0.1234f, 1.0f},  // stored in steps of 1/10000
        {2, 0.0f, false, 0.1234f, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " value " << c.value);
        const size_t before = CountIn(Logged(), u"SetVolume: volume invalid");
        manager().SetVolume(c.kind, c.value);
        EXPECT_EQ(CountIn(Logged(), u"SetVolume: volume invalid") - before, c.refused ? 1u : 0u);
        EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeSounds), c.sounds);
        EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeMusic), c.music);
    }
}

TEST_F(SoundManagerTest, MusicSettingLeavesTheTracksOwnVolumesAlone) {
    cMusic* playing = LoadMusic("music0", 2.0);
    cMusic* fading = LoadMusic("music1", 2.0);
    ASSERT_TRUE(playing->Play());
    ASSERT_TRUE(fading->Fade(true, 1.0f));
    ASSERT_TRUE(fading->Play());
    manager().Update(0.5f);
    manager().SetVolume(kVolumeMusic, 0.4f);
    EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeMusic), 0.4f);
    EXPECT_FLOAT_EQ(Volume(playing), 1.0f);
    EXPECT_NEAR(Volume(fading), 0.5f, 1e-4);
    manager().Update(0.6f);
    EXPECT_FLOAT_EQ(Volume(fading), 1.0f) << "a fade-in ends at full, whatever the setting";
}

TEST_F(SoundManagerTest, SoundWithoutBufferLogsOnceMadeAndOncePlayed) {
    cSound sound(u"nothing");
    EXPECT_EQ(sound.channel, 0u);
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.Play());
    const std::u16string log = Logged();
    EXPECT_EQ(CountIn(log, u"constructor: sound buffer not found 'nothing'"), 1u);
    EXPECT_EQ(CountIn(log, u"Play: invalid sound (id = 0)"), 1u);
}

TEST_F(SoundManagerTest, SoundOutlivingTheManagerStaysSilent) {
    LoadSound("strike", 1.0);
    cSound sound(u"strike");
    ASSERT_TRUE(sound.Play());
    ASSERT_TRUE(DestroySoundManager());
    EXPECT_FALSE(sound.SetLoop(true));
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.IsPlaying());
}

TEST_F(SoundManagerTest, LoopingSoundStopsWithItsObjectAndOneShotPlaysOn) {
    LoadSound("strike", 2.0, 3);
    const cAudioDevice& device = manager().device();
    cAudioHandle looping = 0, oneShot = 0, unlooped = 0;
    {
        cSound loop(u"strike");
        ASSERT_TRUE(loop.SetLoop(true));
        ASSERT_TRUE(loop.Play());
        looping = loop.channel;
        // Started looping, then told not to: its running pass repeats still,
        // and nobody would be left to stop it.
        cSound repeating(u"strike");
        ASSERT_TRUE(repeating.SetLoop(true));
        ASSERT_TRUE(repeating.Play());
        ASSERT_TRUE(repeating.SetLoop(false));
        unlooped = repeating.channel;
        cSound once(u"strike");
        ASSERT_TRUE(once.Play());
        oneShot = once.channel;
        EXPECT_TRUE(loop.IsPlaying());
        EXPECT_TRUE(once.IsPlaying());
    }
    EXPECT_EQ(device.ChannelIsActive(looping), eChannelState::kStopped);
    EXPECT_EQ(device.ChannelIsActive(unlooped), eChannelState::kStopped);
    EXPECT_EQ(device.ChannelIsActive(oneShot), eChannelState::kPlaying);
}

// Budget 1: two sounds of one sample made side by side must not share its
// one channel, whichever of them plays or goes first.
TEST_F(SoundManagerTest, EverySoundKeepsItsOwnChannelAndLoopFlag) {
    LoadSound("strike", 2.0, 1);
    const cAudioDevice& device = manager().device();
    {
        cSound first(u"strike");
        ASSERT_TRUE(first.SetLoop(true));  // before its first play
        {
            cSound second(u"strike");
            EXPECT_NE(second.channel, first.channel);
        }
        ASSERT_TRUE(first.Play());
        bool looping = false;
        ASSERT_TRUE(device.ChannelGetLoop(first.channel, &looping));
        EXPECT_TRUE(looping) << "the loop flag set before the first play was lost";
    }
    cSound looping(u"strike");
    {
        cSound idle(u"strike");
        ASSERT_TRUE(looping.SetLoop(true));
        ASSERT_TRUE(looping.Play());
    }
    EXPECT_TRUE(looping.IsPlaying()) << "another sound's end stopped this one";
}

TEST_F(SoundManagerTest, FullBudgetTakesTheChannelOfTheSoundFurthestAlong) {
    LoadSound("chop", 3.0, 2);
    cSound first(u"chop"), second(u"chop"), third(u"chop");
    first.SetLoop(true);
    ASSERT_TRUE(first.Play());
    ASSERT_TRUE(WaitFor([&] { return Position(first.channel) > 0.1; }));
    ASSERT_TRUE(second.Play());
    ASSERT_TRUE(WaitFor([&] { return Position(second.channel) > 0.02; }));

    // A third sound plays: the first, furthest along, gives way and knows it.
    ASSERT_TRUE(third.Play());
    EXPECT_TRUE(third.IsPlaying());
    EXPECT_LT(Position(third.channel), Position(second.channel)) << "it started from the top";
    EXPECT_FALSE(first.IsPlaying());
    EXPECT_EQ(first.channel, 0u);
    EXPECT_TRUE(second.IsPlaying());

    // The first plays again on a channel of its own, still looping; now the
    // second is furthest along.
    ASSERT_TRUE(first.Play());
    EXPECT_TRUE(first.IsPlaying());
    bool looping = false;
    EXPECT_TRUE(manager().device().ChannelGetLoop(first.channel, &looping) && looping);
    EXPECT_NE(first.channel, third.channel);
    EXPECT_EQ(second.channel, 0u);
    EXPECT_TRUE(third.IsPlaying());
    EXPECT_EQ(CountIn(Logged(), u"invalid sound"), 0u);
}

TEST_F(SoundManagerTest, NamedSoundsForTheControlsPlayAndAMissingNameLogsOnce) {
    LoadSound("click", 0.2, 3);
    EXPECT_TRUE(PlayNamedSound(u"click"));
    EXPECT_TRUE(PlayNamedSound(u"click"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(PlayNamedSound(u"mouse_in"));
    const std::u16string log = Logged();
    EXPECT_EQ(CountIn(log, u"constructor: sound buffer not found 'mouse_in'"), 1u);
    EXPECT_EQ(CountIn(log, u"click"), 0u);
}

TEST_F(SoundManagerTest, MusicStartedWhileInactiveWaitsForActivation) {
    cMusic* music = LoadMusic("music0", 2.0);
    LoadSound("click", 0.2);
    manager().PauseOutput();
    EXPECT_FALSE(PlayNamedSound(u"click")) << "effects are not saved up for later";
    EXPECT_TRUE(manager().paused);
    ASSERT_TRUE(music->Play());
    EXPECT_TRUE(manager().paused) << "playing must not wake the output";
    EXPECT_TRUE(music->IsActive());
    std::this_thread::sleep_for(150ms);
    EXPECT_EQ(Position(music), 0.0);

    manager().ResumeOutput();
    EXPECT_FALSE(manager().paused);
    EXPECT_TRUE(WaitFor([&] { return Position(music) > 0.0; }));
}

TEST_F(SoundManagerTest, CrossFadeReturnsAtOnceAndRunsOnTheFrameClock) {
    manager().SetVolume(kVolumeMusic, 0.8f);
    cMusic* menu = LoadMusic("music0", 3.0);
    cMusic* level = LoadMusic("music1", 3.0);
    ASSERT_TRUE(menu->Play());
    ASSERT_TRUE(WaitFor([&] { return Position(menu) > 0.05; }));

    // Entering a level: menu music out, level music in, over one second.
    const auto start = Clock::now();
    EXPECT_TRUE(menu->Fade(false, 1.0f));
    EXPECT_TRUE(level->Fade(true, 1.0f));
    EXPECT_TRUE(level->Play());
    const auto took = Clock::now() - start;
    EXPECT_LT(took, 100ms) << "the calls must not wait for the fade";

    // Both tracks are mixed meanwhile, and only the frames move the fade.
    const double menuAt = Position(menu);
    EXPECT_TRUE(WaitFor([&] { return Position(menu) > menuAt && Position(level) > 0.0; }));
    EXPECT_FLOAT_EQ(Volume(menu), 1.0f);
    EXPECT_FLOAT_EQ(Volume(level), 0.0f);
    manager().Update(0.5f);
    EXPECT_NEAR(Volume(menu), 0.5f, 1e-4);
    EXPECT_NEAR(Volume(level), 0.5f, 1e-4);  // halfway up; the setting scales the mix
    EXPECT_TRUE(menu->IsActive());
    manager().Update(0.6f);
    EXPECT_FALSE(menu->IsActive()) << "a fade-out stops the track";
    EXPECT_TRUE(level->IsActive());
    EXPECT_NEAR(Volume(level), 1.0f, 1e-4);

    // Back to the menu: its music comes back where it stopped.
    const double stoppedAt = Position(menu);
    EXPECT_GT(stoppedAt, 0.0);
    EXPECT_TRUE(menu->Fade(true, 1.0f));
    EXPECT_TRUE(menu->Play());
    EXPECT_GE(Position(menu), stoppedAt);
}

TEST_F(SoundManagerTest, WithoutOutputTheGameRunsSilentlyAndSaysSoOnce) {
    DestroySoundManager();
    const size_t start = ReadLog().size();
    {
        cScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
        EXPECT_FALSE(CreateSoundManager());
    }
    ASSERT_NE(g_soundManager, nullptr) << "the manager stays, silent";

    cSampleRecord sample;
    EXPECT_EQ(ReadSoundBuffer(&sample, WriteTone("click", {0.1, 440.0, 44100, 1, 0.5f})), 4);
    cStreamRecord stream;
    EXPECT_EQ(ReadStreamBuffer(&stream, WriteTone("music0", {0.1, 440.0, 44100, 1, 0.5f})), 4);
    EXPECT_FALSE(PlayNamedSound(u"click"));
    EXPECT_FALSE(manager().CreateMusic(u"music0")->Play());
    manager().SetVolume(kVolumeSounds, 0.25f);
    EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeSounds), 0.25f);
    manager().PauseOutput();
    manager().ResumeOutput();
    manager().Update(0.1f);

    const std::u16string log = UnescapeLog(ReadLog().substr(start));
    EXPECT_EQ(CountIn(log, u"Init: BASS_Init"), 1u);
    EXPECT_EQ(CountIn(log, u"no audio output"), 1u);
    EXPECT_EQ(CountIn(log, u"ReadSoundBuffer"), 0u);
    EXPECT_EQ(CountIn(log, u"ReadStreamBuffer"), 0u);
    EXPECT_EQ(CountIn(log, u"invalid music"), 0u);
    EXPECT_TRUE(DestroySoundManager());
}

}  // namespace
}  // namespace qor::test
