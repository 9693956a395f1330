#pragma once
// What a benchmark that boots the engine needs around it: SDL's offscreen
// video and dummy audio, a temporary XDG_DATA_HOME so that a run never
// touches a player's files, the generated data beside it (benchmarks run
// from the build folder), SDL and the engine's folders.
#include <SDL2/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/Platform.h"

class cBenchEnvironment {
  public:
    // False, said on stderr, when `needed` (a path in the build folder) is
    // missing or no temporary folder can be made.
    bool Enter(const char* needed) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        if (!std::filesystem::exists(needed)) {
            std::fprintf(stderr, "run me from the build folder (%s not found)\n", needed);
            return false;
        }
        home = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
        if (!mkdtemp(home.data())) {
            home.clear();
            return false;
        }
        setenv("XDG_DATA_HOME", home.c_str(), 1);
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
            return false;
        m_sdl = true;
        qor::g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
        qor::InitSystemPaths();
        return true;
    }
    ~cBenchEnvironment() {
        if (m_sdl)
            SDL_Quit();
        if (!home.empty())
            std::filesystem::remove_all(home);
    }

    std::string home;

  private:
    bool m_sdl = false;
};
