#pragma once
// What the HUD shows and plays when the level's goals or its clock change:
// the sparkles and jingle of a goal just reached, and the alarm at the gold
// limit. The level controller calls these; they do nothing without a game.
#include "engine/SpriteBatch.h"

struct cTaskCelebration;

// Sparkles on the reached goal's picture and, while other goals are open, the
// "task done" jingle.
void CelebrateTaskLine(const cTaskCelebration& celebration);

// The gold limit has passed: the alarm and a green burst on the time bar.
void SoundGoldAlarm();

// A point of the HUD's time bar, as fractions of its width and height from its
// lower-left corner; the centre of the screen when the HUD has no time bar.
qor::cVec2 TimeBarPoint(float fx, float fy);
