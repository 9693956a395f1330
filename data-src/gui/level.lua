-- The level's HUD (window "level"): the player's goods across the top left,
-- the time bar and the menu button at the top right, and the goal lines of
-- the task panel down the right edge. The game fills the numbers, the bar,
-- the goods' pictures ("image_wood" ...) and the goal lines; pointing at a
-- line ("frame_task0" ...) shows the goal in full.
--#include "skin.lua"

local function rect(x, y, w, h)
    return { x = x, y = y, w = w, h = h }
end

-- A small parchment board in a thin wooden rim.
local function board(window, name, x, y, w, h)
    local b = createFrameCtrl(window, name)
    setCtrlTexture(b, "gui_panel", 0)
    setCtrlFrame(b, rect(x, y, w, h), { x = 22, y = 22 }, 0)
    setCtrlUVFrame(b, rect(0, 0, 1, 1), { x = 0.25, y = 0.25 }, 0)
    return b
end

local goods = { "wood", "food", "money", "mana" }

function FillWindow(window)
    -- The goods: a picture and a number for each.
    ignoreCtrl(board(window, "goods", 8, 690, 488, 70), true)
    for i, name in ipairs(goods) do
        local x = 20 + (i - 1) * 120
        local image = createImageCtrl(window, "image_" .. name)
        setCtrlRect(image, rect(x, 703, 44, 44), 0)
        ignoreCtrl(image, true)
        skinInset(window, "well_" .. name, x + 48, 705, 62, 40)
        local number = skinLabel(window, name, skin.bold, x + 48, 705, 62, 40,
                                 align.Center + align.Middle)
        setCtrlText(number, "0", 0)
    end

    -- The clock: the bar empties as the time runs out; while it still
    -- reaches the honey mark a third along, the level can be won for gold.
    ignoreCtrl(board(window, "clock", 592, 690, 316, 70), true)
    local label = skinLabel(window, "time_label", skin.bold, 606, 705, 76, 40)
    setCtrlText(label, "[LevelTime]", 0)
    skinProgress(window, "time", 682, 713, 208, 24)
    local mark = createImageCtrl(window, "time_gold")
    setCtrlTexture(mark, "gui_button", 0)
    setCtrlRect(mark, rect(682 + 208 / 3 - 2, 708, 5, 34), 0)
    setCtrlUVRect(mark, rect(0.48, 0.82, 0.04, 0.1), 0)
    ignoreCtrl(mark, true)

    skinButton(window, "menu", 916, 694, 100, 62, "[LevelMenu]", true)

    -- The task panel: three goal lines under their heading, on dark boards
    -- so that a reached goal's green reads clearly.
    local heading = skinLabel(window, "goals_title", skin.button, 784, 640, 232, 36,
                              align.Center + align.Middle, skin.light)
    setCtrlText(heading, "[LevelGoals]", 0)
    for i = 0, 2 do
        local y = 580 - i * 60
        local line = board(window, "frame_task" .. i, 784, y, 232, 56)
        setCtrlColor(line, 0.42, 0.29, 0.18, 0)
        local image = createImageCtrl(window, "image_task" .. i)
        setCtrlRect(image, rect(794, y + 6, 44, 44), 0)
        ignoreCtrl(image, true)
        local count = skinLabel(window, "label_task" .. i .. "0", skin.bold, 848, y + 28, 160, 22,
                                align.Left + align.Middle, skin.light)
        ignoreCtrl(count, true)
        local state = skinLabel(window, "label_task" .. i .. "1", skin.small, 848, y + 8, 160, 20,
                                align.Left + align.Middle, { 0.93, 0.85, 0.70 })
        ignoreCtrl(state, true)
    end

    setWndActive(window, true)
end
