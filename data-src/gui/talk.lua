-- A talk (window "talk"), shown over the level's HUD: the speakers' faces at
-- the bottom corners with a speech bubble beside each, and the trader's face
-- up on the left with his own bubble. The game fills in the faces and texts
-- and shows one bubble at a time; a click on it goes on to the next line.
-- Faces and texts take no clicks, so only the bubble answers.
--#include "skin.lua"

local function bubble(window, i, x, y, w, h)
    local frame = createFrameCtrl(window, "frame" .. i)
    setCtrlTexture(frame, "gui_panel", 0)
    setCtrlFrame(frame, { x = x, y = y, w = w, h = h }, { x = 32, y = 32 }, 0)
    setCtrlUVFrame(frame, { x = 0, y = 0, w = 1, h = 1 }, { x = 0.25, y = 0.25 }, 0)
    showCtrl(frame, false)
    local text = skinTextBox(window, "text" .. i, skin.text, x + 28, y + 20, w - 56, h - 40,
                             align.Left + align.Middle)
    ignoreCtrl(text, true)
    showCtrl(text, false)
end

local function portrait(window, i, x, y)
    local face = createImageCtrl(window, "person" .. i)
    setCtrlTexture(face, "gui01", 0)
    setCtrlRect(face, { x = x, y = y, w = 168, h = 168 }, 0)
    setCtrlUVRect(face, { x = 0, y = 0, w = 0, h = 0 }, 0)
    ignoreCtrl(face, true)
    showCtrl(face, false)
end

function FillWindow(window)
    -- Slot 0 speaks from the left, slot 1 answers from the right.
    bubble(window, 0, 188, 24, 460, 136)
    portrait(window, 0, 12, 8)
    bubble(window, 1, 376, 24, 460, 136)
    portrait(window, 1, 844, 8)
    -- The trader calls from the upper left, below the HUD.
    bubble(window, 2, 188, 500, 460, 136)
    portrait(window, 2, 12, 484)
end
