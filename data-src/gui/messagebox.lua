-- The message box (window "messagebox"): a parchment panel with a title
-- ribbon, a large picture on the left, the text to its right and one or two
-- buttons. The game fills "title", "text" (or the lines "line0".. when there
-- is no text box), "image", "icon", "ok" and "cancel".
--#include "skin.lua"

function FillWindow(window)
    skinShade(window, "shade")
    skinPanel(window, "panel", 222, 214, 580, 330)
    skinRibbon(window, "ribbon", 292, 512, 440)
    skinLabel(window, "title", skin.button, 352, 524, 320, 40, align.Center + align.Middle, skin.light)
    skinImage(window, "icon", "icon_info", 258, 498, 64, 64)

    skinInset(window, "inset", 268, 316, 488, 182)
    skinImage(window, "image", "icon_info", 284, 343, 128, 128)
    if createTextBoxSysCtrl then
        skinTextBox(window, "text", skin.text, 424, 330, 316, 154)
    else
        -- one label per line where no word-wrapping text box exists
        for i = 0, 3 do
            skinLabel(window, "line" .. i, skin.text, 424, 448 - i * 32, 316, 30,
                      align.Center + align.Middle)
        end
    end

    skinButton(window, "ok", 290, 246, 200, 56, nil, false)
    skinButton(window, "cancel", 534, 246, 200, 56, nil, true)

    setWndActive(window, true)
    setWndModal(window, true)
end
