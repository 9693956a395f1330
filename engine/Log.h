#pragma once
// Log entries go to two sinks: the on-screen console and the HTML log file
// "{AppPath}/_log.html". While no cGame exists (g_game is null) entries are dropped.
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/FormatString.h"

namespace qor {

class cConsole;

// Level colour codes; only the second character is looked at.
inline constexpr std::u16string_view kLogError = u"^4";
inline constexpr std::u16string_view kLogWarning = u"^5";
inline constexpr std::u16string_view kLogText = u"^6";

// The UTF-16LE XHTML log file. Flushed after every write so that the log is
// complete up to the last entry even if the process dies.
class cHtmlLog {
public:
    explicit cHtmlLog(const std::u16string& pathText);
    ~cHtmlLog();
    cHtmlLog(const cHtmlLog&) = delete;
    cHtmlLog& operator=(const cHtmlLog&) = delete;

    bool IsOpen() const { return m_file != nullptr; }
    void WriteEntry(std::u16string_view code, std::u16string_view sender, std::u16string_view message);
    void WriteText(std::u16string_view message);

private:
    void WriteRaw(std::u16string_view text);
    void WriteEscaped(std::u16string_view message);
    void Flush();

    FILE* m_file = nullptr;
    bool m_spanOpen = false;  // lasts across entries until a line feed or "^" closes it
};

class cLog {
public:
    cLog(int width, int height, int consoleHeight);
    ~cLog();

    cConsole* console() const { return m_console.get(); }
    cHtmlLog* file() const { return m_file.get(); }

private:
    std::unique_ptr<cConsole> m_console;
    std::unique_ptr<cHtmlLog> m_file;
};

extern cLog* g_log;

// One entry with a level code, a sender and a message format with up to two values.
void LogEntry(std::u16string_view code, std::u16string_view sender, std::u16string_view format,
              const cFormatValue& a = {}, const cFormatValue& b = {});

// Formatted text to the file only, without sender and level.
void LogText(std::u16string_view format, std::span<const cFormatValue> values = {});

}  // namespace qor
