#include "app/CommandLine.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "engine/Strings.h"

namespace qor {

cCommandLine g_commandLine;

const char* CommandLineUsage() {
    return "usage: brindlemoor [--replay FILE]\n"
           "  --replay FILE  play the replay FILE in its level, then go on playing\n"
           "  --help         show this and leave\n";
}

bool ParseCommandLine(std::span<const char* const> words, cCommandLine* out, std::string* error) {
    *out = cCommandLine{};
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i] ? words[i] : "";
        if (word == "--help" || word == "-h") {
            out->help = true;
        } else if (word == "--replay") {
            if (i + 1 >= words.size() || !words[i + 1] || !*words[i + 1]) {
                *error = "--replay needs the replay file after it";
                return false;
            }
            std::error_code failed;
            const std::filesystem::path given(words[++i]);
            const std::filesystem::path full = std::filesystem::absolute(given, failed);
            out->replayFile = FromUtf8((failed ? given : full).lexically_normal().string());
        } else {
            *error = "unknown argument '" + std::string(word) + "'";
            return false;
        }
    }
    return true;
}

}  // namespace qor
