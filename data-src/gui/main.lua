-- The main menu (window "main"): the current player's name on the ribbon and
-- one button for each way on. "lbProfile" keeps its text key, a format the
-- game fills with the player's name.
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 352, 36, 320, 410)
    skinRibbon(window, "ribbon", 312, 414, 400)
    local profile = skinLabel(window, "lbProfile", skin.button, 352, 426, 320, 40,
                              align.Center + align.Middle, skin.light)
    setCtrlText(profile, "[MainProfile]", 0)

    skinButton(window, "btStart", 392, 322, 240, 60, "[MainStart]")
    skinButton(window, "btProfile", 392, 252, 240, 56, "[MainProfiles]", true)
    skinButton(window, "btOptions", 392, 188, 240, 56, "[MainOptions]", true)
    skinButton(window, "btHelp", 392, 124, 240, 56, "[MainHelp]", true)
    skinButton(window, "btExit", 392, 60, 240, 56, "[MainExit]", true)

    setWndActive(window, true)
end
