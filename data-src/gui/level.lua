-- The level's HUD (window "level"), on the boards of the texture "gui_main0":
-- the player's goods across the top left, the hourglass and time bar and the
-- menu button at the top right, and the task board with its three goal lines
-- below them. The game fills the numbers, the bar, the goods' pictures
-- ("image_wood" ...) and the goal lines; pointing at a line ("frame_task0"
-- ...) shows the goal in full.
--#include "skin.lua"

local function rect(x, y, w, h)
    return { x = x, y = y, w = w, h = h }
end

-- Areas of "gui_main0" (512 x 512) in texture units, y up.
local uv = {
    hud_bar = rect(0, 0.765625, 0.9375, 0.125),
    hud_clock = rect(0, 0.625, 0.5, 0.125),
    time_fill = rect(0, 0.5703125, 0.34375, 0.0390625),
    hud_tasks = rect(0, 0.171875, 0.46875, 0.375),
    clock = rect(0.40625, 0.90625, 0.09375, 0.09375),
    menu = rect(0.515625, 0.4375, 0.109375, 0.109375),
}

local function board(window, name, area, x, y, w, h)
    local image = createImageCtrl(window, name)
    setCtrlTexture(image, "gui_main0", 0)
    setCtrlRect(image, rect(x, y, w, h), 0)
    setCtrlUVRect(image, uv[area], 0)
    ignoreCtrl(image, true)
    return image
end

local goods = { "wood", "food", "money", "mana" }

function FillWindow(window)
    -- The goods: four sockets for the pictures, four wells for the numbers.
    board(window, "goods", "hud_bar", 8, 696, 480, 64)
    for i, name in ipairs(goods) do
        local x = 20 + (i - 1) * 116
        local image = createImageCtrl(window, "image_" .. name)
        setCtrlRect(image, rect(x, 704, 48, 48), 0)
        ignoreCtrl(image, true)
        local number = skinLabel(window, name, skin.bold, x + 52, 712, 60, 32,
                                 align.Center + align.Middle)
        setCtrlText(number, "0", 0)
        ignoreCtrl(number, true)
    end

    -- The clock: the bar empties as the time runs out; while it still
    -- reaches the star a third along, the level can be won for gold.
    board(window, "clock", "hud_clock", 696, 696, 256, 64)
    board(window, "hourglass", "clock", 708, 706, 48, 48)
    local bar = createProgressBarSysCtrl(window, "time")
    setCtrlTexture(bar, "gui_main0", 0)
    setCtrlRect(bar, rect(764, 718, 176, 20), 0)
    setCtrlUVRect(bar, uv.time_fill, 0)
    ignoreCtrl(bar, true)
    -- Only a place for the tutorial to point at: the whole clock.
    local clockLine = createFrameCtrl(window, "time_line")
    setCtrlFrame(clockLine, rect(696, 696, 256, 64), { x = 0, y = 0 }, 0)
    ignoreCtrl(clockLine, true)

    local menu = createButtonSysCtrl(window, "menu")
    setCtrlTexture(menu, "gui_main0", 0)
    setCtrlFrame(menu, rect(960, 700, 56, 56), { x = 0, y = 0 }, 0)
    setCtrlUVFrame(menu, uv.menu, { x = 0, y = 0 }, 0)

    -- The task board: three goal lines, 56 units apart from the top.
    board(window, "tasks", "hud_tasks", 776, 496, 240, 192)
    for i = 0, 2 do
        local y = 688 - 16 - 56 * (i + 1)
        -- Only a place for the pointer: the board draws the line.
        local line = createFrameCtrl(window, "frame_task" .. i)
        setCtrlFrame(line, rect(784, y, 224, 56), { x = 0, y = 0 }, 0)
        local image = createImageCtrl(window, "image_task" .. i)
        setCtrlRect(image, rect(792, y + 4, 48, 48), 0)
        ignoreCtrl(image, true)
        local count = skinLabel(window, "label_task" .. i .. "0", skin.bold, 848, y + 28, 152, 24)
        ignoreCtrl(count, true)
        local state = skinLabel(window, "label_task" .. i .. "1", skin.small, 848, y + 6, 152, 20,
                                align.Left + align.Middle, skin.soft)
        ignoreCtrl(state, true)
    end

    setWndActive(window, true)
end
