-- A new player (window "profile_add"): an edit field "name", "ok" adds the
-- player and "cancel" goes back to the player list.
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 262, 236, 500, 290)
    skinRibbon(window, "ribbon", 332, 494, 360)
    local title = skinLabel(window, "title", skin.button, 332, 506, 360, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[ProfileAddTitle]", 0)

    local ask = skinTextBox(window, "lbAsk", skin.text, 312, 410, 400, 60)
    setCtrlText(ask, "[ProfileAddAsk]", 0)
    skinEdit(window, "name", 327, 350, 370, 48, 20)

    skinButton(window, "ok", 292, 266, 210, 56, "[ProfileOk]")
    skinButton(window, "cancel", 522, 266, 210, 56, "[ProfileCancel]", true)

    setWndActive(window, true)
    setWndModal(window, true)
end
