#include "tests/SoundTestFixture.h"

#include <utility>

namespace qor::test {

std::u16string UnescapeLog(std::u16string text) {
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

size_t CountIn(const std::u16string& text, std::u16string_view what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

void cSoundTest::SetUp() {
    UseTestSystemPaths();
    game = std::make_unique<cGame>();
    // The engine core may already have made the manager.
    if (!g_soundManager)
        CreateSoundManager();
    ASSERT_NE(g_soundManager, nullptr);
    ASSERT_TRUE(g_soundManager->device().IsOpen()) << g_soundManager->device().error();
    logStart = ReadLog().size();
}

void cSoundTest::TearDown() {
    game.reset();
    if (g_soundManager)
        DestroySoundManager();
}

cPath cSoundTest::WriteTone(const std::string& name, const cTone& tone) {
    WriteBytes(dir.path() / (name + ".ogg"), EncodeToneOgg(tone));
    return cPath(dir.u16(name + ".ogg"));
}

int cSoundTest::LoadSound(const std::string& name, double seconds, int channels,
                          const cTone& shape) {
    cTone tone = shape;
    tone.seconds = seconds;
    cSampleRecord record;
    record.maxChannels = channels;
    EXPECT_EQ(ReadSoundBuffer(&record, WriteTone(name, tone)), 0);
    return manager().AddSoundBuffer(FromUtf8(name), record.sample);
}

cMusic* cSoundTest::LoadMusic(const std::string& name, double seconds, const cTone& shape) {
    cTone tone = shape;
    tone.seconds = seconds;
    cStreamRecord record;
    EXPECT_EQ(ReadStreamBuffer(&record, WriteTone(name, tone)), 0);
    manager().AddStreamBuffer(FromUtf8(name), record.stream, record.memory);
    return manager().CreateMusic(FromUtf8(name));
}

float cSoundTest::Volume(const cMusic* music) const {
    float v = -1.0f;
    EXPECT_TRUE(manager().device().ChannelGetVolume(music->Channel(), &v));
    return v;
}

double cSoundTest::Position(const cMusic* music) const {
    return Position(music->Channel());
}

double cSoundTest::Position(cAudioHandle channel) const {
    return manager().device().ChannelGetPosition(channel);
}

}  // namespace qor::test
