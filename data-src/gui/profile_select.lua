-- The player list (window "profile_select"): the list "lstProfile" with its
-- scroll slider "slProfile" (its top stands for the first player), and the
-- buttons "btAdd", "btDelete" and "btOk".
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 262, 20, 500, 620)
    skinRibbon(window, "ribbon", 322, 608, 380)
    local title = skinLabel(window, "title", skin.button, 322, 620, 380, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[ProfileSelectTitle]", 0)

    local hint = skinLabel(window, "lbChoose", skin.text, 302, 560, 420, 30,
                           align.Center + align.Middle, skin.soft)
    setCtrlText(hint, "[ProfileSelectHint]", 0)
    skinInset(window, "inset", 302, 272, 420, 280)
    skinList(window, "lstProfile", 318, 290, 346, 244, 40)

    -- a vertical scroll bar beside the list
    local slider = createSliderSysCtrl(window, "slProfile")
    setCtrlTexture(slider, "gui_slider", 0)
    setSliderCtrlVertical(slider, true)
    setCtrlFrame(slider, { x = 676, y = 294, w = 20, h = 236 }, { x = 10, y = 10 }, 0)
    setCtrlUVFrame(slider, { x = 0, y = 0.25, w = 0.5, h = 0.5 }, { x = 0.0625, y = 0.25 }, 0)
    setCtrlRect(slider, { x = 676, y = 294, w = 30, h = 30 }, 0)
    setCtrlUVRect(slider, { x = 0.5, y = 0, w = 0.25, h = 1 }, 0)
    setSliderCtrlMinMax(slider, 0, 1)

    skinButton(window, "btAdd", 292, 178, 210, 56, "[ProfileSelectAdd]", true)
    skinButton(window, "btDelete", 522, 178, 210, 56, "[ProfileSelectDelete]", true)
    skinButton(window, "btOk", 392, 76, 240, 60, "[ProfileSelectOk]")

    setWndActive(window, true)
    setWndModal(window, true)
end
