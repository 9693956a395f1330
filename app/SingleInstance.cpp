#include "app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace qor {

namespace {

eLockResult Refuse(const std::string& path, const char* reason) {
    std::fprintf(stderr,
                 "Brindlemoor: cannot use the lock file %s that keeps a second copy from "
                 "starting (%s); the game does not start.\n",
                 path.c_str(), reason);
    return eLockResult::kFailed;
}

}  // namespace

cSingleInstanceLock::~cSingleInstanceLock() {
    if (m_fd >= 0)
        ::close(m_fd);  // closing releases the lock
}

std::string cSingleInstanceLock::LockFilePath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/')
        return (std::filesystem::path(runtime) / "OrvikMutex").string();
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec)
        folder = "/tmp";
    return (folder / ("OrvikMutex-" + std::to_string(::geteuid()))).string();
}

eLockResult cSingleInstanceLock::TryAcquire() {
    if (m_fd >= 0)
        return eLockResult::kAcquired;
    const std::string path = LockFilePath();
    // Never through a link: in a shared folder anyone could plant one.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Refuse(path, std::strerror(errno));
    struct stat st;
    const char* unusable = nullptr;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        unusable = "it is not a plain file";
    } else if (st.st_uid != ::geteuid()) {
        // Its owner could hold it to keep the game from ever starting.
        unusable = "it belongs to another user";
    }
    if (unusable) {
        ::close(fd);
        return Refuse(path, unusable);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return eLockResult::kHeldElsewhere;
        return Refuse(path, std::strerror(error));
    }
    m_fd = fd;
    return eLockResult::kAcquired;
}

}  // namespace qor
