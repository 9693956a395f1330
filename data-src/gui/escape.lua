-- The pause menu (window "escape") over a running level.
--#include "skin.lua"

function FillWindow(window)
    skinShade(window, "shade")
    skinPanel(window, "panel", 352, 150, 320, 460)
    skinRibbon(window, "ribbon", 312, 578, 400)
    local title = skinLabel(window, "title", skin.button, 312, 590, 400, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[EscapeTitle]", 0)

    skinButton(window, "btResume", 392, 480, 240, 60, "[EscapeResume]")
    skinButton(window, "btRestart", 392, 410, 240, 56, "[EscapeRestart]", true)
    skinButton(window, "btOptions", 392, 346, 240, 56, "[EscapeOptions]", true)
    skinButton(window, "btEnd", 392, 282, 240, 56, "[EscapeEnd]", true)
    skinButton(window, "btExit", 392, 184, 240, 56, "[EscapeExit]", true)

    setWndActive(window, true)
    setWndModal(window, true)
end
