#include "tests/LevelFixture.h"

#include <algorithm>

#include "engine/Strings.h"
#include "shell/Garden.h"

namespace qor::test {

namespace {

std::string Step(const std::string& what, const std::u16string& value) {
    return what + " " + ToUtf8(value);
}

std::string Step(const std::string& what, double value) {
    std::string number = std::to_string(value);
    number.erase(number.find_last_not_of('0') + 1);
    if (!number.empty() && number.back() == '.')
        number.pop_back();
    return what + " " + number;
}

}  // namespace

cFixtureLevel::cFixtureLevel() {
    g_levelView = this;
}

cFixtureLevel::~cFixtureLevel() {
    if (g_levelView == this)
        g_levelView = nullptr;
}

int cFixtureLevel::CountBuilt(std::u16string_view kind) const {
    const auto found = built.find(std::u16string(kind));
    return found == built.end() ? 0 : found->second;
}

ResourceSet cFixtureLevel::GetResources() const {
    return g_garden ? g_garden->GetResources() : stock;
}

void cFixtureLevel::SetLevelName(const std::u16string& name) {
    steps.push_back(Step("name", name));
}

void cFixtureLevel::SetResources(const ResourceSet& amounts) {
    steps.push_back(Step("resources", FormatResources(amounts)));
    stock = amounts;
    if (g_garden && g_garden->GetCurrentPlayer())
        g_garden->GetCurrentPlayer()->resources = amounts;
}

void cFixtureLevel::SetBackgroundKind(const std::u16string& name) {
    steps.push_back(Step("background", name));
}

void cFixtureLevel::SetSilverTime(float seconds) {
    steps.push_back(Step("silver", seconds));
    silverTime = seconds;
}

void cFixtureLevel::SetMusic(const std::u16string& track) {
    steps.push_back(Step("music", track));
}

void cFixtureLevel::SetMaxLevel(const std::u16string& kind, int32_t level) {
    steps.push_back(Step("max " + ToUtf8(kind), level));
}

void cFixtureLevel::AddSpell(int32_t spell) {
    steps.push_back(Step("spell", spell));
}

void cFixtureLevel::StartTalk(const std::u16string& key) {
    steps.push_back(Step("talk", key));
}

void cFixtureLevel::SetStoryStep(int32_t step) {
    steps.push_back(Step("story", step));
}

void cFixtureLevel::CreateTutorial(const std::u16string& step) {
    steps.push_back(Step("tutorial", step));
}

void cFixtureLevel::PreparePrison(const std::u16string& storyText, const ResourceSet& price) {
    steps.push_back(Step("prison", storyText + u" " + FormatResources(price)));
}

void cFixtureLevel::SetTimeLeft(float seconds) {
    steps.push_back(Step("time left", seconds));
    timeLeft = seconds;
}

void cFixtureLevel::UpdateTasks(int32_t kind) {
    steps.push_back(Step("recount", kind));
    lastCelebration = panel.Refresh(tasks, RecountTasks(tasks, kind, *this));
}

void cFixtureLevel::StartLevelTimers() {
    steps.push_back("timers");
}

cFixtureMap::cFixtureMap() {
    g_mapMedals = this;
}

cFixtureMap::~cFixtureMap() {
    if (g_mapMedals == this)
        g_mapMedals = nullptr;
}

int32_t cFixtureMap::GetMedal(int level) const {
    const auto found = medals.find(level);
    return found == medals.end() ? 0 : found->second;
}

void cFixtureMap::SetMedal(int level, int32_t medal) {
    medals[level] = std::max(GetMedal(level), medal);
}

void cFixtureMap::OpenLevel(int level) {
    for (int i = 0; i <= level; ++i)
        medals[i] = std::max(GetMedal(i), 1);
    chosen = level;
}

}  // namespace qor::test
