#pragma once
// Only one copy of the game runs at a time: the first takes an exclusive lock
// on a file named "OrvikMutex" in the user's runtime folder, and a second copy
// finds it taken and leaves at once.
#include <string>

namespace qor {

class cSingleInstanceLock {
public:
    cSingleInstanceLock() = default;
    ~cSingleInstanceLock();
    cSingleInstanceLock(const cSingleInstanceLock&) = delete;
    cSingleInstanceLock& operator=(const cSingleInstanceLock&) = delete;

    // False when another copy holds the lock or the lock cannot be made.
    bool Acquire();

    // $XDG_RUNTIME_DIR/OrvikMutex, else the same name in the system temp folder.
    static std::string LockFilePath();

private:
    int m_fd = -1;
};

}  // namespace qor
