-- The hint beside the object under the pointer (window "hint"). The frame
-- holds nothing but its margins here: the game grows it around each text and
-- moves the window next to the object. It takes no input.
--#include "skin.lua"

function FillWindow(window)
    local frame = createFrameCtrl(window, "frame")
    setCtrlTexture(frame, "gui_panel", 0)
    setCtrlFrame(frame, { x = 0, y = 0, w = 32, h = 28 }, { x = 16, y = 14 }, 0)
    setCtrlUVFrame(frame, { x = 0, y = 0, w = 1, h = 1 }, { x = 0.1875, y = 0.1875 }, 0)
    local text = createTextAreaCtrl(window, "text")
    setCtrlFont(text, skin.text, 0)
    setCtrlColor(text, skin.ink[1], skin.ink[2], skin.ink[3], 0)
    setCtrlAlign(text, align.Center, 0)
    setCtrlRect(text, { x = 16, y = 14, w = 0, h = 0 }, 0)
end
