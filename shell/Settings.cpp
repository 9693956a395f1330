#include "shell/Settings.h"

#include <cmath>

#include "app/Platform.h"
#include "engine/FileSystem.h"
#include "engine/FormatString.h"
#include "engine/Log.h"
#include "engine/Script.h"
#include "engine/Strings.h"

using namespace qor;

std::u16string FormatSettings(const cSettings& settings) {
    return Format(
        u"runWindowed=%s\nsoundVolume=%f\nmusicVolume=%f\nshowHints=%s\ncurrentLocale='%s'\n",
        {settings.fullScreen ? u"false" : u"true", static_cast<double>(settings.soundVolume),
         static_cast<double>(settings.musicVolume), u"true", settings.locale});
}

float StoredVolume(float volume) {
    return std::isfinite(volume) && volume >= 0.0f && volume <= 1.0f ? volume : 0.0f;
}

bool WriteSettings(const cSettings& settings) {
    const cPath path(u"{AppPath}/conf/settings.lua");
    if (const int rc = WriteTextFile(path, FormatSettings(settings)); rc != 0) {
        LogEntry(kLogError, u"cGarden", u"Can't write %s (error %i)", path.full, rc);
        return false;
    }
    return true;
}

std::u16string StartupLocale() {
    std::u16string locale = GetLocaleGlobal(u"");
    if (locale.empty())
        locale = FromUtf8(GetUserLocaleName()).substr(0, 2);
    // The locale switch refuses names that cannot be file names and falls
    // back to English itself.
    return locale;
}
