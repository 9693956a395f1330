#pragma once
// The machine's settings live in "{AppPath}/conf/settings.lua", a small Lua
// script the engine runs at start, so each setting is a script global. The
// game writes it whole from the live values.
#include <string>
#include <string_view>

struct cSettings {
    bool fullScreen = true;
    float soundVolume = 0.5f;
    float musicVolume = 0.5f;
    std::u16string locale = u"en";
};

// The script text, one setting a line; the volumes with six decimals.
std::u16string FormatSettings(const cSettings& settings);
// False (logged with the reason) when the file could not be written; the
// previous file then stays as it was.
bool WriteSettings(const cSettings& settings);
// A volume as the settings store it: 0 for anything outside 0..1.
float StoredVolume(float volume);
// The locale to start in: the setting "currentLocale", or the first two
// letters of the user's language when it is empty.
std::u16string StartupLocale();
