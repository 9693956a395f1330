-- The trader's offer (window "deal"), shown over the level's HUD on the left:
-- what he asks for and how much is still missing, what he gives, and the time
-- left. The game fills in the icons and numbers; the window takes no clicks,
-- so the level under it stays playable.
--#include "skin.lua"

-- One line of the offer: a goods icon and its amount, neither taking clicks.
local function offerRow(window, side, font, y)
    local icon = createImageCtrl(window, "image_" .. side)
    setCtrlRect(icon, { x = 28, y = y, w = 40, h = 40 }, 0)
    ignoreCtrl(icon, true)
    local amount = skinLabel(window, "label_" .. side, font, 76, y, 176, 40,
                             align.Left + align.Middle)
    ignoreCtrl(amount, true)
end

function FillWindow(window)
    skinPanel(window, "panel", 8, 300, 256, 176)
    local title = skinLabel(window, "label_time", skin.bold, 24, 428, 224, 28,
                            align.Center + align.Middle)
    ignoreCtrl(title, true)
    offerRow(window, "in", skin.text, 376)
    offerRow(window, "out", skin.bold, 324)
end
