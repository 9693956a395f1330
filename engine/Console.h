#pragma once
// The drop-down console: shows every log entry and script print and runs one
// typed line as Lua. This holds the output buffer; input and drawing grow here.
#include <span>
#include <string>
#include <vector>

#include "engine/FormatString.h"

namespace qor {

class cConsole {
public:
    cConsole(int width, int height, int consoleHeight);

    // Formats the text and appends it line by line; a print that did not end
    // with a line break is continued by the next one.
    void Print(std::u16string_view format, std::span<const cFormatValue> values = {});

    // Keys and characters while the console's claim is on; true when consumed.
    bool OnKey(int virtualKey);
    bool OnChar(int ch);
    void Draw(float seconds);

    const std::vector<std::u16string>& lines() const { return m_lines; }
    int scroll() const { return m_scroll; }

private:
    std::vector<std::u16string> m_lines;
    bool m_lastLineOpen = false;
    int m_scroll = 0;
    int m_width;
    int m_height;
    int m_consoleHeight;
};

}  // namespace qor
