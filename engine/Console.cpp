#include "engine/Console.h"

#include <algorithm>
#include <cmath>

#include "app/Game.h"
#include "app/Platform.h"
#include "engine/FileSystem.h"
#include "engine/Log.h"
#include "engine/Path.h"
#include "engine/Render.h"
#include "engine/Script.h"
#include "engine/SpriteBatch.h"

namespace qor {

namespace {

constexpr char16_t kToggleChar = u'`';
constexpr char16_t kColourMark = u'^';
const std::u16string kFontName = u"a_fontsystem14";
constexpr char16_t kHistoryFile[] = u"{StaticPath}/conf/concom.txt";

constexpr uint32_t kPanelColour = 0xDC000000u;  // black, alpha 220
constexpr uint32_t kYellow = 0xFFFFFF00u;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

// "^" and a character: its low three bits pick red, green and blue.
uint32_t ColourFromCode(char16_t code) {
    const uint32_t r = (code & 4) ? 252u : 0u;
    const uint32_t g = (code & 2) ? 254u : 0u;
    const uint32_t b = (code & 1) ? 255u : 0u;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

}  // namespace

cConsole::cConsole(int width, int height, int consoleHeight)
    : m_width(width),
      m_height(height),
      m_consoleHeight(consoleHeight),
      m_controlDown(&IsLeftControlDown) {
    LoadHistory();
}

void cConsole::LoadHistory() {
    const cPath path(kHistoryFile);
    if (!Exists(path))
        return;
    std::u16string text;
    if (ReadTextFile(path, &text) != 0) {
        m_pendingWarning = Format(
            u"Command list %s is empty or not UTF-16 text with a byte-order mark; it is ignored",
            {path.full});
        return;
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        // A "\r" before the line feed stays with its entry; Lua reads it as a blank.
        if (end > start)
            m_history.emplace_back(text, start, end - start);
        start = end + 1;
    }
    m_historyIndex = static_cast<int>(m_history.size());
}

void cConsole::ReportPending() {
    if (m_pendingWarning.empty() || !g_game || !g_log || g_log->console() != this)
        return;
    const std::u16string message = std::move(m_pendingWarning);
    m_pendingWarning.clear();
    LogEntry(kLogWarning, u"cConsole", u"%s", message);
}

void cConsole::Print(std::u16string_view format, std::span<const cFormatValue> values) {
    ReportPending();
    std::u16string text;
    FormatString(text, format, values);

    // A line the previous print left open is continued in place.
    bool continuing = m_lastLineOpen && !m_lines.empty();
    std::u16string current = continuing ? std::move(m_lines.back()) : std::u16string();
    auto commit = [&] {
        if (continuing) {
            m_lines.back() = std::move(current);
            continuing = false;
        } else {
            m_lines.push_back(std::move(current));
        }
        current.clear();
    };
    m_lastLineOpen = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\n' || c == u'\r') {
            // "\r\n" is one break, not an empty line between two.
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            commit();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        commit();
        m_lastLineOpen = true;
    }
    m_scroll = static_cast<int>(m_lines.size());
}

bool cConsole::OnChar(int ch) {
    ReportPending();
    if (ch == kToggleChar) {
        const float fullSpeed = 2.0f * static_cast<float>(m_consoleHeight);
        if (m_speed != 0.0f) {
            m_speed = -m_speed;  // pressed again while sliding: turn back
        } else if (m_open <= 0.0f) {
            m_speed = fullSpeed;  // opens in half a second
        } else {
            m_speed = -fullSpeed;
        }
        return true;
    }
    if (!IsOpen() || ch < 0 || ch > 0xFFFF)
        return false;
    // A character the console cannot show belongs to the GUI.
    const char16_t c = static_cast<char16_t>(ch);
    if (!m_font || !m_font->HasGlyph(c))
        return false;
    m_input.insert(m_input.begin() + m_cursor, c);
    ++m_cursor;
    return true;
}

void cConsole::SetInputFromHistory() {
    const size_t index = static_cast<size_t>(m_historyIndex);
    m_input = index < m_history.size() ? m_history[index] : std::u16string();
    m_cursor = static_cast<int>(m_input.size());
}

void cConsole::ScrollBy(int delta, bool jumpToOldest) {
    const int count = static_cast<int>(m_lines.size());
    // The oldest position still fills the view above the input line.
    const int oldest = m_visibleLines - 1;
    int scroll = m_scroll;
    if (jumpToOldest) {
        scroll = std::min(oldest, count);
    } else if (delta < 0) {
        scroll = std::max(scroll + delta, oldest);
    } else {
        scroll += delta;
    }
    m_scroll = std::clamp(scroll, 0, count);
}

bool cConsole::OnKey(int virtualKey) {
    ReportPending();
    if (!IsOpen())
        return false;
    const int length = static_cast<int>(m_input.size());
    switch (virtualKey) {
        case kKeyBackspace:
            if (m_cursor > 0) {
                m_input.erase(static_cast<size_t>(m_cursor - 1), 1);
                --m_cursor;
            }
            return true;
        case kKeyDelete:
            if (m_cursor < length)
                m_input.erase(static_cast<size_t>(m_cursor), 1);
            return true;
        case kKeyLeft:
            m_cursor = std::max(m_cursor - 1, 0);
            return true;
        case kKeyRight:
            m_cursor = std::min(m_cursor + 1, length);
            return true;
        case kKeyHome:
            m_cursor = 0;
            return true;
        case kKeyEnd:
            m_cursor = length;
            return true;
        case kKeyTab:
            for (auto entry = m_history.rbegin(); entry != m_history.rend(); ++entry) {
                if (entry->starts_with(m_input)) {
                    m_input = *entry;
                    m_cursor = static_cast<int>(m_input.size());
                    break;
                }
            }
            return true;
        case kKeyEnter: {
            // The line leaves the input before it runs: the script may print,
            // and what it prints must not meet a half-cleared input.
            const std::u16string line = std::move(m_input);
            m_input.clear();
            m_cursor = 0;
            RunBuffer(line);
            if (!line.empty() && (m_history.empty() || m_history.back() != line))
                m_history.push_back(line);
            m_historyIndex = static_cast<int>(m_history.size());
            return true;
        }
        case kKeyUp:
            if (!m_history.empty()) {
                m_historyIndex = std::max(m_historyIndex - 1, 0);
                SetInputFromHistory();
            }
            return true;
        case kKeyDown:
            m_historyIndex = std::min(m_historyIndex + 1, static_cast<int>(m_history.size()));
            SetInputFromHistory();
            return true;
        case kKeyPageUp:
            if (m_controlDown && m_controlDown()) {
                // Jumps to the oldest lines and lets the GUI see the key as well.
                ScrollBy(0, true);
                return false;
            }
            ScrollBy(-1, false);
            return true;
        case kKeyPageDown:
            if (m_controlDown && m_controlDown()) {
                m_scroll = static_cast<int>(m_lines.size());
            } else {
                ScrollBy(1, false);
            }
            return true;
        default:
            return false;
    }
}

void cConsole::TakeFont() {
    // Retried while missing: the console draws from the first frame, long
    // before the loading screen has created the fonts.
    if (!m_font)
        m_font = FindFont(kFontName);
    m_lineHeight = m_font && m_font->cellHeight > 0.0f ? m_font->cellHeight : 1.0f;
    m_charWidth = m_font ? m_font->Glyph(u' ').dx + m_font->spacing : 0.0f;
}

void cConsole::Draw(float seconds) {
    ReportPending();
    TakeFont();
    if (m_speed != 0.0f && std::isfinite(seconds)) {
        m_open += m_speed * seconds;
        const float full = static_cast<float>(m_consoleHeight);
        if (m_open <= 0.0f) {
            m_open = 0.0f;
            m_speed = 0.0f;
        } else if (m_open >= full) {
            m_open = full;
            m_speed = 0.0f;
        }
    }
    m_visibleLines = static_cast<int>(m_open / m_lineHeight);
    if (m_open <= 0.0f)
        return;
    DrawPanel();
}

void cConsole::DrawCells(std::u16string_view text, float y, uint32_t color, bool colourCodes) {
    cSpriteBatch* batch = g_game->batch();
    int column = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (colourCodes && c == kColourMark) {
            if (i + 1 < text.size())
                color = ColourFromCode(text[++i]);
            continue;
        }
        const float x = static_cast<float>(column++) * m_charWidth;
        if (x >= static_cast<float>(m_width))
            break;  // lines are not wrapped: the rest is off screen
        if (c != u' ')
            DrawText(batch, std::u16string_view(&text[i], 1), x, y, m_font.get(), color);
    }
}

void cConsole::DrawPanel() {
    cSpriteBatch* batch = g_game ? g_game->batch() : nullptr;
    if (!g_render || !g_render->HasDevice() || !batch)
        return;
    const float width = static_cast<float>(m_width);
    const float top = static_cast<float>(m_height);
    const float bottom = top - m_open;

    g_render->Begin2D(width, top, false);
    g_render->SetBlend(kBlendAlpha, 0.0f);
    g_render->SetColor(kWhite);
    const cTextureRef none;
    const cRectF wholeUv{0, 0, 1, 1};
    DrawSprite(batch, none, wholeUv, {0, bottom, width, m_open}, kPanelColour);
    DrawSprite(batch, none, wholeUv, {0, bottom - 1, width, 1}, kYellow);

    // The scroll bar's length is the shown share of the output, its lower end
    // where the newest shown line sits in the whole output.
    const float count = static_cast<float>(m_lines.size());
    const float shown = static_cast<float>(m_visibleLines - 1);
    const float share = count > 0 ? std::min(1.0f, shown / count) : 1.0f;
    const float position = count > 0 ? static_cast<float>(m_scroll) / count : 1.0f;
    const float barLength = m_open * share;
    if (barLength > 0)
        DrawSprite(batch, none, wholeUv, {width - 2, top - m_open * position, 2, barLength},
                   kYellow);

    if (m_font) {
        if (m_open > m_lineHeight) {
            DrawCells(u">" + m_input, bottom, kYellow, false);
            DrawText(batch, u"_", m_charWidth * static_cast<float>(m_cursor + 1), bottom,
                     m_font.get(), kWhite);
        }
        for (int i = 0; i < m_visibleLines; ++i) {
            const int index = m_scroll - 1 - i;
            if (index < 0 || index >= static_cast<int>(m_lines.size()))
                break;
            DrawCells(m_lines[static_cast<size_t>(index)],
                      bottom + static_cast<float>(i + 1) * m_lineHeight, kYellow, true);
        }
    }
    FlushBatch(batch);
    batch->Clear();
    g_render->End2D();
}

}  // namespace qor
