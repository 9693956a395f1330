#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/TestUtil.h"

namespace qor {
namespace {

// Each test chooses where the lock lives; the run's own settings come back after.
class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("TMPDIR", shared.path().c_str(), 1);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) {
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
        }
    }

    // Tries the lock and returns what it said on standard error.
    std::string Acquire(cSingleInstanceLock& lock, eLockResult expected) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(lock.TryAcquire(), expected);
        return ::testing::internal::GetCapturedStderr();
    }

    test::cTempFolder shared;  // stands in for the machine's shared temp folder
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

// Without a runtime folder of its own the lock goes to the shared temp folder,
// where another user's copy of the game must not stop ours.
TEST_F(SingleInstanceTest, TheSharedFallbackNameIsPerUser) {
    const std::string mine =
        (shared.path() / ("OrvikMutex-" + std::to_string(::geteuid()))).string();
    for (const char* runtime : {static_cast<const char*>(nullptr), "", "relative/run"}) {
        runtime ? ::setenv("XDG_RUNTIME_DIR", runtime, 1) : ::unsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(cSingleInstanceLock::LockFilePath(), mine);
    }
    // Another user's lock under the old shared name is of no concern.
    test::WriteBytes(shared.path() / "OrvikMutex", "");
    const int other = ::open((shared.path() / "OrvikMutex").c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    cSingleInstanceLock first, second;
    EXPECT_EQ(Acquire(first, eLockResult::kAcquired), "");
    // A second copy of the same user leaves quietly.
    EXPECT_EQ(Acquire(second, eLockResult::kHeldElsewhere), "");
    ::close(other);
}

// When the lock cannot be taken for any reason but another copy, the player
// learns why the game did not start.
TEST_F(SingleInstanceTest, ALockThatCannotBeTakenSaysWhy) {
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::filesystem::path lockFile = cSingleInstanceLock::LockFilePath();
    std::filesystem::create_directory(shared.path() / "elsewhere");

    struct Case {
        const char* what;
        std::function<void()> prepare;
    };
    const std::vector<Case> cases = {
        {"missing runtime folder",
         [&] { ::setenv("XDG_RUNTIME_DIR", (shared.path() / "gone").c_str(), 1); }},
        {"a folder in its place", [&] { std::filesystem::create_directory(lockFile); }},
        // Planted by someone else to make us write where they choose.
        {"a link in its place",
         [&] { std::filesystem::create_symlink(shared.path() / "elsewhere/x", lockFile); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        cSingleInstanceLock lock;
        const std::string said = Acquire(lock, eLockResult::kFailed);
        EXPECT_NE(said.find("Brindlemoor"), std::string::npos) << said;
        EXPECT_NE(said.find("OrvikMutex"), std::string::npos) << said;
        ::unsetenv("XDG_RUNTIME_DIR");
        std::filesystem::remove(lockFile);
    }
    EXPECT_FALSE(std::filesystem::exists(shared.path() / "elsewhere/x"));

    // A lock file that belongs to another user is not ours to trust.
    if (::geteuid() == 0) {
        test::WriteBytes(lockFile, "");
        ASSERT_EQ(::chown(lockFile.c_str(), 65534, 65534), 0);
        cSingleInstanceLock lock;
        EXPECT_NE(Acquire(lock, eLockResult::kFailed).find("another user"), std::string::npos);
    }
}

}  // namespace
}  // namespace qor
