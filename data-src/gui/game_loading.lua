-- The loading screen (window "loading"): the island picture with a parchment
-- scroll; the bar "progress" fills the scroll's slot and the label "label"
-- names what is being loaded.
--#include "skin.lua"

function FillWindow(window)
    -- The fonts are queued by the loading script, which runs after this
    -- window is built; load them now so the label has its font from the start.
    updateTextures('{StaticPath}/font/en')

    local back = createImageCtrl(window, "back")
    setCtrlTexture(back, "gui_loading", 0)
    setCtrlRect(back, { x = 0, y = 0, w = 1024, h = 768 }, 0)
    -- the picture is the upper 1024 x 768 pixels of the texture
    setCtrlUVRect(back, { x = 0, y = 0.25, w = 1, h = 0.75 }, 0)

    -- the scroll's slot is at (268, 92, 488, 40)
    local progress = createProgressBarSysCtrl(window, "progress")
    setCtrlTexture(progress, "gui_loading_progress", 0)
    setCtrlRect(progress, { x = 272, y = 98, w = 480, h = 28 }, 0)
    setCtrlUVRect(progress, { x = 0, y = 0, w = 1, h = 1 }, 0)

    skinLabel(window, "label", skin.small, 252, 48, 520, 30, align.Center + align.Middle, skin.soft)
end
