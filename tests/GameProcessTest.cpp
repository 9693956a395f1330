// Runs the real game binary headless, as a player's machine would.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine/Strings.h"
#include "tests/TestUtil.h"

namespace qor {
namespace {

using Clock = std::chrono::steady_clock;

pid_t StartGame(const test::cTempFolder& dir) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
        setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // In the sanitizer build the GL driver is unloaded at exit before the
        // leak check, leaving its allocations without a name to suppress; the
        // in-process harness tests check our own shutdown for leaks instead.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        if (chdir(dir.path().c_str()) != 0) _exit(120);
        execl(QOR_GAME_BINARY, QOR_GAME_BINARY, static_cast<char*>(nullptr));
        _exit(121);
    }
    return pid;
}

// Exit code, or -1 when the process did not end in time.
int WaitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

std::u16string LogOf(const test::cTempFolder& dir) {
    return test::ReadUtf16File(dir.path() / "Vantrel/Brindlemoor/_log.html");
}

TEST(GameProcess, StartsOnceWritesItsLogAndExitsCleanly) {
    test::cTempFolder dir;
    const pid_t first = StartGame(dir);
    ASSERT_GT(first, 0);
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (LogOf(dir).find(u"Change viewport. Ok") == std::u16string::npos && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ASSERT_NE(LogOf(dir).find(u"Change viewport. Ok"), std::u16string::npos) << "the game never opened its window";

    // A second copy leaves at once with code 0, before any window or log.
    const auto started = Clock::now();
    const pid_t second = StartGame(dir);
    EXPECT_EQ(WaitFor(second, std::chrono::seconds(5)), 0);
    EXPECT_LT(Clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(WaitFor(first, std::chrono::milliseconds(200)), -1) << "the first copy must still run";

    // The window manager's close request (SDL turns SIGTERM into the same quit).
    kill(first, SIGTERM);
    EXPECT_EQ(WaitFor(first, std::chrono::seconds(10)), 0);
    const std::u16string log = LogOf(dir);
    EXPECT_EQ(log.find(u"<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN'"), 0u);
    EXPECT_NE(log.find(u"DestroyWindow... Ok"), std::u16string::npos);
    EXPECT_TRUE(log.ends_with(u"</p></body>\n</html>\n"));
}

TEST(GameProcess, BrokenSettingsScriptIsLoggedAndTheGameStillStarts) {
    test::cTempFolder dir;
    test::WriteUtf16File(dir.path() / "Vantrel/Brindlemoor/conf/settings.lua",
                         u"runWindowed = true\nthis is not lua\n");
    const pid_t game = StartGame(dir);
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (LogOf(dir).find(u"Change viewport. Ok") == std::u16string::npos && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(game, SIGTERM);
    EXPECT_EQ(WaitFor(game, std::chrono::seconds(10)), 0);
    const std::u16string log = LogOf(dir);
    EXPECT_NE(log.find(u"Invalid buffer: runWindowed = true"), std::u16string::npos);
    EXPECT_NE(log.find(u"Change viewport. Ok"), std::u16string::npos);
}

}  // namespace
}  // namespace qor
