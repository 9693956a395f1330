#pragma once
// A level drawn with the generated art, for golden pictures: the harness with
// the game's own sprite look-ups and drawing, and a fixture that opens a
// 1024 x 768 window, loads the textures a test names and the scene drawing
// (progress bars, shadows), and, for effects, a particle manager.
#include <initializer_list>
#include <memory>

#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"
#include "tests/GLTestContext.h"
#include "tests/LevelHarness.h"

namespace qor::test {

class cDrawnLevel : public level_test::cLevelHarness {
  public:
    cDrawnLevel() : cLevelHarness(&DefaultSceneServices()) {}
};

class DrawnLevelTest : public GLTest {
  protected:
    DrawnLevelTest() : GLTest(1024, 768) {}
    // Loads the pictures (paths under the data folder) with their atlases.
    void SetUpWith(std::initializer_list<const char16_t*> files);
    // The particle groups with their pictures, for tests that show effects.
    void UseParticles();
    void TearDown() override;
    static void DrawFrame(cDrawnLevel& level);

    std::unique_ptr<cSceneDraw> m_draw;
    std::unique_ptr<cParticleManager> m_particles;
};

}  // namespace qor::test
