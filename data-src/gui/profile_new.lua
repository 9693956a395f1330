-- Naming the first player (window "profile_new"): an edit field "name" and
-- the button "ok". Without a "cancel" button the game names the current
-- player instead of adding one.
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 272, 236, 480, 290)
    skinRibbon(window, "ribbon", 332, 494, 360)
    local title = skinLabel(window, "title", skin.button, 332, 506, 360, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[ProfileNewTitle]", 0)

    local ask = skinTextBox(window, "lbAsk", skin.text, 312, 410, 400, 60)
    setCtrlText(ask, "[ProfileNewAsk]", 0)
    skinEdit(window, "name", 327, 350, 370, 48, 20)

    skinButton(window, "ok", 392, 266, 240, 56, "[ProfileOk]")

    setWndActive(window, true)
    setWndModal(window, true)
end
