#pragma once
// Only one copy of the game runs at a time: the first takes an exclusive lock
// on a file named "OrvikMutex" in the user's runtime folder, and a second copy
// finds it taken and leaves at once.
#include <string>

namespace qor {

enum class eLockResult {
    kAcquired,
    kHeldElsewhere,  // another copy of this user's game runs
    kFailed,         // the lock file cannot be used; the reason is on standard error
};

class cSingleInstanceLock {
  public:
    cSingleInstanceLock() = default;
    ~cSingleInstanceLock();
    cSingleInstanceLock(const cSingleInstanceLock&) = delete;
    cSingleInstanceLock& operator=(const cSingleInstanceLock&) = delete;

    // False when another copy holds the lock or the lock cannot be made.
    bool Acquire() { return TryAcquire() == eLockResult::kAcquired; }
    // The game has no log yet when it takes the lock, so a failure other than
    // another copy running is explained on standard error.
    eLockResult TryAcquire();

    // $XDG_RUNTIME_DIR/OrvikMutex; without a runtime folder, the shared temp
    // folder with the user id in the name, so that users do not lock each other out.
    static std::string LockFilePath();

  private:
    int m_fd = -1;
};

}  // namespace qor
