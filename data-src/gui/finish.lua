-- The results of a won level (window "finish"): the time taken, the goods
-- earned and the buildings raised count up beside their names, then the new
-- score; the medal's cup ("cup") pops in on the right. "close" finishes the
-- count at once, then goes on; "replay" saves the level just won, and
-- "replayNote" then says where the file went.
--#include "skin.lua"

local gold = { 0.80, 0.55, 0.05 }

function FillWindow(window)
    skinShade(window, "shade")
    skinPanel(window, "panel", 182, 130, 660, 490)
    skinTitle(window, 272, 588, 480, "[FinishTitle]")

    skinInset(window, "counts", 222, 356, 410, 164)
    skinTextBox(window, "vars", skin.title, 234, 372, 240, 132, align.Right + align.Top, { 0.66, 0.49, 0.30 })
    skinTextBox(window, "vals", skin.title, 486, 372, 136, 132, align.Left + align.Top)

    local cup = createCupCtrl(window, "cup")
    setCtrlRect(cup, { x = 646, y = 326, w = 176, h = 224 }, 0)
    skinLabel(window, "score", skin.title, 222, 262, 580, 60, align.Center + align.Middle, gold)

    skinTextBox(window, "replayNote", skin.small, 222, 226, 580, 28,
                align.Center + align.Top, skin.soft)
    skinButton(window, "replay", 252, 160, 240, 60, "[FinishReplay]", true)
    skinButton(window, "close", 532, 160, 240, 60, "[FinishContinue]")

    setWndActive(window, true)
    setWndModal(window, true)
end
