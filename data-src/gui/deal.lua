-- The trader's offer (window "deal"), shown over the level's HUD on the left:
-- what he asks for and how much is still missing, what he gives, and the time
-- left. The game fills in the icons and numbers; the window takes no clicks,
-- so the level under it stays playable.
--#include "skin.lua"

function FillWindow(window)
    skinPanel(window, "panel", 8, 300, 256, 176)
    local title = skinLabel(window, "label_time", skin.bold, 24, 428, 224, 28,
                            align.Center + align.Middle)
    ignoreCtrl(title, true)
    local asked = createImageCtrl(window, "image_in")
    setCtrlRect(asked, { x = 28, y = 376, w = 40, h = 40 }, 0)
    ignoreCtrl(asked, true)
    local askedText = skinLabel(window, "label_in", skin.text, 76, 376, 176, 40,
                                align.Left + align.Middle)
    ignoreCtrl(askedText, true)
    local given = createImageCtrl(window, "image_out")
    setCtrlRect(given, { x = 28, y = 324, w = 40, h = 40 }, 0)
    ignoreCtrl(given, true)
    local givenText = skinLabel(window, "label_out", skin.bold, 76, 324, 176, 40,
                                align.Left + align.Middle)
    ignoreCtrl(givenText, true)
end
