// Saves under fire: the real game is started again and again on one profile,
// played from the menu through the map to a level won by its solution, the
// results and back, and killed (SIGKILL, no shutdown at all) at random
// moments: at a random time, or stopped at a random step of writing a file.
// Every start after a kill must load without a warning about a damaged file
// and hold every medal and point of score that a completed save held. The
// child is this test binary run again with the filter of the child test; it
// reports what it does, one line at a time, through a pipe.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/FileSystem.h"
#include "engine/Path.h"
#include "engine/Script.h"
#include "engine/Strings.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "level/LevelWidget.h"
#include "shell/FinishWF.h"
#include "shell/Garden.h"
#include "shell/ReplayConsole.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"
#include "world/MapWidget.h"
#include "world/Point.h"

#if defined(__SANITIZE_ADDRESS__)
#define QOR_KILL_STORM_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QOR_KILL_STORM_SANITIZED 1
#endif
#endif

namespace qor::test {
namespace {

namespace fs = std::filesystem;

constexpr char kReportFd[] = "QOR_KILL_STORM_FD";
constexpr char kParentHome[] = "QOR_KILL_STORM_HOME";
constexpr char kPauseAt[] = "QOR_KILL_STORM_PAUSE_AT";
constexpr char kPlayerName[] = "Storm";
// The levels that come with a solution, from the first.
constexpr int kSolvedLevels = 5;

// ---- the child: plays until it is killed ----------------------------------

int g_report = -1;

void Report(const std::string& line) {
    const std::string text = line + "\n";
    // One write per line: a pipe keeps short writes whole.
    if (write(g_report, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        _exit(3);
}

std::string Medals(const cMapWidget& map, int won = -1) {
    std::string text;
    for (int i = 0; i < kSolvedLevels; ++i) {
        int32_t medal = map.GetMedal(i);
        // What recording a gold medal on `won` makes of the map.
        if (i == won)
            medal = kMedalGold;
        else if (i == won + 1 && medal < kMedalOpen)
            medal = kMedalOpen;
        text += " " + std::to_string(medal);
    }
    return text;
}

std::string State(cGarden& garden, int32_t score, int won = -1) {
    return std::to_string(score) + Medals(*garden.mapWidget, won);
}

// Warnings and errors that say a file of the player could not be read whole.
int DamageWarnings() {
    const std::string log = ToUtf8(ReadLog());
    int found = 0;
    for (const char* text : {"could not be read whole", "Can&#39;t read", "can&#39;t be read",
                             "unreadable", "damaged"}) {
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++found;
    }
    return found;
}

// The first level without gold, else one in turn.
int NextLevel(const cMapWidget& map, int round) {
    for (int i = 0; i < kSolvedLevels; ++i) {
        if (map.GetMedal(i) != kMedalGold)
            return i;
    }
    return round % kSolvedLevels;
}

void StepUntil(cShellDriver& game, const std::function<bool()>& done, int frames) {
    for (int i = 0; i < frames && !done(); ++i)
        game.StepUnseen(1);
}

// One round: menu, map, the level won by its solution, results, map, menu.
bool PlayRound(cShellDriver& game, int round) {
    cGarden& garden = *game.garden();
    cMapWidget& map = *garden.mapWidget;
    if (!game.StartToMap())
        return false;
    const int level = NextLevel(map, round);
    map.OpenLevel(level);
    if (!game.Click(u"map", u"play") || !game.WaitShown(u"start"))
        return false;
    char name[32];
    std::snprintf(name, sizeof name, "level%03d.replay", level);
    const fs::path solution = fs::path(QOR_SOURCE_DIR) / "data-src/level/solutions" / name;
    fs::copy_file(solution, ToUtf8(garden.GetCurrentPlayer()->FilePath(u"solution.replay").full),
                  fs::copy_options::overwrite_existing);
    RunBuffer(u"replay('solution')");
    if (!garden.replays->IsPlaying() || !game.WaitShown(u"start") ||
        !game.Click(u"start", u"close"))
        return false;
    cLevelWidget& scene = *garden.GetLevelWidget();
    StepUntil(
        game, [&] { return scene.state == kLevelFinished; }, 30 * 400);
    if (scene.state != kLevelFinished || !game.WaitShown(u"finish", 400))
        return false;
    auto* results = dynamic_cast<cFinishWF*>(g_game->gui()->GetWnd(u"finish")->function.get());
    StepUntil(
        game, [&] { return results->stage == cFinishWF::kStageDone; }, 600);
    game.Step(30);
    // What closing the results is about to save.
    Report("pending " + State(garden, results->finalScore, level));
    if (!game.Click(u"finish", u"close") || !game.WaitShown(u"map"))
        return false;
    Report("saved " + State(garden, garden.GetScore()));
    return game.Click(u"map", u"back") && game.WaitShown(u"main");
}

TEST(KillStormChild, PlaysUntilKilled) {
    const char* fd = std::getenv(kReportFd);
    if (!fd)
        GTEST_SKIP() << "runs only as the child of KillStorm";
    MarkGLUsed();
    g_report = std::atoi(fd);
    if (const char* own = std::getenv("XDG_DATA_HOME"))
        fs::remove_all(own);
    setenv("XDG_DATA_HOME", std::getenv(kParentHome), 1);
    static int steps = 0;
    static const int pauseAt = std::atoi(std::getenv(kPauseAt) ? std::getenv(kPauseAt) : "0");
    SetWriteFaultHook([](eWriteStep step) {
        Report("step " + std::to_string(static_cast<int>(step)));
        if (++steps == pauseAt) {
            Report("pause");
            for (;;)
                pause();
        }
        return false;
    });
    cShellDriver game;
    game.SetDrawing(false);
    if (!game.Start()) {
        Report("no display");
        return;
    }
    ASSERT_TRUE(game.ReachMenus());
    cGarden& garden = *game.garden();
    Report("loaded " + State(garden, garden.GetScore()) + " " + std::to_string(DamageWarnings()) +
           " " + ToUtf8(garden.GetCurrentPlayerName()));
    if (game.IsShown(u"profile_new") || game.WaitShown(u"profile_new", 30)) {
        for (int i = 0; i < 8; ++i)
            game.Key(SDLK_BACKSPACE);
        game.Type(kPlayerName);
        game.Key(SDLK_RETURN);
        ASSERT_TRUE(game.WaitShown(u"main"));
        Report("saved " + State(garden, garden.GetScore()));
    }
    ASSERT_TRUE(game.WaitShown(u"main"));
    for (int round = 0;; ++round) {
        if (!PlayRound(game, round)) {
            Report("error in round " + std::to_string(round));
            FAIL();
        }
    }
}

// ---- the parent: starts, kills and checks ---------------------------------

// Score and the medals of the solved levels, as the child reports them.
using cState = std::vector<int>;

cState ParseState(std::istringstream& in) {
    cState state(1 + kSolvedLevels);
    for (int& value : state)
        in >> value;
    return state;
}

std::string Show(const cState& state) {
    std::string text;
    for (int value : state)
        text += std::to_string(value) + " ";
    return text;
}

struct cLife {
    pid_t pid = -1;
    int fd = -1;
    std::string buffered;
};

cLife Spawn(int pauseAt) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        setenv(kReportFd, std::to_string(pipeFds[1]).c_str(), 1);
        setenv(kParentHome, std::getenv("XDG_DATA_HOME"), 1);
        setenv(kPauseAt, std::to_string(pauseAt).c_str(), 1);
        // Under the sanitizers the killed child has no exit to check.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execl("/proc/self/exe", "unit_tests", "--gtest_filter=KillStormChild.*",
              static_cast<char*>(nullptr));
        _exit(121);
    }
    close(pipeFds[1]);
    return {child, pipeFds[0], ""};
}

// The next whole line, waiting until `deadline`; false at the deadline or
// when the child has gone (then `eof` is set).
bool NextLine(cLife& life, std::chrono::steady_clock::time_point deadline, std::string* line,
              bool* eof) {
    for (;;) {
        if (const size_t end = life.buffered.find('\n'); end != std::string::npos) {
            *line = life.buffered.substr(0, end);
            life.buffered.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{life.fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = read(life.fd, chunk, sizeof chunk);
        if (n <= 0) {
            *eof = true;
            return false;
        }
        life.buffered.append(chunk, static_cast<size_t>(n));
    }
}

// Half-made files the killed child left beside the files it was replacing.
bool LeftAHalfMadeFile(pid_t pid, const fs::path& folder) {
    const std::string mark = "." + std::to_string(pid) + ".";
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".tmp") && name.find(mark) != std::string::npos)
            return true;
    }
    return false;
}

// The score lives in player.dat and the medals in map.dat, each written
// whole or not at all, one after the other: a kill between the two leaves the
// score of one save beside the medals of the other. Either file must hold
// what some save wrote into it, never a value of its own.
bool FromTheSaves(const cState& loaded, const cState& saved, const cState& pending) {
    const auto medals = [](const cState& state) { return cState(state.begin() + 1, state.end()); };
    const auto either = [&](auto part) {
        return part(loaded) == part(saved) || (!pending.empty() && part(loaded) == part(pending));
    };
    return either([](const cState& state) { return state[0]; }) && either(medals);
}

bool AtLeast(const cState& loaded, const cState& saved) {
    for (size_t i = 0; i < saved.size(); ++i) {
        if (loaded[i] < saved[i])
            return false;
    }
    return true;
}

TEST(KillStorm, EveryCompletedSaveSurvivesKillsAtRandomMoments) {
    MarkGLUsed();
    UseTestSystemPaths();
    const fs::path app = ToUtf8(GetSystemPaths().appPath);
    fs::remove_all(app / "profile");
    fs::remove_all(app / "conf");
#ifdef QOR_KILL_STORM_SANITIZED
    const int kills = 10;
#else
    const int kills = 30;
#endif
    const char* seedText = std::getenv("QOR_KILL_STORM_SEED");
    const uint32_t seed =
        seedText ? static_cast<uint32_t>(std::strtoul(seedText, nullptr, 10)) : 20240611u;
    std::mt19937 random(seed);
    std::printf("kill storm: seed %u (QOR_KILL_STORM_SEED), %d kills\n", seed, kills);

    cState saved;    // what the last completed save held
    cState pending;  // what a save under way is writing
    int paused = 0, halfMade = 0, saves = 0;
    for (int life = 0; life <= kills; ++life) {
        SCOPED_TRACE("life " + std::to_string(life));
        const bool last = life == kills;
        // Half the lives stop at a random step of writing a file, the others
        // are killed at a random time after loading (or, now and then, while
        // loading).
        const int pauseAt = !last && random() % 2 == 0 ? 1 + static_cast<int>(random() % 15) : 0;
        const bool duringLoading = !last && pauseAt == 0 && random() % 6 == 0;
        const auto delay = std::chrono::milliseconds(
            duringLoading ? random() % 400 : 100 + random() % (last ? 1 : 1500));
        cLife child = Spawn(pauseAt);
        ASSERT_GE(child.pid, 0);
        const auto start = std::chrono::steady_clock::now();
        auto deadline = duringLoading ? start + delay : start + std::chrono::seconds(60);
        bool eof = false, wasPaused = false, loaded = false;
        std::string line;
        while (true) {
            if (!NextLine(child, deadline, &line, &eof))
                break;
            std::istringstream in(line);
            std::string what;
            in >> what;
            if (what == "no display") {
                kill(child.pid, SIGKILL);
                waitpid(child.pid, nullptr, 0);
                GTEST_SKIP() << "no display here";
            }
            if (what == "loaded") {
                loaded = true;
                const cState state = ParseState(in);
                int warnings = 0;
                std::string name;
                in >> warnings;
                std::getline(in >> std::ws, name);
                EXPECT_EQ(warnings, 0) << "a start after a kill warned about a damaged file";
                if (!saved.empty()) {
                    EXPECT_EQ(name, kPlayerName);
                    EXPECT_TRUE(FromTheSaves(state, saved, pending))
                        << "loaded " << Show(state) << "; saved " << Show(saved) << "; pending "
                        << Show(pending);
                    EXPECT_TRUE(AtLeast(state, saved));
                    saved = state;
                }
                pending.clear();
                if (!duringLoading)
                    deadline = last ? std::chrono::steady_clock::now()
                                    : std::chrono::steady_clock::now() + delay;
            } else if (what == "pending") {
                pending = ParseState(in);
            } else if (what == "saved") {
                saved = ParseState(in);
                pending.clear();
                ++saves;
            } else if (what == "pause") {
                wasPaused = true;
                break;
            } else if (what == "error") {
                ADD_FAILURE() << "the child could not play on: " << line;
            }
        }
        kill(child.pid, SIGKILL);
        int status = 0;
        waitpid(child.pid, &status, 0);
        close(child.fd);
        ASSERT_FALSE(eof) << "the child ended by itself (status " << status << ")";
        ASSERT_TRUE(loaded || duringLoading || wasPaused) << "the child never finished loading";
        if (!last) {
            paused += wasPaused ? 1 : 0;
            halfMade += !wasPaused && LeftAHalfMadeFile(child.pid, app) ? 1 : 0;
        }
    }
    std::printf(
        "kill storm: %d kills, %d inside a save (%d stopped at a write step, %d more "
        "left a half-written file), %d saves completed\n",
        kills, paused + halfMade, paused, halfMade, saves);
    EXPECT_GT(paused, 0);
    EXPECT_FALSE(saved.empty()) << "no save was ever completed";
}

}  // namespace
}  // namespace qor::test
