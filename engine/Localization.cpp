#include "engine/Localization.h"

#include "app/Game.h"
#include "app/Platform.h"
#include "app/Widget.h"
#include "engine/FileSystem.h"
#include "engine/LoadingScriptFunctions.h"
#include "engine/Log.h"
#include "engine/Script.h"
#include "gui/GUI.h"

namespace qor {

namespace {

constexpr size_t kMaxLocaleName = 32;

bool s_switching = false;

// The name becomes part of file names: only plain language tags such as
// "en", "zh-TW" or "pt_BR" may reach the file system, never "../x".
bool IsUsableLocaleName(const std::u16string& name) {
    if (name.empty() || name.size() > kMaxLocaleName)
        return false;
    for (char16_t c : name) {
        const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        const bool digit = c >= u'0' && c <= u'9';
        if (!letter && !digit && c != u'-' && c != u'_')
            return false;
    }
    return true;
}

int RunLocaleScript(const std::u16string& name) {
    return RunFile(cPath(u"{StaticPath}/conf/locale_" + name + u".lua"));
}

// The locale's own folder under `base`, or the fallback locale's when it has
// none; the same reload as the `updateTextures` script function.
void UpdateLocaleFolder(const std::u16string& base, const std::u16string& locale) {
    cPath folder(base + locale);
    if (!IsFolder(folder))
        folder = cPath(base + kFallbackLocale);
    ReloadFolderTextures(folder);
}

}  // namespace

bool IsCjkLocale(const std::u16string& name) {
    return name.starts_with(u"ja") || name.starts_with(u"ko") || name.starts_with(u"zh");
}

void ApplyLocale(const std::u16string& name) {
    if (!g_game)
        return;
    if (s_switching) {
        // A locale script or a refreshing window asking for another switch
        // would otherwise start the switch inside itself, without end.
        LogEntry(kLogWarning, u"cGame", u"Locale change to %s ignored: a locale switch is running",
                 name);
        return;
    }
    s_switching = true;

    g_game->locale = name;
    g_game->cjkLocale = false;
    const bool found = IsUsableLocaleName(name) && RunLocaleScript(name) == 0;
    if (!found) {
        LogEntry(kLogWarning, u"cGame", u"Locale with name %s not found, change to en", name);
        g_game->locale = kFallbackLocale;
        // The fallback's own failure has just been reported; once is enough.
        if (name != kFallbackLocale)
            RunLocaleScript(kFallbackLocale);
    } else {
        g_game->cjkLocale = IsCjkLocale(name);
    }

    const std::u16string locale = g_game->locale;
    UpdateLocaleFolder(u"{StaticPath}/font/", locale);
    UpdateLocaleFolder(u"{StaticPath}/texture/locale/", locale);

    if (cGUI* gui = g_game->gui())
        gui->LocaleChanged();
    // By index: a widget may create another one while it refreshes.
    for (size_t i = 0; i < g_game->widgets().size(); ++i) {
        if (cWidget* widget = g_game->widgets()[i].get())
            widget->OnEvent(kWidgetLocaleChanged, 0);
    }
    UpdateWindowTitle();
    s_switching = false;
}

}  // namespace qor
