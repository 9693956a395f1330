// The world map's scene and progress: loading the map file, the points' run
// state, the level operations the finish screen and the panel use, and the
// trail. Drawing, ticking and input are in MapWidgetPlay.cpp.
#include "world/MapWidget.h"

#include <algorithm>

#include "engine/BitStream.h"
#include "engine/Log.h"
#include "engine/Texture.h"
#include "engine/TextureCache.h"
#include "level/LevelResult.h"
#include "scene/LvxFile.h"
#include "scene/MapTrail.h"
#include "scene/SceneDraw.h"
#include "world/GameObjects.h"
#include "world/MapServices.h"
#include "world/Point.h"

namespace {

// The progress format SaveObjectStates writes.
constexpr uint32_t kProgressVersion = 2;

}  // namespace

cMapWidget::cMapWidget(cSceneServices* services)
    : cBaseWidget(kMapWidgetName, &GameObjectFactory(), services) {
    if (!services) {
        m_ownServices = std::make_unique<cMapServices>();
        SetServices(m_ownServices.get());
    }
    background = Services().FindSprite(u"map03_total");
    dotSprite = Services().FindSprite(u"map_pt");
    // The landscape is cut into two textures side by side: clamped at their
    // edges, the halves meet without a seam of the opposite edge's colour.
    for (const char16_t* half : {u"map00", u"map01"}) {
        if (qor::cTextureRef texture = qor::FindTexture(half))
            qor::SetTextureClamped(texture.get());
    }
    g_mapMedals = this;
}

cMapWidget::~cMapWidget() {
    if (g_mapMedals == this)
        g_mapMedals = nullptr;
    // The objects point back at the services this widget may own.
    cBaseWidget::Clear();
}

void cMapWidget::Clear() {
    hoveredPoint = nullptr;
    path.clear();
    cBaseWidget::Clear();
}

void cMapWidget::NewMap() {
    Clear();
    nextObjectId = 1;
    OnMapLoaded();
}

bool cMapWidget::LoadMapFile() {
    Clear();
    if (!LoadLvxFile(mapFile, *this, kMapLoadSender))
        return false;
    hoveredPoint = nullptr;
    OnMapLoaded();
    return true;
}

std::vector<cPoint*> cMapWidget::Points() const {
    std::vector<cObject*> objects;
    CollectObjects(objects, cPoint::kType, -1);
    std::vector<cPoint*> points;
    points.reserve(objects.size());
    for (cObject* object : objects)
        points.push_back(static_cast<cPoint*>(object));
    return points;
}

cPoint* cMapWidget::GetCurrentPoint() const {
    for (cPoint* point : Points()) {
        if (point->current)
            return point;
    }
    return nullptr;
}

int cMapWidget::GetCurrentLevel() const {
    const cPoint* point = GetCurrentPoint();
    return point ? point->level : 0;
}

void cMapWidget::OpenLevel(int n) {
    for (cPoint* point : Points()) {
        if (point->level <= n)
            point->medal = std::max(point->medal, kMedalOpen);
        point->current = point->level == n ? 1 : 0;
    }
}

// The results hand a level's medal to the map as it is: both count alike.
static_assert(kLevelBronze == kMedalBronze && kLevelSilver == kMedalSilver &&
              kLevelGold == kMedalGold);

void cMapWidget::SetMedal(int n, int32_t medal) {
    // Nothing better than gold exists to show.
    medal = std::min(medal, kMedalGold);
    for (cPoint* point : Points()) {
        if (point->level == n && medal > point->medal)
            point->medal = medal;
    }
}

int32_t cMapWidget::GetMedal(int n) const {
    for (const cPoint* point : Points()) {
        if (point->level == n)
            return point->medal;
    }
    return kMedalLocked;
}

void cMapWidget::OnMapLoaded() {
    for (cPoint* point : Points()) {
        if (point->level != 0)
            continue;
        if (point->medal == kMedalLocked) {
            point->medal = kMedalOpen;
            point->current = 1;
        }
        return;
    }
}

bool cMapWidget::LoadObjectStates(qor::cBitStream& stream) {
    const std::vector<cPoint*> points = Points();
    for (cPoint* point : points) {
        point->medal = kMedalLocked;
        point->current = 0;
    }
    stream.Rewind();
    const bool versionKnown = stream.BitLength() >= 32 && stream.ReadU32() == kProgressVersion;
    const bool whole = cBaseWidget::LoadObjectStates(stream);
    // A marker on a locked, invisible level would choose what cannot be seen;
    // two chosen levels would show two markers.
    cPoint* chosen = nullptr;
    for (cPoint* point : points) {
        if (point->current && (point->medal == kMedalLocked || chosen))
            point->current = 0;
        if (point->current)
            chosen = point;
    }
    OnMapLoaded();
    // Opening the first level chooses it only when the data chose none.
    if (chosen) {
        for (cPoint* point : points)
            point->current = point == chosen ? 1 : 0;
    }
    return versionKnown && whole;
}

void cMapWidget::BuildTrail() {
    const std::vector<cPoint*> points = Points();
    std::vector<vec2> slots(points.size());
    for (const cPoint* point : points) {
        // A level number from a damaged file may lie outside the map's levels.
        if (point->medal != kMedalLocked && point->level >= 0 &&
            static_cast<size_t>(point->level) < slots.size())
            slots[static_cast<size_t>(point->level)] = {point->x, point->y};
    }
    path = MapTrailDots(slots);
}

void cMapWidget::OnFocus() {
    if (const cPoint* point = GetCurrentPoint()) {
        scrollX = 0.0f;
        scrollY = 0.0f;
        ScrollBy(kVirtualWidth * 0.5f - point->x, 0.0f);
    }
    BuildTrail();
}
