// Every test runs headless and away from the real home folder: XDG_DATA_HOME
// points at a fresh temporary folder for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "qor-test-XXXXXX").string();
    if (char* dir = mkdtemp(tmpl.data())) {
        setenv("XDG_DATA_HOME", dir, 1);
        setenv("HOME", dir, 1);
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::error_code ec;
    std::filesystem::remove_all(tmpl, ec);
    return result;
}
