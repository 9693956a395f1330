-- The loading screen (window "loading"): the island picture with a parchment
-- scroll whose slot the bar "progress" fills. The window has no control named
-- "label" on purpose: with one, the engine would slow every load down so that
-- a text there stays readable, and a player needs none to see how far the
-- loading has come. The window needs no font either, so it is ready before
-- anything is queued.

function FillWindow(window)
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
end
