-- The pause menu (window "escape") over a running level. "btReplay" saves
-- the level played so far; "replayNote" then says where the file went.
--#include "skin.lua"

function FillWindow(window)
    skinShade(window, "shade")
    skinPanel(window, "panel", 352, 110, 320, 500)
    skinRibbon(window, "ribbon", 312, 578, 400)
    local title = skinLabel(window, "title", skin.button, 312, 590, 400, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[EscapeTitle]", 0)

    skinButton(window, "btResume", 392, 494, 240, 60, "[EscapeResume]")
    skinButton(window, "btRestart", 392, 430, 240, 56, "[EscapeRestart]", true)
    skinButton(window, "btOptions", 392, 370, 240, 56, "[EscapeOptions]", true)
    skinButton(window, "btReplay", 392, 310, 240, 56, "[EscapeReplay]", true)
    skinButton(window, "btEnd", 392, 250, 240, 56, "[EscapeEnd]", true)
    skinTextBox(window, "replayNote", skin.small, 372, 194, 280, 48,
                align.Center + align.Top, skin.soft)
    skinButton(window, "btExit", 392, 130, 240, 56, "[EscapeExit]", true)

    setWndActive(window, true)
    setWndModal(window, true)
end
