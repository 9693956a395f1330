#pragma once
// One way to open, read and write files, on disk or inside ZIP archives
// (read-only). Result codes (stored in nothing, but callers compare them):
//   0 success
//   1 path empty; disk file not found; member not found in the archive
//   2 archive not found; for whole-file operations: the file was not opened,
//     or (writes) not written in full, in which case the old file is kept
//   3 mode not allowed; text file empty or without byte-order mark; data file empty
//   4 no output given; archive member info or open failed
//   5 the holder already holds an open file
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Path.h"

namespace qor {

class cBitStream;

struct cFile {
    enum Mode { kNone = 0, kDisk = 1, kArchive = 2 };
    int mode = kNone;
    void* archive = nullptr;       // minizip unzFile (mode 2)
    unsigned long memberSize = 0;  // uncompressed size of the member (mode 2)
    FILE* stream = nullptr;        // disk file (mode 1)
    ~cFile();
};

using cFileHolder = std::unique_ptr<cFile>;

int OpenFile(cFileHolder& holder, const cPath& path, std::u16string_view mode);
// Number of whole elements read or written.
size_t ReadFile(cFile* file, size_t count, void* buffer, size_t size);
size_t WriteFile(cFile* file, size_t count, const void* buffer, size_t size);
long FileSize(cFile* file);
void CloseFile(cFileHolder& holder);

// Whole-file helpers.
int ReadWholeFile(const cPath& path, std::vector<uint8_t>* out);  // 0, 2, 3 (empty), 4
int ReadTextFile(const cPath& path, std::u16string* out);
int ReadDataFile(const cPath& path, cBitStream* out);
// Writes replace the whole file or nothing: a failure part way (full disk,
// size limit, power cut) leaves the old file as it was.
int WriteDataFile(const cBitStream& buffer, const cPath& path);
int WriteTextFile(const cPath& path, std::u16string_view text);

// The steps of replacing a file, in their order.
enum class eWriteStep { kCreate, kWrite, kSync, kClose, kRename };

// Replaces the disk file `target` (UTF-8 name) with `size` bytes: they go to a
// new file in the same folder, which is flushed to the disk and then renamed
// over the target. On any failure the new file is removed, the old one is
// untouched, the reason is logged and the result is false.
bool ReplaceFileContents(const std::string& target, const void* data, size_t size);

// For tests: called before each step of every replacement; returning true
// makes that step fail as the system would. A failing kWrite first writes half
// of the bytes, as a write cut short by a full disk or a crash does. An empty
// hook removes it.
using cWriteFaultHook = std::function<bool(eWriteStep step)>;
void SetWriteFaultHook(cWriteFaultHook hook);

bool CreateFolder(std::u16string_view text);
bool RemoveFolder(const cPath& path);
bool Exists(const cPath& path);
bool IsFolder(const cPath& path);
bool SetEveryoneAccess(const cPath& path);

// Folder enumeration, in byte order of the names so that level and profile
// order do not depend on the file system.
class cFileFinder {
  public:
    void Close();

  private:
    friend cPath FindFirst(cFileFinder& finder, const cPath& folder);
    friend cPath FindNext(cFileFinder& finder);
    cPath m_folder;
    std::vector<std::string> m_entries;
    size_t m_next = 0;
};

cPath FindFirst(cFileFinder& finder, const cPath& folder);
cPath FindNext(cFileFinder& finder);

}  // namespace qor
