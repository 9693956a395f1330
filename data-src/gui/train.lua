-- The tutorial's hint (window "train"): the bouncing arrow of the world map,
-- which the game points at the thing to use, and a framed text beside it.
-- The game sizes the frame around each text and places both; a click on the
-- frame dismisses a message. The arrow and the text take no clicks.
--#include "skin.lua"

function FillWindow(window)
    -- First of the arrow's six frames on "map02" (256 x 256), y up.
    local arrow = createImageCtrl(window, "arrow")
    setCtrlTexture(arrow, "map02", 0)
    setCtrlRect(arrow, { x = 0, y = 0, w = 40, h = 64 }, 0)
    setCtrlUVRect(arrow, { x = 0, y = 0.34375, w = 0.15625, h = 0.25 }, 0)
    ignoreCtrl(arrow, true)
    local frame = createFrameCtrl(window, "frame")
    setCtrlTexture(frame, "gui_panel", 0)
    setCtrlFrame(frame, { x = 0, y = 0, w = 48, h = 36 }, { x = 16, y = 14 }, 0)
    setCtrlUVFrame(frame, { x = 0, y = 0, w = 1, h = 1 }, { x = 0.1875, y = 0.1875 }, 0)
    local text = createTextAreaCtrl(window, "text")
    setCtrlFont(text, skin.text, 0)
    setCtrlColor(text, skin.ink[1], skin.ink[2], skin.ink[3], 0)
    setCtrlAlign(text, align.Center, 0)
    setCtrlRect(text, { x = 24, y = 18, w = 0, h = 0 }, 0)
    ignoreCtrl(text, true)
end
