// Sound files into samples and streams: channel budgets, result codes, and
// damaged files that must be logged and survived.
#include "engine/SoundResources.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <set>

#include "tests/SoundTestFixture.h"

namespace qor::test {
namespace {

class SoundResourcesTest : public cSoundTest {
  protected:
    cPath Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteBytes(dir.path() / name, bytes);
        return cPath(dir.u16(name));
    }
};

TEST_F(SoundResourcesTest, ChannelCountZeroMeansOneAndAboveNineteenMeansTwenty) {
    cAudioDevice& device = g_soundManager->device();
    const cPath path = Write("tone.ogg", EncodeToneOgg({3.0, 440.0, 44100, 1, 0.1f}));
    const struct {
        int requested;
        int budget;
    } cases[] = {{0, 1}, {-4, 1}, {1, 1}, {2, 2}, {19, 19}, {20, 20}, {50, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "requested " << c.requested);
        EXPECT_EQ(SampleChannelBudget(c.requested), c.budget);
        cSampleRecord record;
        record.maxChannels = c.requested;
        ASSERT_EQ(ReadSoundBuffer(&record, path), 0);
        // As many channels as the budget play side by side...
        std::set<cAudioHandle> playing;
        for (int i = 0; i < c.budget; ++i) {
            const cAudioHandle ch = device.SampleGetChannel(record.sample);
            ASSERT_TRUE(device.ChannelPlay(ch, false));
            playing.insert(ch);
        }
        EXPECT_EQ(playing.size(), static_cast<size_t>(c.budget));
        // ...and one more takes the place of one of them.
        const cAudioHandle extra = device.SampleGetChannel(record.sample);
        ASSERT_TRUE(device.ChannelPlay(extra, false));
        EXPECT_EQ(playing.count(extra), 0u);
        int still = 0;
        for (cAudioHandle ch : playing) {
            still += device.ChannelIsActive(ch) == eChannelState::kPlaying ? 1 : 0;
        }
        EXPECT_EQ(still, c.budget - 1);
        device.SampleFree(record.sample);
    }
}

TEST_F(SoundResourcesTest, StreamKeepsTheFilesCopyInMemory) {
    const std::vector<uint8_t> bytes = EncodeToneOgg({0.5, 440.0, 44100, 2, 0.3f});
    cStreamRecord record;
    ASSERT_EQ(ReadStreamBuffer(&record, Write("music0.ogg", bytes)), 0);
    ASSERT_NE(record.memory, nullptr);
    EXPECT_EQ(*record.memory, bytes);
    const std::weak_ptr<const std::vector<uint8_t>> copy = record.memory;
    g_soundManager->AddStreamBuffer(u"music0", record.stream, std::move(record.memory));
    EXPECT_FALSE(copy.expired());
    // The copy goes with its buffer.
    g_soundManager->streamBuffers.pop_back();
    EXPECT_TRUE(copy.expired());
}

TEST_F(SoundResourcesTest, FailuresReturnTheirCodeAndDamagedFilesAreLogged) {
    const std::vector<uint8_t> good = EncodeToneOgg({1.0, 440.0, 44100, 2, 0.3f});
    const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'o', 'g', 'g'};
    const cPath missing(dir.u16("missing.ogg"));
    const cPath empty = Write("empty.ogg", {});
    const cPath garbage = Write("garbage.ogg", text);
    const cPath headerCut = Write("header_cut.ogg", {good.begin(), good.begin() + 50});
    const cPath audioCut =
        Write("audio_cut.ogg", {good.begin(), good.begin() + good.size() * 2 / 3});

    EXPECT_EQ(ReadSoundBuffer(nullptr, garbage), 4);
    EXPECT_EQ(ReadStreamBuffer(nullptr, garbage), 4);
    const struct {
        const cPath& path;
        int code;  // -1: either 0 or 4, what survives may still play
    } cases[] = {{missing, 2}, {empty, 3}, {garbage, 4}, {headerCut, 4}, {audioCut, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.path.full));
        cSampleRecord sample;
        cStreamRecord stream;
        const int sampleCode = ReadSoundBuffer(&sample, c.path);
        const int streamCode = ReadStreamBuffer(&stream, c.path);
        if (c.code >= 0) {
            EXPECT_EQ(sampleCode, c.code);
            EXPECT_EQ(streamCode, c.code);
        }
        const std::u16string log = Logged();
        EXPECT_EQ(
            log.find(u"ReadSoundBuffer: BASS_SampleLoad " + c.path.full) != std::u16string::npos,
            sampleCode == 4);
        EXPECT_EQ(log.find(u"ReadStreamBuffer: " + c.path.full) != std::u16string::npos,
                  streamCode == 4);
        EXPECT_EQ(sample.sample != 0, sampleCode == 0);
        EXPECT_EQ(stream.stream != 0, streamCode == 0);
        EXPECT_EQ(stream.memory != nullptr, streamCode == 0) << "a failed stream keeps no copy";
    }

    // A stream of a file cut short plays what there is and then ends.
    cStreamRecord cut;
    if (ReadStreamBuffer(&cut, audioCut) == 0) {
        cAudioDevice& device = g_soundManager->device();
        ASSERT_TRUE(device.ChannelPlay(cut.stream, false));
        for (int i = 0; i < 400 && device.ChannelIsActive(cut.stream) == eChannelState::kPlaying;
             ++i) {
            SDL_Delay(5);
        }
        EXPECT_EQ(device.ChannelIsActive(cut.stream), eChannelState::kStopped);
        EXPECT_LT(device.ChannelGetPosition(cut.stream), 1.0);
    }
}

}  // namespace
}  // namespace qor::test
