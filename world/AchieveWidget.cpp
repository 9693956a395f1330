#include "world/AchieveWidget.h"

#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "gui/Window.h"
#include "scene/Back.h"
#include "scene/LvxFile.h"
#include "scene/ParticleManager.h"
#include "scene/SceneDraw.h"
#include "scene/SceneServices.h"

namespace {

constexpr uint32_t kGroundColor = 0xFF80FF80u;  // opaque light green
constexpr int kEscape = 27;

void FlushAndClear(qor::cSpriteBatch* batch) {
    qor::FlushBatch(batch);
    batch->Clear();
}

}  // namespace

cAchieveWidget::cAchieveWidget(const cObjectFactory* factory, cSceneServices* services)
    : cBaseWidget(kAchieveWidgetName, factory, services) {}

cAchieveWidget::~cAchieveWidget() {
    if (ObjectCount() > 0) {
        qor::LogEntry(qor::kLogWarning, u"cAchieveWidget",
                      u"List of Safe Delete Objects is not empty. Clear method not called!");
    }
}

void cAchieveWidget::NewRoom() {
    Clear();
    nextObjectId = 1;
}

bool cAchieveWidget::LoadRoomFile() {
    return LoadLvxFile(qor::cPath(u"{StaticPath}/level/achieve.lvx"), *this, kRoomLoadSender);
}

void cAchieveWidget::Draw() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (qor::g_render && batch) {
        if (g_sceneDraw)
            g_sceneDraw->DrawWidescreenBars(batch);
        qor::g_render->Begin2D(kVirtualWidth, kVirtualHeight, true);
        DrawRoom();
        qor::g_render->End2D();
    }
    qor::cWidget::Draw();
}

void cAchieveWidget::DrawRoom() {
    qor::cSpriteBatch* batch = Services().Batch();
    if (!qor::g_render || !batch)
        return;
    // The ground and layer 0 (the background) cover the whole screen: drawn
    // without blending, which is the cheapest fill there is. Under a
    // background that covers everything the ground could not show, and a
    // screen of fill is a good part of a frame on a software renderer.
    qor::g_render->SetBlend(qor::kBlendOff, 0.0f);
    if (!GroundHidden()) {
        qor::DrawSprite(batch, nullptr, {0, 0, 1, 1}, {0, 0, kVirtualWidth, kVirtualHeight},
                        kGroundColor);
    }
    DrawLayers(0, 0);
    FlushAndClear(batch);
    qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    for (int layer = 1; layer < kLayerCount; ++layer) {
        DrawLayers(layer, layer);
        FlushAndClear(batch);
    }
    if (g_particles) {
        // The sparkles the level shows over its windows stay under the menus.
        g_particles->Draw(3);
        g_particles->Group(kGroupSparkle).Draw();
        qor::g_render->SetBlend(qor::kBlendAlpha, 0.0f);
    }
    qor::g_render->SetBlend(qor::kBlendOff, 0.0f);
}

bool cAchieveWidget::GroundHidden() const {
    for (const auto& object : Layer(0)) {
        if (object->GetTypeId() == cBack::kType &&
            static_cast<const cBack&>(*object).CoversScreen())
            return true;
    }
    return false;
}

void cAchieveWidget::Tick() {
    TickRoom();
}

void cAchieveWidget::TickRoom() {
    TickObjects();
    if (g_particles)
        g_particles->Update(kTickSeconds);
}

void cAchieveWidget::OnFocus() {
    Services().ClearParticles();
}

int cAchieveWidget::OnEvent(int kind, int param) {
    HandleEvent(kind, param);
    return 0;
}

void cAchieveWidget::HandleEvent(int kind, int param) {
    if (kind == qor::kWidgetKeyDown && param == kEscape)
        qor::ClickCtrlIn(kAchieveWidgetName, u"back");
}
