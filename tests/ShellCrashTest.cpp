// Progress survives a killed game: the game process is killed (SIGKILL, no
// shutdown at all) right after the player named a new profile, and the next
// start finds that profile. The child is this test binary run again with the
// filter of the child test, so that it starts from a clean process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL2/SDL.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/Path.h"
#include "engine/Strings.h"
#include "shell/Garden.h"
#include "tests/LeakCheck.h"
#include "tests/ShellDriver.h"
#include "tests/TestUtil.h"

namespace qor::test {
namespace {

namespace fs = std::filesystem;

constexpr char kReportFd[] = "QOR_SHELL_CRASH_FD";
constexpr char kParentHome[] = "QOR_SHELL_CRASH_HOME";

// Run only as the child of the test below: names the first player, tells the
// parent, and waits to be killed.
TEST(ShellKilledChild, NamesAPlayerAndWaits) {
    const char* fd = std::getenv(kReportFd);
    if (!fd)
        GTEST_SKIP() << "runs only as the child of ShellKilled";
    MarkGLUsed();
    // The parent's data home, instead of the empty one this process was given.
    if (const char* own = std::getenv("XDG_DATA_HOME"))
        fs::remove_all(own);
    setenv("XDG_DATA_HOME", std::getenv(kParentHome), 1);
    cShellDriver game;
    ASSERT_TRUE(game.Start());
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(game.WaitShown(u"profile_new"));
    for (int i = 0; i < 8; ++i)
        game.Key(SDLK_BACKSPACE);
    game.Type("Kim");
    game.Key(SDLK_RETURN);
    game.Step(2);
    const char done = 'k';
    if (write(std::atoi(fd), &done, 1) != 1)
        _exit(3);
    for (;;)
        game.Step();
}

TEST(ShellKilled, AProfileMadeJustBeforeAKillIsThereAtTheNextStart) {
    MarkGLUsed();
    UseTestSystemPaths();
    const fs::path app = ToUtf8(GetSystemPaths().appPath);
    fs::remove_all(app / "profile");
    fs::remove_all(app / "conf");

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        setenv(kReportFd, std::to_string(pipeFds[1]).c_str(), 1);
        setenv(kParentHome, std::getenv("XDG_DATA_HOME"), 1);
        // Under the sanitizers the killed child has no exit to check.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execl("/proc/self/exe", "unit_tests", "--gtest_filter=ShellKilledChild.*",
              static_cast<char*>(nullptr));
        _exit(121);
    }
    close(pipeFds[1]);
    char done = 0;
    const ssize_t got = read(pipeFds[0], &done, 1);
    close(pipeFds[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(got, 1) << "the child never named its player";
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    cShellDriver game;
    if (!game.Start())
        GTEST_SKIP() << "no display here";
    ASSERT_TRUE(game.ReachMenus());
    ASSERT_TRUE(game.WaitShown(u"main"));
    EXPECT_FALSE(game.IsShown(u"profile_new")) << "the player has to name the profile again";
    EXPECT_EQ(game.garden()->GetCurrentPlayerName(), u"Kim");
    EXPECT_EQ(game.Caption(u"main", u"lbProfile"), u"Hello, Kim!");
}

}  // namespace
}  // namespace qor::test
