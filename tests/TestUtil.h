#pragma once
// Small helpers shared by the tests: temporary folders, byte files, and reading
// back the UTF-16 log.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qor::test {

// A fresh folder under the test run's temporary XDG_DATA_HOME, removed at scope end.
class cTempFolder {
public:
    cTempFolder();
    ~cTempFolder();
    const std::filesystem::path& path() const { return m_path; }
    std::u16string u16() const;
    std::u16string u16(const std::string& child) const;

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
// UTF-16LE with byte-order mark, as every engine text file is stored.
void WriteUtf16File(const std::filesystem::path& file, const std::u16string& text);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& file);
// Decodes a UTF-16LE file without its mark.
std::u16string ReadUtf16File(const std::filesystem::path& file);

// The log of the running cGame: "{AppPath}/_log.html" as text.
std::u16string ReadLog();

// Points the engine's folder tokens at a temporary app folder and "data".
void UseTestSystemPaths();
// The same, with {StaticPath} at a folder of the test's own.
void UseTestSystemPaths(const cTempFolder& staticFolder);

}  // namespace qor::test
