#pragma once
// Drives the real game in this process as a player would: boots the engine
// full screen at 1024 x 768 (SDL offscreen), starts the application object,
// skips the splash with key presses, waits out the loading screen, and then
// types, clicks and drags through the same platform events a player makes.
#include <cstdint>
#include <memory>
#include <string>

#include "tests/EngineHarness.h"

class cGarden;
namespace qor {
class cCtrl;
class cWindow;
}  // namespace qor

namespace qor::test {

class cShellDriver {
  public:
    // The seed the game's generator gets after Init.
    static constexpr uint32_t kTestSeed = 12345;

    cShellDriver();
    ~cShellDriver();

    // Engine, window and game; false where this machine cannot draw. The game
    // data comes from `staticFolder` when one is given.
    bool Start(const std::u16string& staticFolder = u"");
    // Splash skipped by keys, loading waited out, until the end of loading.
    bool ReachMenus(int frameLimit = 3000);
    // Up to the main menu, naming the first player when the game asks for one.
    bool ReachMainMenu(const std::string& playerName = "Anna");
    // The game object goes (it saves), then the window and the engine.
    void Stop();
    // From a start without profiles: through the menus with a new profile of
    // that name, then Play. False when a screen on the way did not come.
    bool PlayWithNewProfile(const std::string& name);
    // Start in the main menu, and on to the world map: the opening story a
    // new player sees first is skipped with Escape.
    bool StartToMap();
    // Start in the main menu, past the opening story when it comes.
    bool ClickStart();

    cGarden* garden() const { return m_garden.get(); }
    cEngineHarness& harness() { return *m_harness; }

    // Frames of 1/30 s; false once the game asked to quit.
    bool Step(int frames = 1);
    // Whether Step draws its frames (it does unless told otherwise): a test
    // that runs the game many times over can leave out every picture.
    void SetDrawing(bool draw) { m_draw = draw; }
    // Frames of 1/30 s that nobody looks at: the game runs them in full but
    // draws none, so long stretches of play cost only their logic.
    bool StepUnseen(int frames);
    // Lets `seconds` go by in undrawn frames of a whole second: the clocks run
    // on in full while the logic takes one step per frame. A player who waits
    // does not need more.
    bool Idle(int seconds);
    // Steps until the window is shown and its fade has settled.
    bool WaitShown(const std::u16string& window, int frameLimit = 120);
    bool IsShown(const std::u16string& window) const;
    // With the results shown: steps until they have counted everything up
    // and the cup has settled; false when they never finish counting.
    bool WaitResultsCounted();

    void Key(int sdlKey);
    void Type(const std::string& utf8);
    // Moves to the control's centre (or a point inside it, as fractions of its
    // rectangle), presses and releases the left button, and lets the click
    // arrive.
    bool Click(const std::u16string& window, const std::u16string& control, float fx = 0.5f,
               float fy = 0.5f);
    // Presses on the slider's knob and drags it to `fraction` of its track.
    bool Drag(const std::u16string& window, const std::u16string& slider, float fraction);
    void MovePointer(int virtualX, int virtualY);
    // Moves there and presses and releases the left button, as on a scene;
    // the click arrives with the next frame.
    void ClickAt(int virtualX, int virtualY);
    // From now on the game reads the pointer where the injected events put it
    // (the platform's own pointer does not move with them), as a scene that
    // picks under the pointer needs.
    void FollowInjectedPointer();

    cCtrl* Control(const std::u16string& window, const std::u16string& control) const;
    // The text a label or button shows now.
    std::u16string Caption(const std::u16string& window, const std::u16string& control) const;

  private:
    void Mouse(int type, int virtualX, int virtualY);

    std::unique_ptr<cEngineHarness> m_harness;
    std::unique_ptr<cGarden> m_garden;
    bool m_quit = false;
    bool m_draw = true;
    int m_pointerX = 0;  // client pixels of the last injected pointer event
    int m_pointerY = 0;
};

}  // namespace qor::test
