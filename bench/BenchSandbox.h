#pragma once
// Where the benchmarks of real frames run: SDL's offscreen video driver and no
// audio device, the application data folder in a fresh temporary folder (gone
// again at the end), and the build folder as the current one, next to the
// generated data/.
#include <SDL2/SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Platform.h"

class cBenchSandbox {
  public:
    // `needed` is a path under data/ that the benchmark reads; `sdlFlags` go
    // to SDL_Init. Ready() tells whether all of it worked (it says why not).
    cBenchSandbox(const char* needed, uint32_t sdlFlags) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        std::string home = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!mkdtemp(home.data()))
            return;
        m_home = home;
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        if (!std::filesystem::exists(needed)) {
            std::fprintf(stderr, "run me from the build folder (%s not found)\n", needed);
            return;
        }
        if (SDL_Init(sdlFlags) != 0)
            return;
        m_sdl = true;
        qor::g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
        qor::InitSystemPaths();
    }
    ~cBenchSandbox() {
        if (m_sdl)
            SDL_Quit();
        if (!m_home.empty())
            std::filesystem::remove_all(m_home);
    }
    cBenchSandbox(const cBenchSandbox&) = delete;
    cBenchSandbox& operator=(const cBenchSandbox&) = delete;

    bool Ready() const { return m_sdl; }

  private:
    std::string m_home;
    bool m_sdl = false;
};
