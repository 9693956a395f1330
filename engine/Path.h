#pragma once
// File names are written with one folder token and "/" separators, for example
// "{StaticPath}/conf/loading.lua". cPath expands the token and splits the name;
// a folder part containing "….zip" addresses a member of that ZIP archive.
#include <string>
#include <string_view>

namespace qor {

// The four folders behind the tokens, fixed once at start-up.
struct cSystemPaths {
    std::u16string exePath;     // {ExePath}: folder of the executable
    std::u16string staticPath;  // {StaticPath}: "data", relative to the current directory
    std::u16string appPath;     // {AppPath}: per-user writable data (log, settings, profiles)
    std::u16string userPath;    // {UserPath}: the user's home folder
};

void SetSystemPaths(const cSystemPaths& paths);
const cSystemPaths& GetSystemPaths();

// Replaces the first known folder token; text without one is returned unchanged.
std::u16string ExpandPath(std::u16string_view text);

// A parsed path. `folder` is kept with "\" separators (the parts are what the
// game compares); `full` is rebuilt with "/" for the platform. An absolute path
// keeps its root in `drive` as "/" so that it stays absolute.
struct cPath {
    std::u16string full;
    std::u16string drive;
    std::u16string archive;
    std::u16string folder;
    std::u16string name;
    std::u16string ext;

    cPath() = default;
    explicit cPath(std::u16string_view text);

    bool empty() const { return full.empty(); }
    // This path, taken as a folder, joined with one more name.
    cPath Join(std::u16string_view entry) const;
    // The archive's own file name (no trailing separator) and the member name
    // inside it ("/"-separated), for archive paths.
    std::u16string ArchiveFile() const;
    std::u16string MemberName() const;
    std::string FullUtf8() const;

    bool operator==(const cPath& other) const { return full == other.full; }
};

}  // namespace qor
