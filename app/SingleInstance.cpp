#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace qor {

cSingleInstanceLock::~cSingleInstanceLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

std::string cSingleInstanceLock::LockFilePath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path folder;
    if (runtime && runtime[0] == '/') {
        folder = runtime;
    } else {
        std::error_code ec;
        folder = std::filesystem::temp_directory_path(ec);
        if (ec) folder = "/tmp";
    }
    return (folder / "OrvikMutex").string();
}

bool cSingleInstanceLock::Acquire() {
    if (m_fd >= 0) return true;
    const int fd = ::open(LockFilePath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

}  // namespace qor
