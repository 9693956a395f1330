-- Shared helpers of the window scripts: every window is built from the same
-- skin textures (texture/gui) and fonts (font/en). The build copies this file
-- into each window script that includes it, because the game runs every
-- window script on its own.

skin = {
    -- text colours
    ink = { 0.29, 0.18, 0.11 },
    soft = { 0.47, 0.33, 0.21 },
    light = { 1.0, 0.98, 0.92 },
    -- fonts
    text = "gui_text16",
    small = "gui_text14",
    bold = "gui_bold18",
    button = "gui_button20",
    title = "gui_title28",
}

local function rect(x, y, w, h)
    return { x = x, y = y, w = w, h = h }
end

local function color(ctrl, c)
    setCtrlColor(ctrl, c[1], c[2], c[3], 0)
end

-- Darkens everything behind a modal window; ignored by the mouse.
function skinShade(window, name)
    local shade = createImageCtrl(window, name)
    setCtrlTexture(shade, "gui_shade", 0)
    setCtrlRect(shade, rect(0, 0, 1024, 768), 0)
    ignoreCtrl(shade, true)
    return shade
end

-- A parchment panel in a wooden rim (nine-patch, 64-unit corners).
function skinPanel(window, name, x, y, w, h)
    local panel = createFrameCtrl(window, name)
    setCtrlTexture(panel, "gui_panel", 0)
    setCtrlFrame(panel, rect(x, y, w, h), { x = 64, y = 64 }, 0)
    setCtrlUVFrame(panel, rect(0, 0, 1, 1), { x = 0.25, y = 0.25 }, 0)
    ignoreCtrl(panel, true)
    return panel
end

-- A recessed area inside a panel, for text and lists.
function skinInset(window, name, x, y, w, h)
    local inset = createFrameCtrl(window, name)
    setCtrlTexture(inset, "gui_frame", 0)
    setCtrlFrame(inset, rect(x, y, w, h), { x = 24, y = 24 }, 0)
    setCtrlUVFrame(inset, rect(0, 0, 1, 1), { x = 0.1875, y = 0.1875 }, 0)
    ignoreCtrl(inset, true)
    return inset
end

-- The red ribbon that carries a window's title; 64 units high.
function skinRibbon(window, name, x, y, w)
    local ribbon = createFrameCtrl(window, name)
    setCtrlTexture(ribbon, "gui_ribbon", 0)
    setCtrlFrame(ribbon, rect(x, y, w, 64), { x = 48, y = 0 }, 0)
    setCtrlUVFrame(ribbon, rect(0, 0, 1, 1), { x = 0.1875, y = 0 }, 0)
    ignoreCtrl(ribbon, true)
    return ribbon
end

-- A window's title on its ribbon, which starts at (x, y) and is w wide.
function skinTitle(window, x, y, w, text)
    skinRibbon(window, "ribbon", x, y, w)
    local title = skinLabel(window, "title", skin.button, x, y + 12, w, 40,
                            align.Center + align.Middle, skin.light)
    setCtrlText(title, text, 0)
    return title
end

-- A label; `alignment` is a sum of align members.
function skinLabel(window, name, font, x, y, w, h, alignment, c)
    local label = createLabelCtrl(window, name)
    setCtrlFont(label, font, 0)
    color(label, c or skin.ink)
    setCtrlAlign(label, alignment or (align.Left + align.Middle), 0)
    setCtrlRect(label, rect(x, y, w, h), 0)
    return label
end

-- A word-wrapped text block.
function skinTextBox(window, name, font, x, y, w, h, alignment, c)
    local box = createTextBoxSysCtrl(window, name)
    setCtrlFont(box, font, 0)
    color(box, c or skin.ink)
    setCtrlAlign(box, alignment or (align.Center + align.Middle), 0)
    setCtrlRect(box, rect(x, y, w, h), 0)
    return box
end

function skinImage(window, name, texture, x, y, w, h)
    local image = createImageCtrl(window, name)
    setCtrlTexture(image, texture, 0)
    setCtrlRect(image, rect(x, y, w, h), 0)
    setCtrlUVRect(image, rect(0, 0, 1, 1), 0)
    return image
end

-- A button: honey for the main action, `alt` for the other one. The face
-- texture holds normal, pressed and pointer-over images stacked.
function skinButton(window, name, x, y, w, h, text, alt)
    local button = createButtonSysCtrl(window, name)
    setCtrlTexture(button, alt and "gui_button_alt" or "gui_button", 0)
    setCtrlFrame(button, rect(x, y, w, h), { x = 28, y = h / 2 }, 0)
    setCtrlUVFrame(button, rect(0, 0.75, 1, 0.25), { x = 0.109375, y = 0.125 }, 0)
    setCtrlFont(button, skin.button, 0)
    color(button, skin.light)
    if text then
        setCtrlText(button, text, 0)
    end
    return button
end

-- A check box with its caption to the right of the box.
function skinCheckBox(window, name, x, y, w, h, text)
    local box = createCheckBoxSysCtrl(window, name)
    setCtrlTexture(box, "gui_checkbox", 0)
    setCtrlRect(box, rect(x, y, w, h), 0)
    setCtrlUVRect(box, rect(0, 0.5, 0.5, 0.5), 0)
    setCtrlFont(box, skin.text, 0)
    color(box, skin.ink)
    if text then
        setCtrlText(box, text, 0)
    end
    return box
end

-- A horizontal slider: the groove over (x, y, w, h) and a round knob.
function skinSlider(window, name, x, y, w, h, low, high)
    local slider = createSliderSysCtrl(window, name)
    setCtrlTexture(slider, "gui_slider", 0)
    setCtrlFrame(slider, rect(x, y, w, h), { x = 16, y = h / 2 }, 0)
    setCtrlUVFrame(slider, rect(0, 0.25, 0.5, 0.5), { x = 0.0625, y = 0.25 }, 0)
    setCtrlRect(slider, rect(x, y, h * 1.5, h * 1.5), 0)
    setCtrlUVRect(slider, rect(0.5, 0, 0.25, 1), 0)
    setSliderCtrlMinMax(slider, low or 0, high or 100)
    return slider
end

-- A single-line edit field.
function skinEdit(window, name, x, y, w, h, maxLength)
    local edit = createEditSysCtrl(window, name)
    setCtrlTexture(edit, "gui_edit", 0)
    setCtrlFrame(edit, rect(x, y, w, h), { x = 14, y = 10 }, 0)
    setCtrlUVFrame(edit, rect(0, 0, 1, 1), { x = 0.078125, y = 0.3125 }, 0)
    setCtrlFont(edit, skin.text, 0)
    color(edit, skin.ink)
    setEditCtrlMaxLength(edit, maxLength or 20)
    return edit
end

-- A list of text rows with the honey highlight behind the selected one.
function skinList(window, name, x, y, w, h, rowHeight)
    local list = createListSysCtrl(window, name)
    setCtrlRect(list, rect(x, y, w, h), 0)
    setCtrlTexture(list, "gui_list", 0)
    setCtrlFrame(list, rect(0, 0, w, rowHeight), { x = 14, y = rowHeight / 3 }, 0)
    setCtrlUVFrame(list, rect(0, 0, 1, 1), { x = 0.078125, y = 0.3125 }, 0)
    setCtrlFont(list, skin.text, 0)
    setCtrlAlign(list, align.Left + align.Middle, 0)
    setCtrlColor(list, skin.ink[1], skin.ink[2], skin.ink[3], 1)
    setCtrlColor(list, skin.soft[1], skin.soft[2], skin.soft[3], 0)
    return list
end

-- A progress bar: the empty track behind, the cropped full bar in front.
function skinProgress(window, name, x, y, w, h)
    local track = createFrameCtrl(window, name .. "_track")
    setCtrlTexture(track, "gui_progress", 0)
    setCtrlFrame(track, rect(x, y, w, h), { x = h / 2, y = h / 2 }, 0)
    setCtrlUVFrame(track, rect(0, 0, 1, 0.5), { x = 0.0625, y = 0.25 }, 0)
    ignoreCtrl(track, true)
    local bar = createProgressBarSysCtrl(window, name)
    setCtrlTexture(bar, "gui_progress", 0)
    setCtrlRect(bar, rect(x, y, w, h), 0)
    setCtrlUVRect(bar, rect(0, 0.5, 1, 0.5), 0)
    return bar
end
