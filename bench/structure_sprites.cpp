// Frames of a crowded island on the software renderer: an opaque full-screen
// picture for the ground, then every building, obstacle and spell sprite of
// the generated data, finished, placed twice over the screen the way the game
// places them (anchor and per-frame offset) — far more than a level shows at
// once. Prints the time of each frame's drawing, rasterising included.
// Run from the build folder, next to data/:  cd build && ./bench/structure_sprites
#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/Atlas.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/ScriptFunctions.h"
#include "engine/SpriteBatch.h"
#include "engine/Strings.h"
#include "engine/TextureCache.h"

namespace {

using namespace qor;

const char* const kSprites[] = {
    "base00_sh",     "base00",       "house00",         "sawmill00",      "mill00_sh",
    "mill00",        "mill00_screw", "goldmill00",      "goldmill00_pad", "tower00",
    "tower_enemy00", "lighthouse00", "key_statue00",    "key_altar00",    "key_castle00",
    "prison00",      "bell00",       "bell00_bell",     "altar00",        "spell_shield_on",
    "zone3x2",       "log00",        "stone00",         "stone_big00",    "bridge00",
    "bridge_big01",  "ice",          "base_enemy_gold", "icon_build0",    "base00_flag"};

struct cPlaced {
    cSpriteInfo sprite;
    int frame;
    float x, y;
};

std::vector<cPlaced> Scene() {
    std::vector<cPlaced> scene;
    for (int copy = 0; copy < 2; ++copy) {
        int i = 0;
        for (const char* name : kSprites) {
            cSpriteInfo sprite = GetSpriteInfoEx(FromUtf8(name));
            if (!sprite.texture)
                continue;
            const float x = 90.0f + static_cast<float>((i * 173 + copy * 61) % 860);
            const float y = 60.0f + static_cast<float>((i * 97 + copy * 211) % 560);
            scene.push_back({sprite, sprite.frameCount - 1, x, y});
            ++i;
        }
    }
    // back to front, as a level draws its layer
    std::sort(scene.begin(), scene.end(),
              [](const cPlaced& p, const cPlaced& q) { return p.y > q.y; });
    return scene;
}

double DrawFrames(const cTextureRef& ground, const std::vector<cPlaced>& scene, int frames,
                  double* p95) {
    auto batch = std::make_unique<cSpriteBatch>();
    std::vector<double> ms;
    const double frequency = static_cast<double>(SDL_GetPerformanceFrequency());
    for (int i = 0; i < frames; ++i) {
        const uint64_t start = SDL_GetPerformanceCounter();
        g_render->Begin();
        g_render->SetClearColor(0, 0, 0, 1);
        g_render->Clear();
        g_render->Begin2D(1024, 768, false);
        g_render->SetBlend(kBlendAlpha, 0.0f);
        DrawSprite(batch.get(), ground, {0, 0, 1, 1}, {0, 0, 1024, 768}, 0xFFFFFFFFu);
        for (const cPlaced& p : scene) {
            const cVec2 offset = p.sprite.offsets[p.frame], size = p.sprite.sizes[p.frame];
            DrawSprite(batch.get(), p.sprite.texture, p.sprite.frames[p.frame],
                       {p.x - offset.x, p.y - offset.y, size.x, size.y}, 0xFFFFFFFFu);
        }
        FlushBatch(batch.get());
        batch->Clear();
        g_render->End2D();
        g_render->End();
        glFinish();
        ms.push_back((SDL_GetPerformanceCounter() - start) * 1000.0 / frequency);
    }
    std::sort(ms.begin(), ms.end());
    double mean = 0;
    for (double v : ms)
        mean += v;
    *p95 = ms[ms.size() * 95 / 100];
    return mean / static_cast<double>(ms.size());
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::string home = (std::filesystem::temp_directory_path() / "qor-bench-XXXXXX").string();
    if (!mkdtemp(home.data()))
        return 1;
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    if (!std::filesystem::exists("data/texture/structures/structures0.png")) {
        std::fprintf(stderr, "run me from the build folder (data/ not found)\n");
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return 1;
    g_perfFrequency = static_cast<int64_t>(SDL_GetPerformanceFrequency());
    InitSystemPaths();
    {
        auto game = std::make_unique<cGame>();
        if (!CreateGameWindow(1) || !RegisterEngineScriptFunctions())
            return 1;
        for (const char* sheet : {"structures0", "structures1", "structures2", "structures3"}) {
            LoadTexture(cPath(u"{StaticPath}/texture/structures/" + FromUtf8(sheet) + u".png"));
        }
        LoadTexture(cPath(u"{StaticPath}/texture/system/gui_loading.jpg"));
        const cTextureRef ground = FindTexture(u"gui_loading");
        const std::vector<cPlaced> scene = Scene();
        double pixels = 0;
        for (const cPlaced& p : scene)
            pixels += p.sprite.sizes[p.frame].x * p.sprite.sizes[p.frame].y;
        std::printf("%zu sprites covering %.0f pixels over a 1024x768 ground on %s\n", scene.size(),
                    pixels, glGetString(GL_RENDERER));
        double p95 = 0;
        const double groundOnly = DrawFrames(ground, {}, 60, &p95);
        std::printf("ground only            mean %6.2f ms   p95 %6.2f ms\n", groundOnly, p95);
        const double full = DrawFrames(ground, scene, 120, &p95);
        std::printf("ground and sprites     mean %6.2f ms   p95 %6.2f ms\n", full, p95);
        DestroyGameWindow();
        ClearAtlasCaches();
        game.reset();
    }
    SDL_Quit();
    std::filesystem::remove_all(home);
    return 0;
}
