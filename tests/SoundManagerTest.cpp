// The sound manager inside a running cGame: creation, lookups, volumes, sounds
// and music, with the log lines the game relies on.
#include "engine/SoundManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>

#include "app/Game.h"
#include "engine/Music.h"
#include "engine/Sound.h"
#include "engine/SoundResources.h"
#include "engine/Strings.h"
#include "tests/AudioTestOgg.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = 2000ms) {
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > end)
            return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// The HTML log as plain text.
std::u16string Unescape(std::u16string text) {
    const std::pair<std::u16string, std::u16string> entities[] = {
        {u"&#39;", u"'"}, {u"&nbsp;", u" "}, {u"&quot;", u"\""},
        {u"&lt;", u"<"},  {u"&gt;", u">"},   {u"&amp;", u"&"}};
    for (const auto& [from, to] : entities) {
        for (size_t at = text.find(from); at != std::u16string::npos;
             at = text.find(from, at + to.size())) {
            text.replace(at, from.size(), to);
        }
    }
    return text;
}

size_t Count(const std::u16string& text, std::u16string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

class SoundManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        UseTestSystemPaths();
        game = std::make_unique<cGame>();
        // The engine core may already have made the manager.
        if (!g_soundManager)
            CreateSoundManager();
        ASSERT_NE(g_soundManager, nullptr);
        ASSERT_TRUE(g_soundManager->device().IsOpen()) << g_soundManager->device().error();
        logStart = ReadLog().size();
    }
    void TearDown() override {
        game.reset();
        if (g_soundManager)
            DestroySoundManager();
    }

    std::u16string Logged() const { return Unescape(ReadLog().substr(logStart)); }
    cSoundManager& manager() const { return *g_soundManager; }

    cPath WriteTone(const std::string& name, const cTone& tone) {
        WriteBytes(dir.path() / (name + ".ogg"), EncodeToneOgg(tone));
        return cPath(dir.u16(name + ".ogg"));
    }
    int LoadSound(const std::string& name, double seconds, int channels = 1) {
        cSampleRecord record;
        record.maxChannels = channels;
        const int rc = ReadSoundBuffer(&record, WriteTone(name, {seconds, 440.0, 44100, 1, 0.4f}));
        EXPECT_EQ(rc, 0);
        return manager().AddSoundBuffer(FromUtf8(name), record.sample);
    }
    cMusic* LoadMusic(const std::string& name, double seconds) {
        cStreamRecord record;
        EXPECT_EQ(ReadStreamBuffer(&record, WriteTone(name, {seconds, 330.0, 44100, 2, 0.4f})), 0);
        manager().AddStreamBuffer(FromUtf8(name), record.stream, record.memory);
        return manager().CreateMusic(FromUtf8(name));
    }
    float Volume(const cMusic* music) const {
        float v = -1.0f;
        EXPECT_TRUE(manager().device().ChannelGetVolume(music->Channel(), &v));
        return v;
    }
    double Position(const cMusic* music) const {
        return manager().device().ChannelGetPosition(music->Channel());
    }

    std::unique_ptr<cGame> game;
    cTempFolder dir;
    size_t logStart = 0;
};

TEST_F(SoundManagerTest, CreateAndDestroyReportWhatTheyFind) {
    EXPECT_FALSE(CreateSoundManager());
    EXPECT_EQ(Count(Logged(), u"Manager already exists"), 1u);
    EXPECT_TRUE(DestroySoundManager());
    EXPECT_EQ(g_soundManager, nullptr);
    EXPECT_FALSE(DestroySoundManager());
    EXPECT_EQ(Count(Logged(), u"Manager does not exist"), 1u);
    ASSERT_TRUE(CreateSoundManager());
    const std::u16string log = Logged();
    EXPECT_NE(log.find(u"DestroySoundManager"), std::u16string::npos);
    EXPECT_NE(log.find(u"CreateSoundManager"), std::u16string::npos);
    EXPECT_EQ(Count(log, u"Ok"), 2u);
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
    EXPECT_EQ(Count(Logged(), u"Play: invalid music 'missing_track'"), 1u);
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
        const size_t before = Count(Logged(), u"SetVolume: volume invalid");
        manager().SetVolume(c.kind, c.value);
        EXPECT_EQ(Count(Logged(), u"SetVolume: volume invalid") - before, c.refused ? 1u : 0u);
        EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeSounds), c.sounds);
        EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeMusic), c.music);
    }
}

TEST_F(SoundManagerTest, MusicVolumeAlsoSetsEveryPlayingTrack) {
    cMusic* playing = LoadMusic("music0", 2.0);
    cMusic* idle = LoadMusic("music1", 2.0);
    ASSERT_TRUE(playing->Play());
    manager().SetVolume(kVolumeMusic, 0.4f);
    EXPECT_FLOAT_EQ(Volume(playing), 0.4f);
    EXPECT_FLOAT_EQ(Volume(idle), 1.0f);
    EXPECT_FLOAT_EQ(manager().GetVolume(kVolumeMusic), 0.4f);
}

TEST_F(SoundManagerTest, SoundWithoutBufferLogsOnceMadeAndOncePlayed) {
    cSound sound(u"nothing");
    EXPECT_EQ(sound.channel, 0u);
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.Play());
    EXPECT_FALSE(sound.Play());
    const std::u16string log = Logged();
    EXPECT_EQ(Count(log, u"constructor: sound buffer not found 'nothing'"), 1u);
    EXPECT_EQ(Count(log, u"Play: invalid sound (id = 0)"), 1u);
}

TEST_F(SoundManagerTest, LoopingSoundStopsWithItsObjectAndOneShotPlaysOn) {
    LoadSound("strike", 2.0, 2);
    const cAudioDevice& device = manager().device();
    cAudioHandle looping = 0, oneShot = 0;
    {
        cSound loop(u"strike");
        ASSERT_TRUE(loop.SetLoop(true));
        ASSERT_TRUE(loop.Play());
        looping = loop.channel;
        cSound once(u"strike");
        ASSERT_TRUE(once.Play());
        oneShot = once.channel;
        EXPECT_TRUE(loop.IsPlaying());
        EXPECT_TRUE(once.IsPlaying());
    }
    EXPECT_EQ(device.ChannelIsActive(looping), eChannelState::kStopped);
    EXPECT_EQ(device.ChannelIsActive(oneShot), eChannelState::kPlaying);
}

TEST_F(SoundManagerTest, NamedSoundsForTheControlsPlayAndAMissingNameLogsOnce) {
    LoadSound("click", 0.2, 3);
    EXPECT_TRUE(PlayNamedSound(u"click"));
    EXPECT_TRUE(PlayNamedSound(u"click"));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(PlayNamedSound(u"mouse_in"));
    const std::u16string log = Logged();
    EXPECT_EQ(Count(log, u"constructor: sound buffer not found 'mouse_in'"), 1u);
    EXPECT_EQ(Count(log, u"click"), 0u);
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
    EXPECT_NEAR(Volume(level), 0.4f, 1e-4);  // halfway to the music volume
    EXPECT_TRUE(menu->IsActive());
    manager().Update(0.6f);
    EXPECT_FALSE(menu->IsActive()) << "a fade-out stops the track";
    EXPECT_TRUE(level->IsActive());
    EXPECT_NEAR(Volume(level), 0.8f, 1e-4);

    // Back to the menu: its music comes back where it stopped.
    const double stoppedAt = Position(menu);
    EXPECT_GT(stoppedAt, 0.0);
    EXPECT_TRUE(menu->Fade(true, 1.0f));
    EXPECT_TRUE(menu->Play());
    EXPECT_GE(Position(menu), stoppedAt);
}

TEST_F(SoundManagerTest, WithoutOutputTheGameRunsSilentlyAndSaysSoOnce) {
    DestroySoundManager();
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const size_t start = ReadLog().size();
    EXPECT_FALSE(CreateSoundManager());
    if (old) {
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
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

    const std::u16string log = Unescape(ReadLog().substr(start));
    EXPECT_EQ(Count(log, u"Init: BASS_Init"), 1u);
    EXPECT_EQ(Count(log, u"no audio output"), 1u);
    EXPECT_EQ(Count(log, u"ReadSoundBuffer"), 0u);
    EXPECT_EQ(Count(log, u"ReadStreamBuffer"), 0u);
    EXPECT_EQ(Count(log, u"invalid music"), 0u);
    EXPECT_TRUE(DestroySoundManager());
}

}  // namespace
}  // namespace qor::test
