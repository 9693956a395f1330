#pragma once
// The world map ("map"): a landscape two screens wide on which every level of
// the game is a point. The layout (where the points and the scenery stand,
// which level each point opens) comes from "level/map.lvx"; the progress
// (which levels are open, which medals were earned, which level is chosen) is
// the points' run state, which each player profile keeps in its "map.dat".
//
// The player scrolls the map sideways (pointer at the screen's edges, or a
// drag that throws the map and dies away), points at a level to see its
// number, clicks an opened level to choose it, and starts it from the map
// panel ("play"). A trail of dots links the opened levels in play order.
#include <memory>
#include <string>
#include <vector>

#include "engine/Atlas.h"
#include "engine/Path.h"
#include "scene/BaseWidget.h"
#include "scene/Vec.h"
#include "world/MapMedals.h"
#include "world/MapHintWindow.h"

class cMapServices;
class cPoint;

inline constexpr char16_t kMapWidgetName[] = u"map";
inline constexpr char16_t kMapFilePath[] = u"{StaticPath}/level/map.lvx";
inline constexpr float kMapWidth = 2048.0f;
inline constexpr float kMapHeight = 768.0f;

// The results screen records medals and opens levels through it as its
// cMapMedals (g_mapMedals while it exists).
class cMapWidget : public cBaseWidget, public cMapMedals {
  public:
    // Without services the map uses its own, which log a missing sprite once.
    // Registers with the engine core when one exists.
    explicit cMapWidget(cSceneServices* services = nullptr);
    ~cMapWidget() override;

    void Draw() override;
    void Tick() override { TickMap(); }
    // The scrolling: the speed dies away, the screen's edges scroll.
    void Update(float seconds) override;
    // Centres the chosen level and lays the trail anew.
    void OnFocus() override;
    void OnUnfocus() override {}
    int OnEvent(int kind, int param) override;
    void Clear() override;
    // A player's progress, as SaveObjectStates wrote it. Every point starts
    // from locked first, so nothing of the previous player's progress stays;
    // then the records are read; one for a point this map lacks is passed
    // over, and a damaged one ends the reading (the rest of the data is then
    // out of step). A chosen
    // flag only stays on an opened level, and the first level is always open.
    // False when the data was not read whole: the caller keeps it.
    bool LoadObjectStates(qor::cBitStream& stream) override;

    // An empty map: no points, the first id 1.
    void NewMap();
    // Reads the map file; false when it cannot be read (the map is then empty).
    // A bad record ends the list with a warning; what was read stays.
    bool LoadMapFile();
    // The pointer's position on the map.
    qor::cVec2 ToWorld() const;
    // Scrolls sideways within the map; stops the scrolling at either end.
    void ScrollBy(float dx, float dy);
    void DrawMap();
    // One fixed step: every object ticks, and the point under the pointer
    // becomes the hovered one (its hint shows).
    void TickMap();
    void HandleEvent(int kind, int param);

    // The chosen level, 0 when none is chosen.
    int GetCurrentLevel() const;
    cPoint* GetCurrentPoint() const;
    // Every level before n at least open, level n open and chosen, no other
    // chosen. With no point for n (after the last level) none is chosen.
    void OpenLevel(int n) override;
    // Level n keeps the better of its medal and this one.
    void SetMedal(int n, int32_t medal) override;
    // The medal state of level n, 0 when the map has no such point.
    int32_t GetMedal(int n) const override;
    // The first level is always open: chosen when it was locked.
    void OnMapLoaded();

    // Every level point, in layer and list order.
    std::vector<cPoint*> Points() const;
    // Lays the trail of dots through the opened levels before the first
    // locked one.
    void BuildTrail();

    float scrollX = 0.0f;  // -1024 … 0: the map's left edge on the screen
    float scrollY = 0.0f;  // always 0
    float scrollSpeed = 0.0f;
    qor::cVec2 dragAnchor;
    cMapHintWindow* mapHintWindow = nullptr;  // set by the game shell
    cObject* hoveredPoint = nullptr;
    qor::cSpriteInfo background;  // "map03_total", tiled over the whole map
    std::vector<vec2> path;       // the trail's dots
    qor::cSpriteInfo dotSprite;   // "map_pt"
    qor::cPath mapFile{kMapFilePath};

  protected:
    // The pointer in virtual screen units, and whether the primary button is
    // held, straight from the platform.
    virtual qor::cVec2 ReadPointer() const;
    virtual bool IsPrimaryButtonDown() const;

  private:
    // Translates what waits in the batch by the scroll, draws it and empties
    // the batch.
    void FlushScrolled(qor::cSpriteBatch* batch) const;
    void DrawBackground(qor::cSpriteBatch* batch) const;
    void DrawTrail(qor::cSpriteBatch* batch) const;
    void ChoosePoint(cPoint* chosen);

    std::unique_ptr<cMapServices> m_ownServices;
};
