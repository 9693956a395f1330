#include "engine/Console.h"

namespace qor {

cConsole::cConsole(int width, int height, int consoleHeight)
    : m_width(width), m_height(height), m_consoleHeight(consoleHeight) {}

void cConsole::Print(std::u16string_view format, std::span<const cFormatValue> values) {
    std::u16string text;
    FormatString(text, format, values);

    std::u16string current;
    if (m_lastLineOpen && !m_lines.empty()) {
        current = std::move(m_lines.back());
        m_lines.pop_back();
    }
    m_lastLineOpen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\n' || c == u'\r') {
            // "\r\n" is one break, not an empty line between two.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            m_lines.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        m_lines.push_back(std::move(current));
        m_lastLineOpen = true;
    }
    m_scroll = static_cast<int>(m_lines.size());
}

// Input and drawing need the console font; until then the console takes nothing.
bool cConsole::OnKey(int) { return false; }
bool cConsole::OnChar(int) { return false; }
void cConsole::Draw(float) {}

}  // namespace qor
