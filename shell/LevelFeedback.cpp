#include "shell/LevelFeedback.h"

#include "app/Game.h"
#include "gui/GUI.h"
#include "gui/Window.h"
#include "level/TaskPanel.h"
#include "scene/ParticleManager.h"
#include "shell/Garden.h"
#include "shell/ScreenControls.h"

using namespace qor;

namespace {

void Play(int sound) {
    if (g_garden)
        g_garden->sounds.PlaySound(sound);
}

}  // namespace

void CelebrateTaskLine(const cTaskCelebration& celebration) {
    if (celebration.sparkle && g_particles)
        g_particles->AddSparkle(50, 15.0f, 0xFFFFFFFFu, {celebration.point.x, celebration.point.y});
    if (celebration.taskDone)
        Play(kSoundTaskDone);
}

void SoundGoldAlarm() {
    Play(kSoundAlarm);
    if (g_particles) {
        const cVec2 point = TimeBarPoint(1.0f / 3.0f, 0.5f);
        g_particles->AddSparkle(30, 5.0f, 0xFF008000u, {point.x, point.y});
    }
}

cVec2 TimeBarPoint(float fx, float fy) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    cWindow* hud = gui && gui->HasWnd(u"level") ? gui->GetWnd(u"level") : nullptr;
    const cCtrl* bar = FindScreenControl(hud, u"time");
    if (!bar)
        return {512.0f, 384.0f};
    const cRectF r = bar->GetRect();
    return {r.x + r.w * fx, r.y + r.h * fy};
}
