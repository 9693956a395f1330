// Every test runs headless and away from the real home folder: XDG_DATA_HOME
// points at a fresh temporary folder for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
bool g_glUsed = false;
}

namespace qor::test {
void MarkGLUsed() { g_glUsed = true; }
}  // namespace qor::test

// The leak checker asks this at exit. Mesa's software rasteriser leaves small
// buffers from its worker threads in code it has already unloaded, which no
// suppression can name; processes that made a GL context skip the exit check.
// Every test runs in its own process under ctest, so the others keep it.
extern "C" int __lsan_is_turned_off() { return g_glUsed ? 1 : 0; }

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
