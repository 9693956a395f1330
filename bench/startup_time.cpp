// Start-up time as a player meets it: from process start to "Loading
// complete.", with the splash skipped by key presses, through the game's own
// start-up and main loop (frame cap and all) over the generated data. Prints
// the total and where it goes: engine and window, splash, loading-screen
// set-up, and the queue frame by frame (frames that only show an item, and
// the loads by kind with the slowest item of each).
//
// Run from the build folder, next to data/:  cd build && ./bench/startup_time [runs]
// Headless by default (SDL offscreen, llvmpipe); SDL_VIDEODRIVER=x11 with a
// DISPLAY measures a real window (under Xvfb, for example).
#include <SDL2/SDL.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/GameProcess.h"
#include "engine/LoadData.h"
#include "engine/LoadingWidget.h"
#include "engine/Strings.h"

namespace {

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// When this process started, on the same clock (to the kernel's tick, 10 ms).
double ProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text;
    std::getline(stat, text);
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return Now();
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    // Fields from the third on; the start time is the 22nd.
    for (int i = 3; i <= 22 && fields >> field; ++i) {
    }
    return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct cTally {
    int count = 0;
    double total = 0, worst = 0;
    std::string worstName;
    void Add(double seconds, const std::string& name) {
        ++count;
        total += seconds;
        if (seconds > worst) {
            worst = seconds;
            worstName = name;
        }
    }
};

std::string KindOf(const qor::cLoadData* item) {
    if (dynamic_cast<const qor::cLoadTexture*>(item))
        return "texture";
    if (dynamic_cast<const qor::cLoadSound*>(item))
        return "sound";
    if (dynamic_cast<const qor::cLoadStream*>(item))
        return "music stream";
    return "other";
}

void PressSpace() {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_SPACE;
    e.key.keysym.scancode = SDL_SCANCODE_SPACE;
    SDL_PushEvent(&e);
}

// One start-up in this process, from its start; prints where the time went
// and returns the total in seconds (negative when the game could not start).
double RunOnce() {
    const double t0 = ProcessStart();
    qor::cGameProcess process;
    if (process.Start() != 0)
        return -1;
    const double engineUp = Now();
    while (!qor::g_loadingWidget) {
        PressSpace();  // a player hammering keys to skip the splash
        if (!process.Iterate())
            return -1;
    }
    const double splashDone = Now();
    qor::cLoadingWidget* loading = qor::g_loadingWidget;
    std::map<std::string, cTally> loads;
    cTally shows, draws;
    int frames = 0;
    while (loading->notify) {
        const qor::cLoadData* item = loading->current();
        const std::string kind = item ? KindOf(item) : "";
        const std::string name = item ? qor::ToUtf8(item->path.name) : "";
        const int drawnBefore = process.game()->frameCounter;
        const double start = Now();
        if (!process.Iterate())
            return -1;
        const double seconds = Now() - start;
        ++frames;
        // The frame-rate sample may have reset the count within the frame.
        const int drawnAfter = process.game()->frameCounter;
        const bool drawn = drawnAfter > drawnBefore || (drawnAfter < drawnBefore && drawnAfter > 0);
        if (item && !loading->current())
            loads[kind].Add(seconds, name);
        else
            (drawn ? draws : shows).Add(seconds, "");
    }
    const double end = Now();
    std::printf("process start to \"Loading complete.\": %.2f s\n", end - t0);
    std::printf("  %-34s %7.0f ms\n", "engine and window up", (engineUp - t0) * 1000);
    std::printf("  %-34s %7.0f ms\n", "splash skipped, loading screen up",
                (splashDone - engineUp) * 1000);
    std::printf("  %-34s %7.0f ms  (%.0f items in %d frames)\n", "loading queue",
                (end - splashDone) * 1000, loading->total, frames);
    for (const auto& [what, tally] : {std::pair{"drawn frames between loads", draws},
                                      std::pair{"other frames between loads", shows}}) {
        std::printf("    %-32s %7.0f ms  (%d, mean %.1f ms)\n", what, tally.total * 1000,
                    tally.count, tally.count ? tally.total * 1000 / tally.count : 0.0);
    }
    for (const auto& [kind, tally] : loads) {
        std::printf("    %-32s %7.0f ms  (%d, mean %.1f ms, slowest %s %.1f ms)\n",
                    ("frames loading a " + kind).c_str(), tally.total * 1000, tally.count,
                    tally.total * 1000 / tally.count, tally.worstName.c_str(), tally.worst * 1000);
    }
    std::fflush(stdout);
    process.Stop();
    return end - t0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (!std::filesystem::exists("data/conf/loading.lua")) {
        std::fprintf(stderr, "run me from the build folder (data/ not found)\n");
        return 1;
    }
    std::string home = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 1;
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    // Each start-up is a process of its own, as a player's is: nothing is
    // warm but what the system keeps (files in the page cache, the driver).
    std::vector<double> totals;
    for (int run = 0; run < runs; ++run) {
        int pipe[2];
        if (::pipe(pipe) != 0)
            break;
        const pid_t child = fork();
        if (child == 0) {
            ::close(pipe[0]);
            const double total = RunOnce();
            const ssize_t written = ::write(pipe[1], &total, sizeof total);
            _exit(written == sizeof total && total >= 0 ? 0 : 1);
        }
        ::close(pipe[1]);
        double total = -1;
        if (::read(pipe[0], &total, sizeof total) != sizeof total)
            total = -1;
        ::close(pipe[0]);
        waitpid(child, nullptr, 0);
        if (total < 0) {
            std::fprintf(stderr, "the game did not start here (no display or no GL?)\n");
            std::filesystem::remove_all(home);
            return 1;
        }
        totals.push_back(total);
    }
    std::sort(totals.begin(), totals.end());
    std::printf("start to end of loading over %zu runs: best %.2f s, median %.2f s, worst %.2f s\n",
                totals.size(), totals.front(), totals[totals.size() / 2], totals.back());
    std::filesystem::remove_all(home);
    return 0;
}
