#pragma once
// The painters behind TaskIcons(), split by what they show.
#include <cairo.h>

namespace artgen {

// A small sign in the lower right corner of a goal picture: the key that a
// special deed earns, or the coin that a gold mill makes.
enum class TaskBadge { kKey, kCoin };
void TaskCorner(cairo_t* cr, TaskBadge badge);

void PaintTaskHouse(cairo_t* cr);
void PaintTaskSawmill(cairo_t* cr);
void PaintTaskMill(cairo_t* cr);
void PaintTaskGoldmill(cairo_t* cr);
void PaintTaskTower(cairo_t* cr);
void PaintTaskLighthouse(cairo_t* cr);

void PaintTaskWorker(cairo_t* cr);
void PaintTaskFood(cairo_t* cr);
void PaintTaskWood(cairo_t* cr);
void PaintTaskMoney(cairo_t* cr);
void PaintTaskKeyStatue(cairo_t* cr);
void PaintTaskKeyAltar(cairo_t* cr);
void PaintTaskPrison(cairo_t* cr);
void PaintTaskKeyCastle(cairo_t* cr);

}  // namespace artgen
