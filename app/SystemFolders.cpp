// The user's folders and language, from the environment.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/Platform.h"
#include "engine/Path.h"
#include "engine/Strings.h"

namespace qor {

namespace {

std::u16string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return FromUtf8(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return FromUtf8(pw->pw_dir);
    return {};
}

}  // namespace

std::string GetUserLocaleName() {
    const char* value = nullptr;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && v[0]) {
            value = v;
            break;
        }
    }
    if (!value)
        return "en";
    std::string language(value);
    language = language.substr(0, language.find_first_of("_.@"));
    if (language.empty() || language == "C" || language == "POSIX")
        return "en";
    // Only a plain language code may name locale files.
    for (char c : language) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return "en";
    }
    return language.size() <= 84 ? language : "en";
}

void InitSystemPaths() {
    cSystemPaths paths;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        paths.exePath = FromUtf8(exe.parent_path().string());
    paths.staticPath = u"data";
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::u16string base;
    if (dataHome && dataHome[0] == '/') {
        base = FromUtf8(dataHome);
    } else if (const std::u16string home = HomeFolder(); !home.empty()) {
        base = home + u"/.local/share";
    }
    paths.appPath = base + u"/Vantrel/Brindlemoor";
    paths.userPath = HomeFolder();
    SetSystemPaths(paths);
}

}  // namespace qor
