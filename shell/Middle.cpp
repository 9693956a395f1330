#include "shell/Middle.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cwctype>

#include "app/Game.h"
#include "engine/FileSystem.h"
#include "engine/LoadingWidget.h"
#include "engine/Log.h"
#include "gui/BaseWF.h"
#include "gui/GUI.h"
#include "gui/MessageBoxWF.h"
#include "gui/Window.h"
#include "gui/WindowScript.h"

using namespace qor;

cMiddle* g_middle = nullptr;

namespace {

constexpr std::u16string_view kSender = u"cMiddle";
constexpr char16_t kProfileFolder[] = u"{AppPath}/profile/";

bool ParseInt(std::u16string_view text, int* out) {
    if (text.empty() || text.size() > 9)
        return false;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c - u'0');
    }
    *out = value;
    return true;
}

}  // namespace

void PostQuitRequest() {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
}

std::u16string LowerName(std::u16string_view name) {
    // The C library's Unicode lower case, from a locale of our own: the
    // process locale stays "C", which knows only ASCII.
    static const locale_t unicode = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    std::u16string lower(name);
    for (char16_t& c : lower) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;  // a surrogate half has no case of its own
        if (unicode) {
            const wint_t l = towlower_l(c, unicode);
            if (l <= 0xFFFF)
                c = static_cast<char16_t>(l);
        } else if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + 32);
        }
    }
    return lower;
}

cMiddle::cMiddle() {
    g_middle = this;
    if (!g_gameObject)
        g_gameObject = this;
    SetWindowHiddenHook([](const std::u16string& name) {
        if (g_middle)
            g_middle->OnWindowHidden(name);
    });
}

cMiddle::~cMiddle() {
    SetWindowHiddenHook(nullptr);
    WriteCounter();
    for (auto& player : players) {
        if (player)
            player->Save();
    }
    currentPlayer = nullptr;
    players.clear();
    if (g_gameObject == this)
        g_gameObject = nullptr;
    if (g_middle == this)
        g_middle = nullptr;
}

const char16_t* cMiddle::Init() {
    LogEntry(kLogText, kSender, u"Start game initialization...");
    for (const char16_t* folder : {u"{AppPath}/conf/", u"{AppPath}/profile/"}) {
        const cPath path(folder);
        if (!IsFolder(path) && !CreateFolder(path.full))
            LogEntry(kLogWarning, kSender, u"Can't create the folder %s", path.full);
    }
    return nullptr;
}

void cMiddle::OnEndSplash() {
    if (!g_game)
        return;
    // The splash repeats this call at every tick until the focus moves on.
    if (g_game->GetFocusedWidgetName() == kLoadingWidgetName)
        return;
    LogEntry(kLogText, kSender, u"End splash screen");
    if (!loadingWidget)
        loadingWidget = new cLoadingWidget(this);
    g_game->FocusWidget(kLoadingWidgetName);
    LogEntry(kLogText, kSender, u"Start loading...");
}

void cMiddle::OnEndLoading() {
    LogEntry(kLogText, kSender, u"Loading complete. Finish game initialization...");
    cProfileCounter counter;
    if (ReadProfileCounter(&counter)) {
        profileCounter = counter.counter;
        lastPlayerName = counter.lastName;
    }
    cFileFinder finder;
    for (cPath entry = FindFirst(finder, cPath(kProfileFolder)); !entry.empty();
         entry = FindNext(finder)) {
        // The folder's name as it stands on disk: the parsed name and
        // extension would make "plr000.bak" the profile "plr000bak".
        const std::u16string name = entry.full.substr(entry.full.rfind(u'/') + 1);
        if (!IsProfileFolderName(name) || !IsFolder(entry))
            continue;
        std::unique_ptr<cPlayerBase> player = CreatePlayer(name);
        // A profile whose record is unreadable is still listed, with defaults.
        player->Load();
        AddPlayer(std::move(player), false);
    }
    finder.Close();
    LogEntry(kLogText, kSender, u"Found %i Player profiles", GetPlayerCount());
    if (!players.empty()) {
        // The exact name first: "Anna" and "anna" may both exist.
        for (const auto& player : players) {
            if (!currentPlayer && player->GetName() == lastPlayerName)
                currentPlayer = player.get();
        }
        if (!currentPlayer)
            currentPlayer = FindPlayer(lastPlayerName);
        if (!currentPlayer)
            currentPlayer = players.front().get();
        currentPlayer->LoadMap();
    } else {
        std::unique_ptr<cPlayerBase> player = CreatePlayer(u"");
        if (!player) {
            // Every folder name is taken by something that is no profile:
            // the game still needs a player, one that cannot be written.
            player = CreatePlayer(ProfileFolderName(0));
        }
        AddPlayer(std::move(player), true);
        // The new profile's folder and the raised counter reach the disk now:
        // a crash before the first exit must not hand its folder out again.
        SaveProgress();
    }
}

cPlayerBase* cMiddle::AddPlayer(std::unique_ptr<cPlayerBase> player, bool isNew) {
    if (!player)
        return nullptr;
    cPlayerBase* added = player.get();
    players.push_back(std::move(player));
    if (isNew) {
        if (profileCounter < INT32_MAX)
            ++profileCounter;
        if (!currentPlayer)
            currentPlayer = added;
    }
    return added;
}

cPlayerBase* cMiddle::FindPlayer(const std::u16string& name) const {
    const std::u16string wanted = LowerName(name);
    for (const auto& player : players) {
        if (LowerName(player->GetName()) == wanted)
            return player.get();
    }
    return nullptr;
}

void cMiddle::SelectPlayer(const std::u16string& name) {
    const std::u16string current = GetCurrentPlayerName();
    if (currentPlayer && name == current)
        return;
    LogEntry(kLogText, kSender, u"Change player '%s' to '%s'", current, name);
    cPlayerBase* found = FindPlayer(name);
    if (!found) {
        LogEntry(kLogWarning, kSender, u"Can't find payer '%s', leave old player.", name);
        return;
    }
    MakeCurrent(found);
}

void cMiddle::SelectPlayerAt(int index) {
    cPlayerBase* chosen = GetPlayerAt(index);
    if (!chosen || chosen == currentPlayer)
        return;
    LogEntry(kLogText, kSender, u"Change player '%s' to '%s'", GetCurrentPlayerName(),
             chosen->GetName());
    MakeCurrent(chosen);
}

void cMiddle::MakeCurrent(cPlayerBase* player) {
    if (currentPlayer)
        currentPlayer->SaveMap();
    currentPlayer = player;
    currentPlayer->LoadMap();
    SaveProgress();
}

void cMiddle::DeletePlayer(const std::u16string& name) {
    if (currentPlayer && name == currentPlayer->GetName())
        return;
    LogEntry(kLogText, kSender, u"Delete player '%s'", name);
    cPlayerBase* found = FindPlayer(name);
    if (found == currentPlayer && found)
        return;  // the same player by another spelling: still the current one
    if (!found) {
        LogEntry(kLogWarning, kSender, u"Can't find payer '%s'.", name);
        return;
    }
    Remove(found);
}

void cMiddle::DeletePlayerAt(int index) {
    cPlayerBase* doomed = GetPlayerAt(index);
    if (!doomed || doomed == currentPlayer)
        return;
    LogEntry(kLogText, kSender, u"Delete player '%s'", doomed->GetName());
    Remove(doomed);
}

void cMiddle::Remove(cPlayerBase* player) {
    for (auto it = players.begin(); it != players.end(); ++it) {
        if (it->get() == player) {
            if (!player->DeleteFiles())
                LogEntry(kLogWarning, kSender, u"The folder of '%s' was not removed whole",
                         player->GetName());
            players.erase(it);
            break;
        }
    }
    playerCursor = 0;
}

cPlayerBase* cMiddle::FirstPlayer() {
    playerCursor = 0;
    return NextPlayer();
}

cPlayerBase* cMiddle::NextPlayer() {
    if (playerCursor >= players.size())
        return nullptr;
    return players[playerCursor++].get();
}

cPlayerBase* cMiddle::GetPlayerAt(int index) const {
    if (index < 0 || index >= GetPlayerCount())
        return nullptr;
    return players[static_cast<size_t>(index)].get();
}

std::u16string cMiddle::GetCurrentPlayerName() const {
    return currentPlayer ? currentPlayer->GetNameCopy() : std::u16string();
}

bool cMiddle::ShowScreenWindow(const std::u16string& name, int mode) {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui)
        return false;
    if (name == u"main" || name == u"options" || name == u"highscores" || name == u"help" ||
        name == u"escape") {
        CloseAllWindows();
    } else if (name == u"profile_select" && gui->IsWndShown(u"profile_add")) {
        gui->CloseWnd(u"profile_add");
    }
    screenMode = mode;
    gui->ShowWnd(name);
    return true;
}

void cMiddle::OnWindowHidden(const std::u16string& name) {
    if (name != u"messagebox" || !messageBox)
        return;
    const std::u16string id = messageBox->GetId();
    const size_t equals = id.find(u'=');
    if (equals == std::u16string::npos || id.substr(0, equals) != u"delete" ||
        messageBox->GetResult() != 0)
        return;
    int index = 0;
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui || !gui->HasWnd(u"profile_select") ||
        !ParseInt(std::u16string_view(id).substr(equals + 1), &index))
        return;
    if (cWindow* list = gui->GetWnd(u"profile_select"))
        list->SendEvent(kWndDeleteConfirmed, index, 0);
}

void cMiddle::CloseAllWindows() {
    cGUI* gui = g_game ? g_game->gui() : nullptr;
    if (!gui)
        return;
    const auto shown = gui->shown();  // closing may change the stack
    for (const auto& window : shown) {
        if (window && window->name != u"dump")
            window->SendEvent(kWndCloseRequested);
    }
}

cWindow* cMiddle::CreateWindowFromScript(const std::u16string& name,
                                         const std::u16string& scriptFile,
                                         std::unique_ptr<cWindowFunction> function) {
    return qor::CreateWindowFromScript(name, std::move(function),
                                       cPath(u"{StaticPath}/gui/" + scriptFile));
}

bool cMiddle::WriteCounter() const {
    cProfileCounter counter;
    counter.counter = profileCounter;
    counter.lastName = GetCurrentPlayerName();
    return WriteProfileCounter(counter);
}

bool cMiddle::SaveProgress() {
    bool ok = WriteCounter();
    if (currentPlayer) {
        ok = currentPlayer->Save() && ok;
        currentPlayer->SaveMap();
    }
    return ok;
}

std::u16string cMiddle::NextProfileFolder() {
    // Onwards from the counter first, so that a deleted profile's folder name
    // comes back only once every later name is used up; a name is taken by
    // anything on disk, and claimed at once by making its folder.
    const int32_t from = std::clamp(profileCounter, 0, kProfileFolderCount);
    for (int32_t pass = 0; pass < 2; ++pass) {
        const int32_t begin = pass == 0 ? from : 0, end = pass == 0 ? kProfileFolderCount : from;
        for (int32_t n = begin; n < end; ++n) {
            const std::u16string folder = ProfileFolderName(n);
            const cPath path(kProfileFolder + folder);
            if (Exists(path))
                continue;
            if (!CreateFolder(path.full))
                LogEntry(kLogWarning, kSender, u"Can't create the folder %s", path.full);
            if (pass == 0)
                profileCounter = n;
            return folder;
        }
    }
    LogEntry(kLogError, kSender, u"All %i profile folder names are taken; no profile can be added",
             kProfileFolderCount);
    return {};
}
