#pragma once
// The application base: it answers the engine's start-up calls (splash over,
// loading over), keeps the player profiles and the current one, decides which
// windows may stay when another is shown, and acts on the message box answers
// that concern the application. cGarden is the game built on it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/GameObject.h"
#include "gui/WindowFunction.h"
#include "shell/PlayerBase.h"
#include "shell/ProfileCounter.h"

class cMessageBoxWF;
namespace qor {
class cWindow;
class cLoadingWidget;
}  // namespace qor

// The game's own window event: the profile list hears it once deleting a
// profile was confirmed, with the list index in param1.
inline constexpr int kWndDeleteConfirmed = 36865;

class cMiddle : public qor::cGameObject {
  public:
    // Becomes g_middle and the engine's game object; hears every hidden screen.
    cMiddle();
    // Writes "counter.dat" and every profile record, then drops the profiles.
    ~cMiddle() override;
    cMiddle(const cMiddle&) = delete;
    cMiddle& operator=(const cMiddle&) = delete;

    // Null on success, otherwise why the game cannot start.
    virtual const char16_t* Init();
    // Brings the loading screen.
    void OnEndSplash() override;
    // Loads the profiles; the game adds everything else around this.
    void OnEndLoading() override;

    // A profile object for a profile folder; an empty name makes a new folder
    // name from the profile counter. Null when no folder name is free.
    virtual std::unique_ptr<cPlayerBase> CreatePlayer(const std::u16string& folderName) = 0;
    virtual void SelectPlayer(const std::u16string& name);
    virtual void DeletePlayer(const std::u16string& name);
    // The same by list position: names may be equal but for case (or empty,
    // for profiles whose record was lost), positions never are. The current
    // profile is never deleted.
    void SelectPlayerAt(int index);
    void DeletePlayerAt(int index);
    // Appends and owns the profile; a new one counts and, with no current
    // profile yet, becomes current.
    virtual cPlayerBase* AddPlayer(std::unique_ptr<cPlayerBase> player, bool isNew);
    // Without regard to letter case.
    virtual cPlayerBase* FindPlayer(const std::u16string& name) const;
    virtual cPlayerBase* FirstPlayer();
    virtual cPlayerBase* NextPlayer();
    virtual int GetPlayerCount() const { return static_cast<int>(players.size()); }
    virtual cPlayerBase* GetPlayerAt(int index) const;
    virtual std::u16string GetCurrentPlayerName() const;
    virtual int GetScreenMode() const { return screenMode; }
    // Shows a window after closing those that may not stay beside it.
    virtual bool ShowScreenWindow(const std::u16string& name, int mode);
    // Every game screen reports here once it has been hidden.
    virtual void OnWindowHidden(const std::u16string& name);
    // Asks every shown window but "dump" to close.
    virtual void CloseAllWindows();
    virtual void SetCursor(const std::u16string&) {}
    // An empty window named `name` built by "{StaticPath}/gui/<scriptFile>";
    // a missing or failing script leaves it empty (logged).
    virtual qor::cWindow* CreateWindowFromScript(const std::u16string& name,
                                                 const std::u16string& scriptFile,
                                                 std::unique_ptr<qor::cWindowFunction> function);

    // What a crash must not lose: "counter.dat" and the current profile's
    // record and map. False when a write failed (each failure is logged).
    bool SaveProgress();
    bool WriteCounter() const;
    // The next free profile folder name, its folder made at once, moving the
    // counter past names that are already taken on disk (a stale counter must
    // never reuse a folder). Empty (logged) when every name is taken.
    std::u16string NextProfileFolder();

    cMessageBoxWF* messageBox = nullptr;
    cPlayerBase* currentPlayer = nullptr;
    std::vector<std::unique_ptr<cPlayerBase>> players;
    size_t playerCursor = 0;
    int32_t profileCounter = 0;
    int screenMode = 0;
    // The profile that was current when the game last wrote "counter.dat".
    std::u16string lastPlayerName;

  protected:
    qor::cLoadingWidget* loadingWidget = nullptr;

  private:
    void MakeCurrent(cPlayerBase* player);
    // Out of the list, its folder deleted.
    void Remove(cPlayerBase* player);
};

// Null while no application object exists.
extern cMiddle* g_middle;

// The platform's quit request: the main loop ends after this frame.
void PostQuitRequest();
// Lower case for comparing profile names, unit by unit.
std::u16string LowerName(std::u16string_view name);
