-- The picture stories' panel (window "comics"): "skip" on the left and "next"
-- on the right, at the ends of the pages' parchment strip, so that the
-- captions in its middle stay clear. Clicks beside the buttons reach the
-- story, which shortens the page.
--#include "skin.lua"

function FillWindow(window)
    skinButton(window, "skip", 16, 12, 150, 48, "[ComicsSkip]", true)
    skinButton(window, "next", 858, 12, 150, 48, "[ComicsNext]")

    setWndActive(window, true)
end
