#pragma once
// The four people who speak in the story's talks, each painted as a
// head-and-shoulders figure for PaintPortraitFrame.
#include <cairo.h>

namespace artgen {

// "ad": Master Aldous, the old advisor of the island: white beard, round
// spectacles, a scholar's blue robe.
void PaintAdvisor(cairo_t* cr);
// "mh": Hilde, the master builder who leads the workers: straw hat like
// theirs with a green band, a braid, a pencil behind her ear.
void PaintMasterBuilder(cairo_t* cr);
// "sl": Piero, the travelling trader who offers deals: a feathered hat, a
// curled moustache, a gold earring.
void PaintTrader(cairo_t* cr);
// "wf": Old Wenna, the wise woman of the woods: a plum hood with leaves,
// silver hair, a mana-blue pendant.
void PaintWiseWoman(cairo_t* cr);

}  // namespace artgen
