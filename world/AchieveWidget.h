#pragma once
// The achievements room: the living scene behind the main menu and the
// windows opened from it. It shows one fixed scene, loaded once from
// "{StaticPath}/level/achieve.lvx", with its objects animated and the particle
// effects running, over a light-green ground; it keeps no game state and reads
// nothing of the player's profile. Without the file the room stays empty and
// the menu stands on the plain green.
#include "scene/BaseWidget.h"

inline constexpr char16_t kAchieveWidgetName[] = u"achieve";

class cAchieveWidget : public cBaseWidget {
  public:
    // Without services the room uses the game's (the headless defaults
    // where no game runs).
    explicit cAchieveWidget(const cObjectFactory* factory, cSceneServices* services = nullptr);
    ~cAchieveWidget() override;

    void Draw() override;
    void Tick() override;
    // No particle of a level or of an earlier visit is left on the backdrop.
    void OnFocus() override;
    void OnUnfocus() override {}
    int OnEvent(int kind, int param) override;

    // An empty room whose next object gets the id 1.
    void NewRoom();
    // Reads the room's file; false only when the file cannot be read (the
    // room is then empty). A bad record ends the objects with a warning and
    // keeps those read before it.
    bool LoadRoomFile();
    // The green ground, the layers and the sparkles, without the GUI.
    void DrawRoom();
    // One 1/30 s step of every object and of the particles.
    void TickRoom();
    // Escape asks a window "achieve" to go back; the game has no such window,
    // so the menu's own window handles its keys. Everything else is ignored.
    void HandleEvent(int kind, int param);

  private:
    // True when a background on layer 0 covers the whole screen.
    bool GroundHidden() const;
};
