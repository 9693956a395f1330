-- The full text of a goal (window "hint_task"), beside the task panel while
-- the pointer rests on a goal line. It takes no input.
--#include "skin.lua"

function FillWindow(window)
    local frame = createFrameCtrl(window, "frame")
    setCtrlTexture(frame, "gui_panel", 0)
    setCtrlFrame(frame, { x = 424, y = 580, w = 340, h = 60 }, { x = 22, y = 22 }, 0)
    setCtrlUVFrame(frame, { x = 0, y = 0, w = 1, h = 1 }, { x = 0.25, y = 0.25 }, 0)
    skinLabel(window, "text", skin.bold, 424, 580, 340, 60, align.Center + align.Middle)
end
