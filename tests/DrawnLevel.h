#pragma once
// Drawing a level in a test as the game draws it: the harness with the game's
// own sprite look-ups, in a 1024 x 768 window with the level's textures, the
// scene-drawing service and the fonts of its floating texts.
#include <memory>

#include "scene/SceneDraw.h"
#include "tests/GLTestContext.h"
#include "tests/LevelHarness.h"

namespace qor::test {

class cDrawnLevel : public level_test::cLevelHarness {
  public:
    cDrawnLevel();
};

class LevelDrawingTest : public GLTest {
  protected:
    LevelDrawingTest() : GLTest(1024, 768) {}
    void SetUp() override;
    void TearDown() override;
    // One frame of the level into the window's back buffer.
    static void DrawFrame(cDrawnLevel& level);

    std::unique_ptr<cSceneDraw> m_draw;
};

}  // namespace qor::test
