-- The options (window "options"): the two volumes, full screen or window, and
-- the current player's hints. The sliders run from 0 to 1: they are volumes.
-- The check box "cbWindowed" is ticked for full screen.
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 262, 150, 500, 420)
    skinRibbon(window, "ribbon", 322, 538, 380)
    local title = skinLabel(window, "title", skin.button, 322, 550, 380, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[OptionsTitle]", 0)

    local sound = skinLabel(window, "lbSound", skin.bold, 312, 456, 150, 40)
    setCtrlText(sound, "[OptionsSound]", 0)
    skinSlider(window, "slSound", 462, 466, 250, 20, 0, 1)
    local music = skinLabel(window, "lbMusic", skin.bold, 312, 396, 150, 40)
    setCtrlText(music, "[OptionsMusic]", 0)
    skinSlider(window, "slMusic", 462, 406, 250, 20, 0, 1)

    skinCheckBox(window, "cbWindowed", 312, 320, 400, 40, "[OptionsFullScreen]")
    skinCheckBox(window, "cbHints", 312, 266, 400, 40, "[OptionsHints]")

    skinButton(window, "btBack", 392, 176, 240, 56, "[OptionsBack]")

    setWndActive(window, true)
    setWndModal(window, true)
end
