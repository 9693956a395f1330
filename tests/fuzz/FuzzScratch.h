#pragma once
// A private scratch folder for fuzz targets that must hand their input to the
// file system as a real file. Made once per process, removed at exit.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace qor::fuzz {

inline const std::string& ScratchFolder() {
    // Never destroyed: the exit handler that removes the folder runs after
    // static objects are gone.
    static const std::string* folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "qor-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        auto* made = new std::string(pattern);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchFolder(), ec);
        });
        return made;
    }();
    return *folder;
}

// Writes the input as the file `name` in the scratch folder and returns its path.
inline std::string WriteScratchFile(const char* name, const uint8_t* data, size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    // A new file each time: truncating the old one makes some file systems
    // flush it to the disk on close, which would slow fuzzing a hundredfold.
    ::unlink(path.c_str());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) {
        std::abort();  // the scratch folder itself failed: nothing here is worth fuzzing
    }
    return path;
}

}  // namespace qor::fuzz
