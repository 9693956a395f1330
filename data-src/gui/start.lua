-- The level's briefing (window "start"): what the level asks for and how
-- quickly it must be done for gold and for silver. The game fills "goals",
-- "gold" and "silver"; "close" starts the level.
--#include "skin.lua"

local gold = { 0.80, 0.55, 0.05 }
local silver = { 0.45, 0.50, 0.58 }

function FillWindow(window)
    skinShade(window, "shade")
    skinPanel(window, "panel", 212, 150, 600, 460)
    skinTitle(window, 272, 578, 480, "[StartTitle]")

    local ask = skinLabel(window, "ask", skin.text, 252, 526, 520, 30,
                          align.Center + align.Middle, skin.soft)
    setCtrlText(ask, "[StartAsk]", 0)
    skinInset(window, "goals_inset", 262, 404, 500, 118)
    skinTextBox(window, "goals", skin.bold, 280, 414, 464, 98, align.Center + align.Middle)

    local medals = skinLabel(window, "medals", skin.text, 252, 356, 520, 30,
                             align.Center + align.Middle, skin.soft)
    setCtrlText(medals, "[StartMedals]", 0)
    skinInset(window, "gold_inset", 262, 250, 240, 100)
    local goldName = skinLabel(window, "gold_name", skin.bold, 262, 306, 240, 34,
                               align.Center + align.Middle, gold)
    setCtrlText(goldName, "[StartGold]", 0)
    skinLabel(window, "gold", skin.title, 262, 260, 240, 46, align.Center + align.Middle, gold)
    skinInset(window, "silver_inset", 522, 250, 240, 100)
    local silverName = skinLabel(window, "silver_name", skin.bold, 522, 306, 240, 34,
                                 align.Center + align.Middle, silver)
    setCtrlText(silverName, "[StartSilver]", 0)
    skinLabel(window, "silver", skin.title, 522, 260, 240, 46, align.Center + align.Middle,
              silver)

    skinButton(window, "close", 392, 176, 240, 60, "[StartPlay]")

    setWndActive(window, true)
    setWndModal(window, true)
end
