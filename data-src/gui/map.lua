-- The world map's panel (window "map"): back to the main menu on the left,
-- the chosen level's start on the right. Both sit below the band whose edges
-- scroll the map, so reaching for them never scrolls it.
--#include "skin.lua"

function FillWindow(window)
    skinButton(window, "back", 24, 28, 200, 56, "[MapBack]", true)
    skinButton(window, "play", 800, 24, 200, 64, "[MapPlay]")

    setWndActive(window, true)
end
