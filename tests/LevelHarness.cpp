#include "tests/LevelHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/Game.h"
#include "app/Widget.h"
#include "engine/BitStream.h"
#include "engine/Strings.h"
#include "level/replay/ReplayPlayer.h"
#include "level/units/Worker.h"
#include "tests/AtlasSprites.h"
#include "tests/SceneTestKit.h"
#include "world/GameObjects.h"

namespace level_test {
namespace {

namespace fs = std::filesystem;

// The scene sprites, read once per process.
const std::map<std::u16string, qor::cSpriteInfo>& Sprites() {
    static const std::map<std::u16string, qor::cSpriteInfo> sprites = [] {
        std::map<std::u16string, qor::cSpriteInfo> out;
        for (const char* folder : {"data/texture/level", "data/texture/structures"}) {
            std::string error;
            for (const auto& [name, sprite] : qor::test::ReadAtlasSprites(folder, &error))
                out[qor::FromUtf8(name)] = qor::test::ToSpriteInfo(sprite);
            EXPECT_TRUE(error.empty()) << error;
        }
        return out;
    }();
    return sprites;
}

}  // namespace

const cTalkTable& GameTalks() {
    static const cTalkTable table = [] {
        cTalkTable built;
        built.Build();
        return built;
    }();
    return table;
}

int cTestHost::Played(int number) const {
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), number));
}

cLevelTestServices::cLevelTestServices() {
    Sprites();
}

qor::cSpriteInfo cLevelTestServices::FindSprite(const std::u16string& /*texture*/,
                                                const std::u16string& area) {
    return FindSprite(area);
}

qor::cSpriteInfo cLevelTestServices::FindSprite(const std::u16string& area) {
    const auto it = Sprites().find(area);
    return it == Sprites().end() ? qor::cSpriteInfo{} : it->second;
}

cLevelHarness::cLevelHarness() : cLevelHarness(nullptr) {}

cLevelHarness::cLevelHarness(const cMakeLevel& make) : cLevelHarness(nullptr, make) {}

cLevelHarness::cLevelHarness(cSceneServices* drawingServices, const cMakeLevel& make) {
    RegisterGameObjects(factory);
    cSceneServices* used = drawingServices ? drawingServices : &services;
    level = make ? make(&factory, used, &host) : new cLevelWidget(&factory, used, &host);
    if (!qor::g_game)
        m_owned.reset(level);
}

cLevelHarness::~cLevelHarness() {
    // An engine core keeps the widget until it goes itself: the level lets go
    // of its objects while the host they know is still here.
    if (!m_owned)
        level->Clear();
}

bool cLevelHarness::Load(const std::string& name) {
    std::ifstream in(fs::path("data") / "testlevel" / (name + ".lvl"), std::ios::binary);
    if (!in)
        return false;
    LoadBytes({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    return true;
}

void cLevelHarness::LoadBytes(const std::vector<uint8_t>& bytes) {
    qor::cBitStream stream;
    stream.Load(bytes.data(), bytes.size());
    level->LoadLevel(stream);
}

::testing::AssertionResult cLevelHarness::LoadScene(const std::string& text) {
    std::vector<std::string> messages;
    const std::vector<uint8_t> bytes = scene_test::Compile(text, &messages);
    if (bytes.empty())
        return ::testing::AssertionFailure() << (messages.empty() ? "no bytes" : messages[0]);
    LoadBytes(bytes);
    return ::testing::AssertionSuccess();
}

void cLevelHarness::Begin() {
    level->OnEvent(qor::kWidgetKeyDown, ' ');
    EXPECT_TRUE(ClickThroughTalk()) << "the opening talk never ends";
}

bool cLevelHarness::ClickThroughTalk(int stepLimit) {
    for (int step = 0; step < stepLimit; ++step) {
        if (host.RunningTalk().empty() && !host.IsTalkSpeaking())
            return true;
        if (host.IsTalkSpeaking())
            level->OnEvent(qor::kWidgetKeyDown, ' ');
        else
            Step();
    }
    return host.RunningTalk().empty() && !host.IsTalkSpeaking();
}

void cLevelHarness::Step(int ticks) {
    for (int t = 0; t < ticks; ++t) {
        level->Tick();
        level->Update(kTickSeconds);
        if (readsTalks && host.IsTalkSpeaking())
            level->OnEvent(qor::kWidgetKeyDown, ' ');
    }
}

void cLevelHarness::StepSeconds(float seconds) {
    Step(static_cast<int>(seconds * 30.0f + 0.5f));
}

void cLevelHarness::Click(qor::cVec2 at, int button) {
    host.cursor = at;
    level->OnEvent(qor::kWidgetMouseDown, button);
}

bool cLevelHarness::PickPoint(const cObject* object, qor::cVec2* point) const {
    return FindPickPoint(*level, object, point);
}

bool PickPoint(const cLevelWidget& level, const cObject* object, qor::cVec2* point) {
    return FindPickPoint(level, object, point);
}

bool cLevelHarness::ClickOn(const cObject* object) {
    qor::cVec2 at;
    if (!object || !PickPoint(object, &at))
        return false;
    Click(at, 0);
    return true;
}

cObject* cLevelHarness::Find(const std::u16string& name) const {
    return level->FindObjectByName(name);
}

std::vector<cWorker*> cLevelHarness::Workers() const {
    std::vector<cWorker*> workers;
    for (cObject* object : OfType(scene_type::kWorker))
        workers.push_back(static_cast<cWorker*>(object));
    return workers;
}

std::vector<cObject*> cLevelHarness::OfType(uint32_t type) const {
    std::vector<cObject*> out;
    level->CollectObjects(out, type, -1);
    return out;
}

std::vector<uint8_t> TestLevelNamed(const std::string& file, const std::string& levelName) {
    std::ifstream in(std::string(QOR_SOURCE_DIR) + "/data-src/testlevel/" + file + ".lvl.scene");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string statement = "\nlevel \"" + file + "\"\n";
    const size_t at = text.find(statement);
    EXPECT_NE(at, std::string::npos) << file << " names another level";
    if (at != std::string::npos)
        text.replace(at, statement.size(), "\nlevel \"" + levelName + "\"\n");
    std::vector<std::string> messages;
    std::vector<uint8_t> bytes = scene_test::Compile(text, &messages);
    EXPECT_FALSE(bytes.empty()) << (messages.empty() ? "no bytes" : messages[0]);
    return bytes;
}

std::string IslandScene(const std::string& name, const std::string& body) {
    std::string text = "level \"" + name + "\"\ngrid\n";
    for (int j = kGridRows - 1; j >= 0; --j) {
        for (int i = 0; i < kGridColumns; ++i)
            text += IsIslandCell({i, j}) && !IsRimCell({i, j}) ? '.' : '~';
        text += '\n';
    }
    return text + "end\n" + body;
}

}  // namespace level_test
