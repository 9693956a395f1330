-- How to play (window "help"), opened from the main menu; "btClose" returns.
-- Each section is a heading and a word-wrapped text, in two columns.
--#include "skin.lua"

local function section(window, name, x, y)
    local heading = skinLabel(window, name .. "Title", skin.bold, x, y, 360, 30)
    setCtrlText(heading, "[Help" .. name .. "Title]", 0)
    local text = skinTextBox(window, name .. "Text", skin.small, x, y - 98, 396, 96,
                             align.Left + align.Top)
    setCtrlText(text, "[Help" .. name .. "Text]", 0)
end

function FillWindow(window)
    skinPanel(window, "panel", 62, 24, 900, 690)
    skinRibbon(window, "ribbon", 312, 682, 400)
    local title = skinLabel(window, "title", skin.button, 312, 694, 400, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, "[HelpTitle]", 0)

    section(window, "Goal", 106, 585)
    section(window, "Workers", 106, 455)
    section(window, "Resources", 106, 325)
    section(window, "Buildings", 106, 195)
    section(window, "Enemies", 522, 585)
    section(window, "Spells", 522, 455)
    section(window, "Medals", 522, 325)
    section(window, "Controls", 522, 195)

    skinButton(window, "btClose", 392, 44, 240, 56, "[HelpClose]")

    setWndActive(window, true)
    setWndModal(window, true)
end
