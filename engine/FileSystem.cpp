#include "engine/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unzip.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "engine/BitStream.h"
#include "engine/Log.h"
#include "engine/Strings.h"

namespace qor {

namespace {

constexpr std::u16string_view kSender = u"File";
constexpr long kMaxWholeFile = 256L * 1024 * 1024;

// Member names are compared without regard to ASCII case or separator kind, so
// archives packed on any system are found.
bool SameMemberName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] == '\\' ? '/' : a[i];
        char y = b[i] == '\\' ? '/' : b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// Walks the central directory itself (instead of unzLocateFile) so that the
// name rule above applies. Each name is fetched at the length its header
// gives: minizip leaves a name that fills the buffer unterminated.
bool LocateMember(unzFile zip, std::string_view member) {
    std::string name;
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info info;
        if (unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            return false;
        }
        if (info.size_filename != member.size())
            continue;
        name.resize(info.size_filename);
        if (unzGetCurrentFileInfo(zip, &info, name.data(), name.size(), nullptr, 0, nullptr, 0) !=
            UNZ_OK) {
            return false;
        }
        if (SameMemberName(name, member))
            return true;
    }
    return false;
}

// Opening a member fails in several steps; each failure is one of these.
struct cZipCatch {
    std::u16string_view format;
    std::u16string argument;
    int code;
};

int OpenArchiveMember(cFile* file, const cPath& path) {
    const std::u16string archiveName = path.ArchiveFile();
    const std::u16string memberName = path.MemberName();
    try {
        unzFile zip = unzOpen(ToUtf8(archiveName).c_str());
        if (!zip)
            throw cZipCatch{u"ZIP file %s not found\n", archiveName, 2};
        file->archive = zip;
        if (!LocateMember(zip, ToUtf8(memberName))) {
            throw cZipCatch{u"File %s not found in ZIP file\n", memberName, 1};
        }
        unz_file_info info;
        if (unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            throw cZipCatch{u"Internal error in ZIP file - couldn't get file info\n", u"", 4};
        }
        if (unzOpenCurrentFile(zip) != UNZ_OK) {
            throw cZipCatch{u"Internal error in ZIP file - couldn't open file\n", u"", 4};
        }
        file->memberSize = info.uncompressed_size;
        file->mode = cFile::kArchive;
        return 0;
    } catch (const cZipCatch& error) {
        LogEntry(kLogWarning, kSender, error.format, error.argument);
        if (file->archive)
            unzClose(file->archive);
        file->archive = nullptr;
        return error.code;
    }
}

std::string ExpandedUtf8(std::u16string_view text) {
    return ToUtf8(ExpandPath(text));
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> ListFolder(const std::string& folder) {
    std::vector<std::string> entries;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* e = ::readdir(dir)) {
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
                entries.emplace_back(e->d_name);
            }
        }
        ::closedir(dir);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace

cFile::~cFile() {
    if (mode == kArchive && archive) {
        unzCloseCurrentFile(archive);
        unzClose(archive);
    }
    if (stream)
        std::fclose(stream);
}

int OpenFile(cFileHolder& holder, const cPath& path, std::u16string_view mode) {
    if (holder)
        return 5;
    if (path.full.empty())
        return 1;
    holder = std::make_unique<cFile>();
    if (!path.archive.empty()) {
        // Archive members are read-only; the unopened holder reads nothing.
        if (mode.empty() || mode[0] != u'r')
            return 3;
        const int rc = OpenArchiveMember(holder.get(), path);
        if (rc != 0)
            holder.reset();
        return rc;
    }
    if (mode.empty() || (mode[0] != u'a' && mode[0] != u'r' && mode[0] != u'w'))
        return 3;
    holder->stream = std::fopen(path.FullUtf8().c_str(), ToUtf8(mode).c_str());
    if (!holder->stream) {
        LogEntry(kLogWarning, kSender, u"File %s not found on disk", path.full);
        holder.reset();
        return 1;
    }
    holder->mode = cFile::kDisk;
    if ((mode[0] == u'w' || mode[0] == u'a') && !SetEveryoneAccess(path)) {
        LogEntry(kLogWarning, kSender, u"File %s security info not changed", path.full);
    }
    return 0;
}

size_t ReadFile(cFile* file, size_t count, void* buffer, size_t size) {
    if (!file || size == 0 || count == 0 || !buffer)
        return 0;
    if (file->mode == cFile::kDisk)
        return std::fread(buffer, size, count, file->stream);
    if (file->mode != cFile::kArchive)
        return 0;
    if (count > 0x7FFFFFFF / size)
        return 0;
    const int bytes =
        unzReadCurrentFile(file->archive, buffer, static_cast<unsigned>(count * size));
    if (bytes < 0) {
        LogEntry(kLogWarning, kSender, u"Internal error in ZIP file - couldn't read file");
        return 0;
    }
    return static_cast<size_t>(bytes) / size;
}

size_t WriteFile(cFile* file, size_t count, const void* buffer, size_t size) {
    if (!file || file->mode != cFile::kDisk || !buffer)
        return 0;
    return std::fwrite(buffer, size, count, file->stream);
}

long FileSize(cFile* file) {
    if (!file)
        return 0;
    if (file->mode == cFile::kArchive)
        return static_cast<long>(file->memberSize);
    if (file->mode != cFile::kDisk)
        return 0;
    const long here = std::ftell(file->stream);
    if (here < 0 || std::fseek(file->stream, 0, SEEK_END) != 0)
        return 0;
    const long size = std::ftell(file->stream);
    std::fseek(file->stream, here, SEEK_SET);
    return size < 0 ? 0 : size;
}

void CloseFile(cFileHolder& holder) {
    holder.reset();
}

int ReadWholeFile(const cPath& path, std::vector<uint8_t>* out) {
    if (!out)
        return 4;
    cFileHolder file;
    if (OpenFile(file, path, u"rb") != 0 || !file || file->mode == cFile::kNone)
        return 2;
    const long size = FileSize(file.get());
    if (size <= 0)
        return 3;
    if (size > kMaxWholeFile) {
        // A hostile archive can claim any uncompressed size: never trust it
        // with an allocation.
        LogEntry(kLogWarning, kSender, u"File %s is too large to read (%i bytes)", path.full,
                 static_cast<int32_t>(std::min<long>(size, 0x7FFFFFFF)));
        return 3;
    }
    // An archive member's size is only the archive's claim: the buffer grows
    // with the bytes that really arrive, never to the claim at once.
    constexpr size_t kChunk = 64 * 1024;
    const size_t expected = static_cast<size_t>(size);
    out->clear();
    out->reserve(std::min(expected, kChunk));
    while (out->size() < expected) {
        const size_t have = out->size();
        const size_t step = std::min(kChunk, expected - have);
        out->resize(have + step);
        const size_t got = ReadFile(file.get(), step, out->data() + have, 1);
        out->resize(have + got);
        if (got < step)
            break;
    }
    return 0;
}

int ReadTextFile(const cPath& path, std::u16string* out) {
    if (!out)
        return 4;
    std::vector<uint8_t> bytes;
    const int rc = ReadWholeFile(path, &bytes);
    if (rc != 0)
        return rc;
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xFE)
        return 3;
    out->clear();
    out->reserve((bytes.size() - 2) / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (c == 0)
            break;  // the text ends at the first zero character
        *out += c;
    }
    return 0;
}

int ReadDataFile(const cPath& path, cBitStream* out) {
    if (!out)
        return 4;
    std::vector<uint8_t> bytes;
    const int rc = ReadWholeFile(path, &bytes);
    if (rc != 0)
        return rc;
    out->Load(bytes.data(), bytes.size());
    return 0;
}

bool CreateFolder(std::u16string_view text) {
    std::string path = ExpandedUtf8(text);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t slash = path.find('/', start);
        const size_t end = slash == std::string::npos ? path.size() : slash;
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    if (parts.empty())
        return false;
    std::string prefix = !path.empty() && path[0] == '/' ? "/" : "";
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        prefix += parts[i];
        ::mkdir(prefix.c_str(), 0755);  // existing folders are fine
        prefix += '/';
    }
    prefix += parts.back();
    if (::mkdir(prefix.c_str(), 0755) != 0)
        return false;
    const cPath created(FromUtf8(prefix));
    if (!SetEveryoneAccess(created)) {
        LogEntry(kLogWarning, u"cFileSystem", u"Folder %s security info not changed", created.full);
    }
    return true;
}

bool RemoveFolder(const cPath& path) {
    const std::string folder = path.FullUtf8();
    if (folder.empty())
        return false;
    if (::rmdir(folder.c_str()) == 0)
        return true;
    struct stat st;
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return false;
    for (const std::string& entry : ListFolder(folder)) {
        const std::string child = folder + "/" + entry;
        // Links are removed, never followed: a link to a folder elsewhere must
        // not make us delete what it points at.
        if (::lstat(child.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            RemoveFolder(cPath(FromUtf8(child)));
        } else {
            ::unlink(child.c_str());
        }
    }
    // One pass only: an entry that cannot be removed must not loop forever.
    return ::rmdir(folder.c_str()) == 0;
}

bool Exists(const cPath& path) {
    if (path.full.empty())
        return false;
    if (!path.archive.empty()) {
        // A member exists when its archive holds it.
        unzFile zip = unzOpen(ToUtf8(path.ArchiveFile()).c_str());
        if (!zip)
            return false;
        const bool found = LocateMember(zip, ToUtf8(path.MemberName()));
        unzClose(zip);
        return found;
    }
    struct stat st;
    return ::stat(path.FullUtf8().c_str(), &st) == 0;
}

bool IsFolder(const cPath& path) {
    return !path.full.empty() && IsDirectory(path.FullUtf8());
}

// The data folder belongs to the player; opening it to every user of the
// machine would be unsafe, so this only reports success.
bool SetEveryoneAccess(const cPath&) {
    return true;
}

void cFileFinder::Close() {
    m_entries.clear();
    m_next = 0;
    m_folder = cPath();
}

cPath FindFirst(cFileFinder& finder, const cPath& folder) {
    finder.Close();
    finder.m_folder = folder;
    finder.m_entries = ListFolder(folder.FullUtf8());
    return FindNext(finder);
}

cPath FindNext(cFileFinder& finder) {
    if (finder.m_next >= finder.m_entries.size())
        return cPath();
    return finder.m_folder.Join(FromUtf8(finder.m_entries[finder.m_next++]));
}

}  // namespace qor
