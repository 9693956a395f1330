// Writing player files. Saved progress and settings must never be lost to a
// write that stops part way, so nothing is written into the target itself.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/BitStream.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/Strings.h"

namespace qor {

namespace {

cWriteFaultHook& FaultHook() {
    static cWriteFaultHook hook;
    return hook;
}

// True when a test wants this step to fail; errno then tells why, as it would.
bool FailInjected(eWriteStep step) {
    const cWriteFaultHook& hook = FaultHook();
    if (!hook || !hook(step))
        return false;
    errno = step == eWriteStep::kWrite ? ENOSPC : EIO;
    return true;
}

std::u16string_view StepName(eWriteStep step) {
    switch (step) {
        case eWriteStep::kCreate:
            return u"cannot create a new file beside it";
        case eWriteStep::kWrite:
            return u"write failed";
        case eWriteStep::kSync:
            return u"flush to disk failed";
        case eWriteStep::kClose:
            return u"close failed";
        case eWriteStep::kRename:
            return u"cannot replace the old file";
    }
    return u"";
}

void LogFailure(const std::string& target, eWriteStep step, int error) {
    const std::u16string reason =
        std::u16string(StepName(step)) + u" (" + FromUtf8(std::strerror(error)) + u")";
    LogEntry(kLogWarning, u"File", u"File %s not written: %s", FromUtf8(target), reason);
}

// A hidden name beside the target, unique to this process and call, so that
// the rename stays inside one file system and never meets another writer.
int CreateBeside(const std::string& target, std::string* name) {
    static unsigned counter = 0;
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = folder + "." + base + "." + std::to_string(::getpid()) + "." +
                std::to_string(counter++) + ".tmp";
        const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const uint8_t* data, size_t size) {
    if (FailInjected(eWriteStep::kWrite)) {
        const int error = errno;
        [[maybe_unused]] const ssize_t half = ::write(fd, data, size / 2);
        errno = error;
        return false;
    }
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder itself reaches the disk; the
// data is already safe either way, so a failure here is not reported.
void SyncFolderOf(const std::string& target) {
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

int WriteBytes(const cPath& path, const void* data, size_t size) {
    if (!path.archive.empty())
        return 0;  // archives are read-only: nothing is written
    if (path.full.empty())
        return 2;
    return ReplaceFileContents(path.FullUtf8(), data, size) ? 0 : 2;
}

}  // namespace

void SetWriteFaultHook(cWriteFaultHook hook) {
    FaultHook() = std::move(hook);
}

bool ReplaceFileContents(const std::string& target, const void* data, size_t size) {
    std::string temp;
    const int fd = FailInjected(eWriteStep::kCreate) ? -1 : CreateBeside(target, &temp);
    if (fd < 0) {
        LogFailure(target, eWriteStep::kCreate, errno);
        return false;
    }
    // Each step runs only when the ones before it worked; `step` ends at the
    // first that failed.
    eWriteStep step = eWriteStep::kWrite;
    bool ok = WriteAll(fd, static_cast<const uint8_t*>(data), size);
    if (ok) {
        step = eWriteStep::kSync;
        ok = !FailInjected(step) && ::fsync(fd) == 0;
    }
    int error = errno;
    // Closed in any case; a failed close can mean lost data (network folders, quotas).
    const bool closeInjected = ok && FailInjected(eWriteStep::kClose);
    if (::close(fd) != 0 || closeInjected) {
        if (ok) {
            step = eWriteStep::kClose;
            error = closeInjected ? EIO : errno;
        }
        ok = false;
    }
    if (ok) {
        step = eWriteStep::kRename;
        ok = !FailInjected(step) && ::rename(temp.c_str(), target.c_str()) == 0;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        LogFailure(target, step, error);
        return false;
    }
    SyncFolderOf(target);
    return true;
}

int WriteDataFile(const cBitStream& buffer, const cPath& path) {
    return WriteBytes(path, buffer.Data(), buffer.ByteLength());
}

int WriteTextFile(const cPath& path, std::u16string_view text) {
    std::vector<uint8_t> bytes;
    bytes.reserve(2 + text.size() * 2);
    bytes.push_back(0xFF);
    bytes.push_back(0xFE);
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    return WriteBytes(path, bytes.data(), bytes.size());
}

}  // namespace qor
