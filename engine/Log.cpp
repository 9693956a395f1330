#include "engine/Log.h"

#include "app/Game.h"
#include "engine/Console.h"
#include "engine/FileSystem.h"

namespace qor {

cLog* g_log = nullptr;

namespace {

constexpr std::u16string_view kDocumentHead =
    u"<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN' "
    u"'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'> \n"
    u"<html xmlns='http://www.w3.org/1999/xhtml'> \n"
    u"<head> \n"
    u"  <title>qor15 log file</title> \n"
    u"  <meta http-equiv='Content-Type' content='text/html; charset=utf-16le' /> \n"
    u"  <style type='text/css'> \n"
    u"    <!-- \n"
    u"    body { font-size:10pt; font-family:monospace; background-color: darkgray } \n"
    u"    .error { color:darkred } \n"
    u"    .warning { color:saddlebrown } \n"
    u"    .sender { font-weight:bolder; color:white } \n"
    u"    .text {} \n"
    u"    .time { color:darkgreen } \n"
    u"    --> \n"
    u"  </style> \n"
    u"</head> \n"
    u"<body><p> \n";

std::u16string_view LevelClass(std::u16string_view code) {
    if (code.size() >= 2 && code[1] == u'4') return u"error";
    if (code.size() >= 2 && code[1] == u'5') return u"warning";
    return u"text";
}

std::u16string_view ColorSpan(char16_t digit) {
    switch (digit) {
        case u'0': return u"<span style='color:black'>";
        case u'1': return u"<span style='color:blue'>";
        case u'2': return u"<span style='color:green'>";
        case u'3': return u"<span style='color:lightblue'>";
        case u'4': return u"<span style='color:red'>";
        case u'5': return u"<span style='color:purple'>";
        case u'7': return u"<span style='color:white'>";
        default: return {};
    }
}

}  // namespace

cHtmlLog::cHtmlLog(const std::u16string& pathText) {
    const cPath path(pathText);
    m_file = std::fopen(path.FullUtf8().c_str(), "wb");
    if (!m_file) return;  // the console still gets every entry
    SetEveryoneAccess(path);
    WriteRaw(u"\xFEFF");
    WriteRaw(kDocumentHead);
    Flush();
}

cHtmlLog::~cHtmlLog() {
    if (!m_file) return;
    WriteRaw(u"</p></body>\n</html>\n");
    std::fclose(m_file);
}

void cHtmlLog::WriteRaw(std::u16string_view text) {
    if (!m_file) return;
    char buffer[512];
    size_t n = 0;
    for (char16_t c : text) {
        buffer[n++] = static_cast<char>(c & 0xFF);
        buffer[n++] = static_cast<char>(c >> 8);
        if (n == sizeof buffer) {
            std::fwrite(buffer, 1, n, m_file);
            n = 0;
        }
    }
    if (n) std::fwrite(buffer, 1, n, m_file);
}

void cHtmlLog::Flush() {
    if (m_file) std::fflush(m_file);
}

void cHtmlLog::WriteEscaped(std::u16string_view message) {
    std::u16string out;
    out.reserve(message.size() + 16);
    for (size_t i = 0; i < message.size(); ++i) {
        const char16_t c = message[i];
        switch (c) {
            case u'\n':
                if (m_spanOpen) out += u"</span>";
                m_spanOpen = false;
                out += u"<br />\n";
                break;
            case u' ': {
                // Runs of spaces and a leading space survive; single spaces stay breakable.
                const bool alone = i > 0 && message[i - 1] != u' ' &&
                                   (i + 1 >= message.size() || message[i + 1] != u' ');
                out += alone ? u" " : u"&nbsp;";
                break;
            }
            case u'"': out += u"&quot;"; break;
            case u'&': out += u"&amp;"; break;
            case u'\'': out += u"&#39;"; break;
            case u'<': out += u"&lt;"; break;
            case u'>': out += u"&gt;"; break;
            case u'^': {
                if (m_spanOpen) out += u"</span>";
                m_spanOpen = false;
                if (i + 1 >= message.size()) break;  // a "^" at the very end is dropped
                const std::u16string_view span = ColorSpan(message[++i]);
                if (!span.empty()) {
                    out += span;
                    m_spanOpen = true;
                }
                break;
            }
            default: out += c; break;
        }
    }
    WriteRaw(out);
}

void cHtmlLog::WriteEntry(std::u16string_view code, std::u16string_view sender,
                          std::u16string_view message) {
    if (!m_file) return;
    WriteRaw(u"<span class='sender'>");
    WriteRaw(sender);
    WriteRaw(u": </span><span class='");
    WriteRaw(LevelClass(code));
    WriteRaw(u"'>");
    WriteEscaped(message);
    Flush();
    WriteRaw(u"</span><br />\n");
    Flush();
}

void cHtmlLog::WriteText(std::u16string_view message) {
    if (!m_file) return;
    WriteEscaped(message);
    Flush();
}

cLog::cLog(int width, int height, int consoleHeight)
    : m_console(std::make_unique<cConsole>(width, height, consoleHeight)) {
    CreateFolder(u"{AppPath}");
    m_file = std::make_unique<cHtmlLog>(ExpandPath(u"{AppPath}/_log.html"));
}

cLog::~cLog() = default;

void LogEntry(std::u16string_view code, std::u16string_view sender, std::u16string_view format,
              const cFormatValue& a, const cFormatValue& b) {
    if (!g_game || !g_log) return;
    const cFormatValue values[2] = {a, b};
    if (cConsole* console = g_log->console()) {
        const std::u16string line = Format(u"^7%s^6: %s%s\n", {sender, code, format});
        console->Print(line, values);
    }
    if (cHtmlLog* file = g_log->file(); file && file->IsOpen()) {
        std::u16string message;
        FormatString(message, format, values);
        file->WriteEntry(code, sender, message);
    }
}

void LogText(std::u16string_view format, std::span<const cFormatValue> values) {
    if (!g_game || !g_log) return;
    if (cHtmlLog* file = g_log->file(); file && file->IsOpen()) {
        std::u16string message;
        FormatString(message, format, values);
        file->WriteText(message);
    }
}

}  // namespace qor
