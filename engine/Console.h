#pragma once
// The drop-down console: a text panel over the top of the screen that shows
// every log entry and script print and runs one typed line as Lua on Enter.
// Its input history starts with the command list "{StaticPath}/conf/concom.txt"
// so the usual commands can be recalled with the arrow keys and Tab.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/ConsoleLines.h"
#include "engine/Font.h"
#include "engine/FormatString.h"

namespace qor {

// Windows virtual-key numbers the console reacts to.
enum eConsoleKey : int {
    kKeyBackspace = 8,
    kKeyTab = 9,
    kKeyEnter = 13,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyDelete = 46,
};

class cConsole {
  public:
    // Whether the left Control key is held; the platform's query by default.
    using cControlQuery = bool (*)();

    // Reads the command list into the history. The console is built before
    // the log it belongs to, so a complaint about the list waits for the first
    // print that arrives once the log is up.
    cConsole(int width, int height, int consoleHeight);

    // Formats the text and appends it line by line; a print that did not end
    // with a line break is continued by the next one. The view jumps to the
    // newest line.
    void Print(std::u16string_view format, std::span<const cFormatValue> values = {});

    // Keys and characters while the console's claim is on; true when consumed.
    bool OnKey(int virtualKey);
    bool OnChar(int ch);
    // Slides the panel and draws it (nothing while closed).
    void Draw(float seconds);

    void SetControlQuery(cControlQuery query) { m_controlDown = query; }

    const cConsoleLines& lines() const { return m_lines; }
    int scroll() const { return m_scroll; }
    int visibleLines() const { return m_visibleLines; }
    const std::vector<std::u16string>& history() const { return m_history; }
    int historyIndex() const { return m_historyIndex; }
    const std::u16string& input() const { return m_input; }
    int cursor() const { return m_cursor; }
    float openHeight() const { return m_open; }
    float speed() const { return m_speed; }
    bool IsOpen() const { return m_open > 0.0f; }

    // Most output lines kept; older ones are dropped so a chatty session
    // cannot grow the buffer without end.
    static constexpr size_t kMaxLines = 10000;

  private:
    void LoadHistory();
    void ReportPending();
    void TakeFont();
    void SetInputFromHistory();
    void ScrollBy(int delta, bool jumpToOldest);
    void DrawPanel();
    void DrawCells(std::u16string_view text, float y, uint32_t color, bool colourCodes);

    cConsoleLines m_lines{kMaxLines};
    bool m_lastLineOpen = false;
    int m_visibleLines = 0;
    int m_scroll = 0;
    std::vector<std::u16string> m_history;
    int m_historyIndex = 0;
    std::u16string m_input;
    int m_cursor = 0;
    float m_open = 0.0f;
    float m_speed = 0.0f;
    int m_width;
    int m_height;
    int m_consoleHeight;
    cFontRef m_font;
    float m_lineHeight = 1.0f;
    float m_charWidth = 0.0f;
    cControlQuery m_controlDown;
    std::u16string m_pendingWarning;  // for the log, once it exists
};

}  // namespace qor
