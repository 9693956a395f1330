#include "tests/TestUtil.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

#include "engine/Path.h"
#include "engine/Strings.h"

namespace qor::test {

cTempFolder::cTempFolder() {
    const char* base = std::getenv("XDG_DATA_HOME");
    std::filesystem::path root = base ? base : std::filesystem::temp_directory_path();
    static std::mt19937 rng(std::random_device{}());
    do {
        m_path = root / ("t" + std::to_string(rng()));
    } while (std::filesystem::exists(m_path));
    std::filesystem::create_directories(m_path);
}

cTempFolder::~cTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::u16string cTempFolder::u16() const { return FromUtf8(m_path.string()); }
std::u16string cTempFolder::u16(const std::string& child) const {
    return FromUtf8((m_path / child).string());
}

void WriteBytes(const std::filesystem::path& file, const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    WriteBytes(file, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

void WriteUtf16File(const std::filesystem::path& file, const std::u16string& text) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (char16_t c : text) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    }
    WriteBytes(file, bytes);
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::u16string ReadUtf16File(const std::filesystem::path& file) {
    const std::vector<uint8_t> bytes = ReadBytes(file);
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
    return text;
}

std::u16string ReadLog() {
    return ReadUtf16File(ToUtf8(GetSystemPaths().appPath) + "/_log.html");
}

void UseTestSystemPaths() {
    const char* base = std::getenv("XDG_DATA_HOME");
    cSystemPaths paths;
    paths.exePath = u"/usr/games";
    paths.staticPath = u"data";
    paths.appPath = FromUtf8(std::string(base ? base : "/tmp") + "/Vantrel/Brindlemoor");
    paths.userPath = FromUtf8(base ? base : "/tmp");
    SetSystemPaths(paths);
}

void UseTestSystemPaths(const cTempFolder& staticFolder) {
    UseTestSystemPaths();
    cSystemPaths paths = GetSystemPaths();
    paths.staticPath = staticFolder.u16();
    SetSystemPaths(paths);
}

}  // namespace qor::test
