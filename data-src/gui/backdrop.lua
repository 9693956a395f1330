-- The picture behind the menus (window "backdrop"): the island with the
-- game's name. It shows while no scene is behind the menus and takes no input.
--#include "skin.lua"

function FillWindow(window)
    local back = createImageCtrl(window, "back")
    setCtrlTexture(back, "gui_menu_back", 0)
    setCtrlRect(back, { x = 0, y = 0, w = 1024, h = 768 }, 0)
    -- the picture is the upper 1024 x 768 pixels of the texture
    setCtrlUVRect(back, { x = 0, y = 0.25, w = 1, h = 0.75 }, 0)
    ignoreCtrl(back, true)
end
